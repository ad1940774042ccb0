// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/seances.h"

#include "app/deroules.h"
#include "app/fichiers.h"
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/messageservice.h"
#include "recordings/tracevoie.h"
#include "recordings/voiesenregistrees.h"
#include "systems/registresystemes.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

namespace {

const QString titreProgramme = QStringLiteral("Systèmes de régulation");

std::array<GlyphButton *, 4> boutonsEnregistrement(TForm1 &f)
{
    return {f.SpeedButtonEnregSensitif, f.SpeedButtonEnregStimulateur, f.SpeedButtonEnregInhibiteur,
            f.SpeedButtonCourbe};
}

std::array<ImageControl *, 5> bandes(TForm1 &f)
{
    return {f.EnregSensitif, f.EnregStimulateur, f.EnregInhibiteur, f.EnregPerturbation,
            f.EnregCourbe};
}

std::array<int *, 3> niveauxTraces(EtatMecanisme &e)
{
    return {&e.NiveauTraceSensitif, &e.NiveauTraceStimulateur, &e.NiveauTraceInhibiteur};
}

std::array<int *, 3> niveauxCibles(EtatMecanisme &e)
{
    return {&e.NiveauCibleSensitif, &e.NiveauCibleStimulateur, &e.NiveauCibleInhibiteur};
}

} // namespace

Seances::Seances(TForm1 &form, RegistreSystemes &registre, MessageService &messages)
    : QObject(&form), m_form(form), m_registre(registre), m_messages(messages)
{
    m_consignesStandard = form.MemoProtocole->lines();
    const auto ajoute = [this, &form](const QString &texte, const QKeySequence &raccourci,
                                      void (Seances::*action)()) {
        auto *a = new QAction(texte, &form);
        a->setShortcut(raccourci);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, action);
        form.addAction(a);
        return a;
    };
    m_ouvrir = ajoute(QStringLiteral("Ouvrir une séance…"), QKeySequence::Open, &Seances::Ouvrir);
    m_enregistrer =
        ajoute(QStringLiteral("Enregistrer la séance…"), QKeySequence::Save, &Seances::Enregistrer);

    // A lesson file dropped anywhere on the window opens; the edits take no
    // drop of their own, so nothing dragged changes a value.
    for (QWidget *enfant : form.findChildren<QWidget *>())
        enfant->setAcceptDrops(false);
    form.setAcceptDrops(true);
    form.installEventFilter(this);
}

QString Seances::seanceDeposee(const QMimeData *donnees)
{
    if (!donnees || !donnees->hasUrls() || donnees->urls().size() != 1)
        return {};
    const QUrl url = donnees->urls().constFirst();
    if (!url.isLocalFile() ||
        !url.fileName().endsWith(QLatin1String(".regulation"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

bool Seances::eventFilter(QObject *objet, QEvent *evenement)
{
    switch (evenement->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *glisse = static_cast<QDragMoveEvent *>(evenement);
        if (seanceDeposee(glisse->mimeData()).isEmpty())
            glisse->ignore();
        else
            glisse->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *depot = static_cast<QDropEvent *>(evenement);
        const QString chemin = seanceDeposee(depot->mimeData());
        if (chemin.isEmpty()) {
            depot->ignore();
            return true;
        }
        depot->acceptProposedAction();
        // Opened once the drop is over: a question asked inside it would hold
        // up the program the file came from.
        QTimer::singleShot(0, this, [this, chemin] { ouvre(chemin); });
        return true;
    }
    case QEvent::Close:
        if (laisseLaSeance())
            return false;
        evenement->ignore();
        return true;
    default:
        return QObject::eventFilter(objet, evenement);
    }
}

Situation Seances::situation() const
{
    TForm1 &f = m_form;
    Situation s;
    s.systeme = f.ComboBoxSysteme->currentText();
    if (m_registre.estDeLEnseignant(s.systeme))
        s.systemeEnseignant = *m_registre.systeme(s.systeme);
    // The edits may hold a number typed beyond the range: the situation
    // holds the bars' values, the ones the loop works with.
    s.valeurConsigne = f.situation().valeurConsigne();
    s.valeurReglee = f.situation().valeurReglee();
    s.vitesse = f.situation().vitesse();
    s.son = f.SpeedButtonSon->isChecked();
    s.experiences = f.situation().experiences();
    s.consignesActivite = f.situation().consignesActivite();
    const auto boutons = boutonsEnregistrement(f);
    for (std::size_t i = 0; i < boutons.size(); ++i)
        s.enregistrementsAffiches[i] = boutons[i]->isChecked();
    EtatMecanisme &etat = f.etat();
    s.colonne = etat.PositionEnreg;
    s.vitesseModifiee = f.situation().releve().vitesseModifiee();
    s.releve = f.situation().releve().lignes();
    const auto images = bandes(f);
    for (std::size_t i = 0; i < images.size(); ++i)
        s.bandes[i] = images[i]->image().convertToFormat(QImage::Format_RGB32);
    const auto traces = niveauxTraces(etat);
    s.niveauxTraces.emplace();
    for (std::size_t i = 0; i < traces.size(); ++i)
        (*s.niveauxTraces)[i] = *traces[i];
    s.reference = f.situation().reference();
    s.situationReference = f.situation().situationReference();
    s.deroule = f.situation().deroule();
    return s;
}

void Seances::applique(const Situation &s)
{
    TForm1 &f = m_form;
    EtatMecanisme &etat = f.etat();
    if (f.SpeedButtonAide->isChecked())
        f.SpeedButtonAide->setChecked(false);
    f.deroules().abandonne();
    f.SuspendreMecanisme();

    // The system as when picked from the list: a fresh scheme, strips,
    // experiments and values.
    const ConfigurationSysteme *configuration = m_registre.systeme(s.systeme);
    {
        const QSignalBlocker bloque(f.ComboBoxSysteme);
        f.ComboBoxSysteme->setCurrentText(s.systeme);
    }
    f.AppliqueConfiguration(*configuration);

    f.placeValeurs(s.valeurReglee.value_or(configuration->ValeurInitiale),
                   s.valeurConsigne.value_or(configuration->ValeurInitiale));
    f.situation().changeDeroule(s.deroule);
    if (s.vitesse)
        f.TrackBarVitesse->setValue(*s.vitesse);
    if (s.son)
        f.SpeedButtonSon->setChecked(*s.son);
    // Each set or undone: the experiments of the system before are undone too.
    f.ChangeExperiences(s.experiences);

    // The recordings: the toggles, then what they drew and kept.
    const auto boutons = boutonsEnregistrement(f);
    for (std::size_t i = 0; i < boutons.size(); ++i) {
        if (boutons[i]->isChecked() != s.enregistrementsAffiches[i] && !boutons[i]->isHidden())
            boutons[i]->click();
    }
    // The reference before the strips are cleared: clearing draws the curve's
    // background with it.
    f.situation().changeReference(s.reference, s.situationReference);
    f.InitialiseEnregistrements();
    const auto images = bandes(f);
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (!s.bandes[i].isNull())
            images[i]->canvas().drawImage(s.bandes[i]);
    }
    for (const LigneReleve &ligne : s.releve)
        f.situation().releve().note(ligne);
    etat.PositionEnreg = s.colonne;
    // A hormonal trace within its strip's Min and Max, where its level is a
    // share the values can say; without levels, where the system starts it.
    if (s.niveauxTraces) {
        const auto traces = niveauxTraces(etat);
        const auto cibles = niveauxCibles(etat);
        const auto voies = voiesEnregistrees(f);
        for (std::size_t i = 0; i < traces.size(); ++i) {
            const int hauteur = voies[i].enregistrement->height();
            *traces[i] = *cibles[i] =
                voies[i].mode() == ModeHormonal
                    ? std::clamp((*s.niveauxTraces)[i], niveauMax, niveauMin(hauteur))
                    : (*s.niveauxTraces)[i];
        }
    }
    if (!s.releve.isEmpty()) {
        const LigneReleve &derniere = s.releve.last();
        etat.ClasseEcart = derniere.classeEcart;
        etat.Perturbation = derniere.perturbation;
        // The curve drawn again from its values rather than as the file
        // pictured it: a lesson kept before the curve's scale changed lines
        // up with the columns to come.
        f.redessineCourbe();
    }
    f.situation().releve().changeVitesseModifiee(s.vitesseModifiee);
    f.actualiseExport();

    f.situation().changeConsignes(s.consignesActivite);
    f.MemoProtocole->setLines(s.consignesActivite.isEmpty()
                                  ? m_consignesStandard
                                  : s.consignesActivite.split(QLatin1Char('\n')));
}

bool Seances::ouvre(const QString &chemin)
{
    const QFileInfo fichier(chemin);
    const auto refusee = [this, &chemin](const QString &pourquoi) {
        refuse(QDir::toNativeSeparators(chemin), pourquoi);
        return false;
    };
    if (fichier.isDir())
        return refusee(QStringLiteral("c'est un dossier, pas un fichier."));
    if (!fichier.exists())
        return refusee(QStringLiteral("ce fichier n'existe pas."));
    if (fichier.size() > tailleMaxSeance)
        return refusee(QStringLiteral("le fichier dépasse 5 Mo : ce n'est pas une séance."));
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return refusee(QStringLiteral("le fichier ne peut pas être lu."));
    return ouvreContenu(QDir::toNativeSeparators(chemin), f.read(tailleMaxSeance + 1));
}

void Seances::refuse(const QString &designation, const QString &pourquoi)
{
    m_form.fichiers().avertit(
        QStringLiteral("Impossible d'ouvrir la séance « %1 » : %2").arg(designation, pourquoi));
}

bool Seances::ouvreContenu(const QString &designation, const QByteArray &octets)
{
    if (octets.size() > tailleMaxSeance) {
        refuse(designation, QStringLiteral("le fichier dépasse 5 Mo : ce n'est pas une séance."));
        return false;
    }
    const LectureSeance lecture = lisSeance(octets, GabaritSeance{m_form.EnregSensitif->size(),
                                                                  m_form.EnregPerturbation->size(),
                                                                  m_form.EnregCourbe->size()});
    if (!lecture.situation) {
        refuse(designation, lecture.erreur);
        return false;
    }
    const QString nom = QFileInfo(designation).completeBaseName();
    // A teacher's system of the same name here that the lesson describes
    // otherwise is replaced only after a question.
    const Situation &lue = *lecture.situation;
    const ConfigurationSysteme *ici =
        lue.systemeEnseignant ? m_registre.systeme(lue.systeme) : nullptr;
    if (ici && !(*ici == *lue.systemeEnseignant) &&
        m_messages.ask(&m_form, MessageKind::Confirmation,
                       QStringLiteral("La séance « %1 » décrit autrement le système « %2 ». "
                                      "Remplacer le vôtre par le sien ?")
                           .arg(nom, lue.systeme),
                       MessageButtons::OuiNon) != MessageAnswer::Oui)
        return false;
    // Nothing changed in the lesson on screen, nor anything recorded, is
    // lost without a question (one is enough).
    if (modifiee()) {
        if (!demandeDEnregistrer())
            return false;
    } else if (!m_form.situation().releve().estVide() &&
               m_messages.ask(&m_form, MessageKind::Confirmation,
                              QStringLiteral("Remplacer les enregistrements par ceux de la "
                                             "séance « %1 » ?")
                                  .arg(nom),
                              MessageButtons::OuiNon) != MessageAnswer::Oui)
        return false;
    // The lesson kept the rules; only the count of systems can keep it out.
    if (lue.systemeEnseignant) {
        if (const QList<DefautSysteme> defauts =
                m_registre.adopte({lue.systeme, *lue.systemeEnseignant});
            !defauts.isEmpty()) {
            refuse(designation, QStringLiteral("« systeme » : %1").arg(defauts[0].raison));
            return false;
        }
    }
    applique(lue);
    nomme(nom);
    m_telleQuEnregistree = situation();
    return true;
}

void Seances::oublie()
{
    m_form.situation().changeConsignes(QString());
    m_form.MemoProtocole->setLines(m_consignesStandard);
    nomme(QString());
    m_telleQuEnregistree.reset();
}

bool Seances::modifiee() const
{
    return m_telleQuEnregistree && !(situation() == *m_telleQuEnregistree);
}

bool Seances::laisseLaSeance()
{
    return !modifiee() || demandeDEnregistrer();
}

bool Seances::demandeDEnregistrer()
{
    const MessageAnswer reponse = m_form.fichiers().suspendu([this] {
        return m_messages.ask(
            &m_form, MessageKind::Confirmation,
            QStringLiteral("La séance « %1 » a changé. L'enregistrer ?").arg(m_nom),
            MessageButtons::OuiNonAnnuler);
    });
    if (reponse == MessageAnswer::Oui)
        return enregistre();
    return reponse == MessageAnswer::Non;
}

void Seances::nomme(const QString &nom)
{
    // A file's "[*]" is three characters, not the title's mark of a change.
    QString litteral = nom;
    litteral.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    m_nom = nom;
    m_form.setWindowTitle(nom.isEmpty() ? titreProgramme
                                        : QStringLiteral("%1 — %2").arg(litteral, titreProgramme));
}

void Seances::Ouvrir()
{
    // Where files are uploads, the lesson opens once the pupil has chosen it.
    const bool envoi = m_messages.upload(
        QStringLiteral("Séance (*.regulation)"),
        [this](const QString &nom, const QByteArray &octets) { ouvreContenu(nom, octets); });
    if (envoi)
        return;
    const QString chemin = m_form.fichiers().demandeFichierAOuvrir(
        QStringLiteral("Ouvrir une séance"), QStringLiteral("Séance (*.regulation)"));
    if (!chemin.isEmpty())
        ouvre(chemin);
}

void Seances::Enregistrer()
{
    enregistre();
}

// Saved under the name the pupil gives, the lesson's own suggested.
bool Seances::enregistre()
{
    const Situation s = situation();
    if (!m_registre.systeme(s.systeme)) {
        m_form.fichiers().avertit(
            QStringLiteral("Choisissez d'abord un système de la liste : la séance "
                           "garde le système affiché."));
        return false;
    }
    const QString fichier = m_form.fichiers().enregistre(
        QStringLiteral("Enregistrer la séance"), m_nom.isEmpty() ? QStringLiteral("seance") : m_nom,
        QStringLiteral("Séance"), QStringLiteral("regulation"), ecritSeance(s));
    if (fichier.isEmpty())
        return false;
    nomme(QFileInfo(fichier).completeBaseName());
    m_telleQuEnregistree = s;
    return true;
}
