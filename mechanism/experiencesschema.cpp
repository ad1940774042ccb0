// SPDX-License-Identifier: GPL-3.0-or-later
// The experiments as the pupil meets them: their menus, named after the
// system's own organs, and their marks on the scheme, in the status bar and
// in the elements' names.
#include "app/tform1.h"

#include "app/window_services/lesionlayer.h"
#include "systems/modevoie.h"

#include <QMenu>

namespace {

struct Lesion
{
    Experience experience;
    // The element's picture and label: a right click on either offers it.
    ImageControl *Ui_TForm1::*image;
    AutoSizeLabel *Ui_TForm1::*label;
    // For a pathway, its mode decides the verb; an organ is destroyed, an
    // effector made insensitive.
    bool voie;
    bool effecteur;
    const char *role;    // as the status bar says it
    const char *feminin; // "e" when the role is feminine
    const char *explication;
    const char *explicationHormonale;
};

// The seven experiments, in the order of the loop.
const Lesion lesions[] = {
    {Experience::CapteurDetruit, &Ui_TForm1::ImageCapteur, &Ui_TForm1::LabelCapteur, false, false,
     "capteur", "", "Le capteur ne détecte plus rien : aucun message ne part vers le centre.",
     nullptr},
    {Experience::VoieSensitiveCoupee, &Ui_TForm1::ImageVoieSensitive,
     &Ui_TForm1::LabelVoieSensitive, true, false, "voie sensitive", "e",
     "Les messages s'arrêtent à la section et n'atteignent plus le centre.",
     "L'hormone n'est plus libérée : le centre ne reçoit plus rien."},
    {Experience::CentreDetruit, &Ui_TForm1::ImageCentreIntegrateur,
     &Ui_TForm1::LabelCentreIntegrateur, false, false, "centre intégrateur", "",
     "Le centre ne reçoit plus les messages et n'en envoie plus aux effecteurs.", nullptr},
    {Experience::VoieStimulatriceCoupee, &Ui_TForm1::ImageVoieStimulatrice,
     &Ui_TForm1::LabelVoieStimulatrice, true, false, "voie motrice stimulatrice", "e",
     "Les messages stimulateurs s'arrêtent à la section : la valeur n'est plus relevée.",
     "L'hormone stimulatrice n'est plus libérée : la valeur n'est plus relevée."},
    {Experience::VoieInhibitriceCoupee, &Ui_TForm1::ImageVoieInhibitrice,
     &Ui_TForm1::LabelVoieInhibitrice, true, false, "voie motrice inhibitrice", "e",
     "Les messages inhibiteurs s'arrêtent à la section : la valeur n'est plus abaissée.",
     "L'hormone inhibitrice n'est plus libérée : la valeur n'est plus abaissée."},
    {Experience::EffecteurStimulateurInsensible, &Ui_TForm1::ImageEffecteurStimulateur,
     &Ui_TForm1::LabelEffecteurStimulateur, false, true, "effecteur stimulateur", "",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus relevée.", nullptr},
    {Experience::EffecteurInhibiteurInsensible, &Ui_TForm1::ImageEffecteurInhibiteur,
     &Ui_TForm1::LabelEffecteurInhibiteur, false, true, "effecteur inhibiteur", "",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus abaissée.", nullptr},
};

// The state an experiment leaves its element in, in a word: "sectionnée" or
// "bloquée" for a pathway (after its mode), "insensible" for an effector,
// "détruit" for an organ.
QString etatEnMot(const TForm1 &form, const Lesion &l)
{
    if (l.voie)
        return (form.*l.image)->tag() == ModeHormonal ? QStringLiteral("bloquée")
                                                      : QStringLiteral("sectionnée");
    if (l.effecteur)
        return QStringLiteral("insensible");
    return QStringLiteral("détruit") + QString::fromLatin1(l.feminin);
}

} // namespace

QAction *TForm1::actionExperience(Experience experience) const
{
    return m_actionsExperiences[std::size_t(experience)];
}

void TForm1::setUpExperiences()
{
    // Under the messages, which travel above everything of the scheme.
    m_lesions = new LesionLayer(GroupBoxSystemeReglant);

    m_menuExperiences = new QMenu(QStringLiteral("Expériences"), this);
    m_menuExperiences->setToolTipsVisible(true);
    for (Experience experience : toutesExperiences) {
        QAction *action = m_menuExperiences->addAction(QString());
        action->setCheckable(true);
        connect(action, &QAction::toggled, this,
                [this, experience](bool active) { ChangeExperience(experience, active); });
        m_actionsExperiences[std::size_t(experience)] = action;
    }
    m_menuExperiences->addSeparator();
    m_menuExperiences->addAction(QStringLiteral("Rétablir tout"), this, &TForm1::RetablirTout);

    // From the keyboard: Ctrl+E opens the whole list over the scheme; in help
    // mode its note says what the experiments are.
    auto *clavier = new QAction(this);
    clavier->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    clavier->setShortcutContext(Qt::WindowShortcut);
    connect(clavier, &QAction::triggered, this, [this] {
        if (SpeedButtonAide->isChecked())
            AfficheLeMemo(MemoAideExperiences);
        m_menuExperiences->exec(GroupBoxSystemeReglant->mapToGlobal(QPoint(20, 20)));
    });
    addAction(clavier);
    actualiseExperiences();
}

// The element's own experiment and "Rétablir tout", or none for an element
// that carries no experiment (or whose experiment this system lacks).
QMenu *TForm1::menuElement(QWidget *element)
{
    for (const Lesion &l : lesions) {
        QWidget *image = this->*l.image;
        QWidget *label = this->*l.label;
        if (element != image && element != label && element != label->parentWidget())
            continue;
        QAction *action = actionExperience(l.experience);
        if (!action->isVisible())
            return nullptr;
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->setToolTipsVisible(true);
        menu->addAction(action);
        menu->addSeparator();
        menu->addAction(QStringLiteral("Rétablir tout"), this, &TForm1::RetablirTout);
        return menu;
    }
    return nullptr;
}

void TForm1::ChangeExperience(Experience experience, bool active)
{
    if (m_experiences.contient(experience) == active)
        return;
    m_experiences.change(experience, active);
    actualiseExperiences();
}

void TForm1::RetablirTout()
{
    m_experiences.retablit();
    actualiseExperiences();
}

QStringList TForm1::experiencesEnMots() const
{
    QStringList mots;
    for (const Lesion &l : lesions) {
        if (m_experiences.contient(l.experience))
            mots << QStringLiteral("%1 %2").arg(QString::fromUtf8(l.role), etatEnMot(*this, l));
    }
    return mots;
}

// Everything that shows the experiments follows the state and the system.
void TForm1::actualiseExperiences()
{
    if (!m_menuExperiences)
        return;
    const auto mode = [](const ImageControl *voie) { return ModeVoie(voie->tag()); };
    for (const Lesion &l : lesions) {
        QAction *action = actionExperience(l.experience);
        const QString nom = (this->*l.label)->text();
        bool existe = true;
        bool hormonale = false;
        QString verbe = QStringLiteral("Détruire");
        if (l.voie) {
            const ImageControl *voie = this->*l.image;
            existe = mode(voie) != ModeAbsent;
            hormonale = mode(voie) == ModeHormonal;
            verbe = hormonale ? QStringLiteral("Bloquer") : QStringLiteral("Sectionner");
        } else if (l.effecteur) {
            existe = !(this->*l.label)->isHidden();
            verbe = QStringLiteral("Rendre insensible");
        }
        // A pathway or an effector this system lacks has no experiment.
        if (!existe)
            m_experiences.change(l.experience, false);
        const QString explication = QString::fromUtf8(
            hormonale && l.explicationHormonale ? l.explicationHormonale : l.explication);
        const QSignalBlocker bloque(action);
        action->setText(QStringLiteral("%1 : %2").arg(verbe, nom));
        action->setToolTip(explication);
        action->setStatusTip(explication);
        action->setVisible(existe);
        action->setChecked(m_experiences.contient(l.experience));
    }

    // On the scheme: veils on lost organs, cuts across pathways; screen
    // readers hear the lesion in the element's name.
    NommeSelonEtiquettes();
    QList<QRect> voiles;
    QList<QPoint> coupures;
    for (const Lesion &l : lesions) {
        if (!m_experiences.contient(l.experience))
            continue;
        ImageControl *image = this->*l.image;
        if (l.voie)
            coupures << pointDeCoupure(l.experience);
        else
            voiles << image->geometry();
        image->setAccessibleName(
            QStringLiteral("%1 (%2)").arg(image->accessibleName(), etatEnMot(*this, l)));
    }
    m_lesions->setLesions(voiles, coupures);

    // The status bar, and the recorded columns, say them in words.
    const QStringList mots = experiencesEnMots();
    m_motsExperiences = mots.join(QStringLiteral(" ; "));
    if (mots.isEmpty())
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage((mots.size() == 1 ? QStringLiteral("Expérience : ")
                                                  : QStringLiteral("Expériences : ")) +
                                m_motsExperiences);
}

// The middle of a pathway's crossing, where a cut is made: on the line the
// messages follow (see the routes), halfway along it.
QPoint TForm1::pointDeCoupure(Experience coupure) const
{
    switch (coupure) {
    case Experience::VoieSensitiveCoupee: {
        const QRect voie = ImageVoieSensitive->geometry();
        return {voie.x() + voie.width() / 2, voie.y() + 12};
    }
    case Experience::VoieStimulatriceCoupee: {
        const QRect voie = ImageVoieStimulatrice->geometry();
        return {voie.x() + 115, voie.y() + 40};
    }
    default: {
        const QRect voie = ImageVoieInhibitrice->geometry();
        return {voie.x() + 147, voie.y() + 72};
    }
    }
}
