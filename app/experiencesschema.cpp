// SPDX-License-Identifier: GPL-3.0-or-later
// The experiments as the pupil meets them: their actions, named after the
// system's own organs, and their marks on the scheme, in the status bar and
// in the elements' names. What they do to the loop is the mechanism's.
#include "app/tform1.h"

#include "app/window_services/experiencelayer.h"
#include "systems/modevoie.h"

#include <QAction>

namespace {

struct ElementExperience
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
const ElementExperience elements[] = {
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
QString etatEnMot(const TForm1 &form, const ElementExperience &l)
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

// One action for each experiment, named after the system's organs, and
// "Rétablir tout"; the window's menus offer them.
void TForm1::setUpExperiences()
{
    // Under the messages, which travel above everything of the scheme.
    m_calqueExperiences = new ExperienceLayer(GroupBoxSystemeReglant);
    for (Experience experience : toutesExperiences) {
        auto *action = new QAction(this);
        action->setCheckable(true);
        connect(action, &QAction::toggled, this,
                [this, experience](bool active) { ChangeExperience(experience, active); });
        m_actionsExperiences[std::size_t(experience)] = action;
    }
    m_retablirTout = new QAction(QStringLiteral("Rétablir tout"), this);
    connect(m_retablirTout, &QAction::triggered, this, &TForm1::RetablirTout);
    actualiseExperiences();
}

// The element whose picture or label (or the label's panel) this is, if it
// carries an experiment.
QAction *TForm1::experienceDeLElement(const QWidget *element) const
{
    for (const ElementExperience &e : elements) {
        const QWidget *label = this->*e.label;
        if (element == this->*e.image || element == label || element == label->parentWidget())
            return actionExperience(e.experience);
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
    for (const ElementExperience &l : elements) {
        if (m_experiences.contient(l.experience))
            mots << QStringLiteral("%1 %2").arg(QString::fromUtf8(l.role), etatEnMot(*this, l));
    }
    return mots;
}

// Everything that shows the experiments follows the state and the system.
void TForm1::actualiseExperiences()
{
    if (!m_retablirTout)
        return;
    const auto mode = [](const ImageControl *voie) { return ModeVoie(voie->tag()); };
    for (const ElementExperience &l : elements) {
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
        action->setVisible(existe);
        action->setChecked(m_experiences.contient(l.experience));
    }

    // On the scheme: veils on lost organs, cuts across pathways; screen
    // readers hear the experiment in the element's name.
    NommeSelonEtiquettes();
    QList<QRect> voiles;
    QList<QPoint> coupures;
    for (const ElementExperience &l : elements) {
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
    m_calqueExperiences->setMarks(voiles, coupures);

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
