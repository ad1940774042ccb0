// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/deroules.h"

#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/messageservice.h"
#include "lessons/motsexperiences.h"
#include "recordings/voiesenregistrees.h"

#include <QAction>

namespace {

// What the status bar says when the pupil's own change ends a replay.
QString interrompuParLEleve()
{
    return QStringLiteral("Déroulé interrompu par votre action, qui est gardée.");
}

// A change the user made, before its tick and label are known.
EtapeDeroule changement(EtapeDeroule::Action action, int valeur = 0,
                        Experience experience = Experience::CapteurDetruit)
{
    EtapeDeroule etape;
    etape.action = action;
    etape.valeur = valeur;
    etape.experience = experience;
    return etape;
}

} // namespace

Deroules::Deroules(TForm1 &form, MessageService &messages)
    : QObject(&form), m_form(form), m_messages(messages)
{
    const auto ajoute = [this, &form](const QString &texte, void (Deroules::*action)()) {
        auto *a = new QAction(texte, &form);
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    m_enregistrer = ajoute(QStringLiteral("Enregistrer un déroulé"), &Deroules::EnregistrerDeroule);
    m_nommer = ajoute(QStringLiteral("Nommer l'étape suivante…"), &Deroules::NommerEtape);
    m_terminer = ajoute(QStringLiteral("Terminer le déroulé"), &Deroules::TerminerDeroule);
    m_rejouer = ajoute(QStringLiteral("Rejouer le déroulé"), &Deroules::RejouerDeroule);
    m_rejouer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    m_rejouer->setShortcutContext(Qt::WindowShortcut);
    form.addAction(m_rejouer);
    m_rejouerReference =
        ajoute(QStringLiteral("Rejouer et garder comme référence"), &Deroules::RejouerEnReference);
    actualiseActions();

    // The sensor's handlers are connected before: this counts the ticks
    // they made, and applies the steps after the instant.
    connect(form.TimerCapteur, &IntervalTimer::timeout, this, &Deroules::topCapteur);

    // The user's own changes: a bar moved by a key, a click or the wheel
    // (a dragged thumb counts once, where it is let go), an experiment,
    // "Rétablir tout", the curve kept.
    const auto barre = [this](ScrollBar *bar, EtapeDeroule::Action action) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, action] {
            // The position is the one the value is about to take.
            if (!bar->isSliderDown() && bar->sliderPosition() != bar->value())
                actionDeLUtilisateur(changement(action, bar->sliderPosition()));
        });
        // Taking hold of the thumb already ends a replay: what follows is the
        // pupil's.
        connect(bar, &QAbstractSlider::sliderPressed, this, [this] {
            if (m_lecture)
                termineLaLecture(interrompuParLEleve(), nullptr);
        });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [this, bar, action] { actionDeLUtilisateur(changement(action, bar->value())); });
    };
    barre(form.ScrollBarValeurReglee, EtapeDeroule::Action::ValeurReglee);
    barre(form.ScrollBarValeurConsigne, EtapeDeroule::Action::ValeurConsigne);
    for (Experience experience : toutesExperiences) {
        connect(form.actionExperience(experience), &QAction::triggered, this,
                [this, experience](bool active) {
                    actionDeLUtilisateur(
                        changement(EtapeDeroule::Action::Experience, active ? 1 : 0, experience));
                });
    }
    connect(form.actionRetablirTout(), &QAction::triggered, this,
            [this] { actionDeLUtilisateur(changement(EtapeDeroule::Action::RetablirTout)); });
    connect(form.actionGarderReference(), &QAction::triggered, this,
            [this] { actionDeLUtilisateur(changement(EtapeDeroule::Action::GarderReference)); });
    // "Marche"/"Arrêt" is no step, but it ends a replay as the pupil's own.
    connect(form.ButtonMarche, &QPushButton::clicked, this, [this] {
        if (m_lecture)
            termineLaLecture(QStringLiteral("Déroulé interrompu."), nullptr);
    });
}

QList<QAction *> Deroules::actions() const
{
    return {m_enregistrer, m_nommer, m_terminer, m_rejouer, m_rejouerReference};
}

void Deroules::actualiseActions()
{
    m_enregistrer->setVisible(!enregistre());
    m_nommer->setVisible(enregistre());
    m_terminer->setVisible(enregistre());
}

void Deroules::EnregistrerDeroule()
{
    if (m_lecture)
        termineLaLecture(QString(), nullptr);
    m_enregistrement =
        Deroule{m_form.situation().valeurReglee(), m_form.situation().valeurConsigne(), {}, 0};
    m_top = 0;
    m_libelleSuivant.clear();
    actualiseActions();
    m_form.StatusBar1->showMessage(
        QStringLiteral("Déroulé en cours d'enregistrement\u00a0: chacun de vos changements est "
                       "noté avec son top."));
}

void Deroules::NommerEtape()
{
    if (!m_enregistrement)
        return;
    if (const auto libelle = m_messages.askLine(
            &m_form,
            QStringLiteral("Nom de l'étape suivante (%1 caractères au plus)\u00a0:")
                .arg(libelleEtapeMax),
            libelleEtapeMax))
        m_libelleSuivant = libelle->simplified().left(libelleEtapeMax);
}

void Deroules::TerminerDeroule()
{
    if (!m_enregistrement)
        return;
    Deroule deroule = *std::exchange(m_enregistrement, std::nullopt);
    actualiseActions();
    if (deroule.etapes.isEmpty()) {
        m_form.StatusBar1->showMessage(
            QStringLiteral("Déroulé sans étape\u00a0: rien n'est gardé."));
        return;
    }
    deroule.fin = std::max(m_top, deroule.etapes.last().top);
    m_form.situation().changeDeroule(deroule);
    m_form.StatusBar1->showMessage(
        QStringLiteral("Déroulé gardé\u00a0: %1 étape(s) en %2 tops. Ctrl+J le rejoue.")
            .arg(deroule.etapes.size())
            .arg(deroule.fin));
}

void Deroules::RejouerDeroule()
{
    rejoueDepuisLeDebut(false);
}

void Deroules::RejouerEnReference()
{
    rejoueDepuisLeDebut(true);
}

void Deroules::rejoueDepuisLeDebut(bool enReference)
{
    // A sequence being recorded is ended and kept, then replayed.
    TerminerDeroule();
    if (!m_form.situation().deroule()) {
        m_form.StatusBar1->showMessage(QStringLiteral(
            "Aucun déroulé à rejouer\u00a0: enregistrez-en un (menu de la fenêtre)."));
        return;
    }
    if (m_lecture)
        termineLaLecture(QString(), nullptr);
    const Deroule deroule = *m_form.situation().deroule();
    TForm1 &f = m_form;
    if (f.SpeedButtonAide->isChecked())
        f.SpeedButtonAide->setChecked(false);
    f.SuspendreMecanisme();
    if (enReference) {
        m_experiencesARendre = f.situation().experiences();
        f.RetablirTout();
    }
    // Rows are kept only while a strip records: the curve's, when none does.
    if (!enregistrementEnCours(f))
        f.SpeedButtonCourbe->click();

    // From the same state each time: no message in flight, no deviation
    // read yet, the traces where the system starts them, clean strips.
    f.etat().metAuRepos();
    f.placeTraces();
    f.InitialiseEnregistrements();
    f.placeValeurs(deroule.valeurReglee, deroule.valeurConsigne);

    f.meneLesInstants(true);
    m_lecture.emplace(deroule);
    m_top = 0;
    for (const EtapeDeroule &etape : m_lecture->etapesAuTop(0))
        applique(etape);
    f.ReprendreMecanisme();
    f.StatusBar1->showMessage(
        enReference
            ? QStringLiteral(
                  "Déroulé rejoué sur la boucle intacte, gardé comme référence à la fin.")
            : QStringLiteral("Déroulé rejoué\u00a0: toute action de votre part l'interrompt."));
}

void Deroules::topCapteur()
{
    if (m_enregistrement) {
        ++m_top;
        // A step lies within the strips' width.
        if (m_top >= m_form.EnregSensitif->width())
            TerminerDeroule();
        return;
    }
    if (!m_lecture)
        return;
    ++m_top;
    for (const EtapeDeroule &etape : m_lecture->etapesAuTop(m_top))
        applique(etape);
    if (m_lecture && m_top >= m_lecture->fin()) {
        m_form.SuspendreMecanisme();
        // On the intact loop, its curve is the reference, kept before the
        // experiments come back.
        if (m_experiencesARendre)
            m_form.GarderReference();
        termineLaLecture(m_experiencesARendre
                             ? QStringLiteral("Déroulé rejoué jusqu'au bout\u00a0: sa courbe est "
                                              "la référence.")
                             : QStringLiteral("Déroulé rejoué jusqu'au bout."),
                         nullptr);
        emit rejoueJusquAuBout();
    }
}

void Deroules::actionDeLUtilisateur(const EtapeDeroule &etape)
{
    if (m_lecture) {
        termineLaLecture(interrompuParLEleve(), &etape);
        return;
    }
    if (!m_enregistrement)
        return;
    EtapeDeroule nouvelle = etape;
    nouvelle.top = m_top;
    nouvelle.libelle = std::exchange(m_libelleSuivant, QString());
    QList<EtapeDeroule> &etapes = m_enregistrement->etapes;
    // Several changes of one thing within a tick are one step: its last value.
    if (!etapes.isEmpty()) {
        EtapeDeroule &derniere = etapes.last();
        if (derniere.top == nouvelle.top && derniere.action == nouvelle.action &&
            derniere.experience == nouvelle.experience &&
            nouvelle.action != EtapeDeroule::Action::GarderReference) {
            derniere.valeur = nouvelle.valeur;
            if (!nouvelle.libelle.isEmpty())
                derniere.libelle = nouvelle.libelle;
            return;
        }
    }
    etapes << nouvelle;
    annonce(nouvelle);
    if (etapes.size() >= etapesDerouleMax) {
        TerminerDeroule();
        m_form.StatusBar1->showMessage(
            QStringLiteral("Déroulé gardé\u00a0: il a atteint ses %1 étapes.")
                .arg(etapesDerouleMax));
    }
}

void Deroules::applique(const EtapeDeroule &etape)
{
    annonce(etape);
    switch (etape.action) {
    case EtapeDeroule::Action::ValeurReglee:
        m_form.ScrollBarValeurReglee->setValue(etape.valeur);
        break;
    case EtapeDeroule::Action::ValeurConsigne:
        m_form.ScrollBarValeurConsigne->setValue(etape.valeur);
        break;
    case EtapeDeroule::Action::Experience:
        m_form.ChangeExperience(etape.experience, etape.valeur != 0);
        break;
    case EtapeDeroule::Action::RetablirTout:
        m_form.RetablirTout();
        break;
    case EtapeDeroule::Action::GarderReference:
        m_form.GarderReference();
        break;
    }
}

void Deroules::annonce(const EtapeDeroule &etape)
{
    const SituationCourante &situation = m_form.situation();
    m_form.annonceEtape(nomEtape(etape, lesion(situation, etape.experience),
                                 nomElement(situation, etape.experience)));
}

void Deroules::termineLaLecture(const QString &ligne, const EtapeDeroule *etapeDeLEleve)
{
    m_lecture.reset();
    m_form.meneLesInstants(false);
    if (const auto experiences = std::exchange(m_experiencesARendre, std::nullopt)) {
        // The experiments come back; a change the pupil just made stays.
        m_form.ChangeExperiences(*experiences);
        if (etapeDeLEleve && etapeDeLEleve->action == EtapeDeroule::Action::Experience)
            m_form.ChangeExperience(etapeDeLEleve->experience, etapeDeLEleve->valeur != 0);
        else if (etapeDeLEleve && etapeDeLEleve->action == EtapeDeroule::Action::RetablirTout)
            m_form.RetablirTout();
    }
    if (!ligne.isEmpty())
        m_form.StatusBar1->showMessage(ligne);
}

void Deroules::abandonne()
{
    m_enregistrement.reset();
    m_libelleSuivant.clear();
    if (m_lecture) {
        m_lecture.reset();
        m_experiencesARendre.reset();
        m_form.meneLesInstants(false);
    }
    actualiseActions();
}
