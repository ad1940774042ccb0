// SPDX-License-Identifier: GPL-3.0-or-later
// The experiments as the pupil meets them: their actions, named after the
// system's own organs, and their marks on the scheme, in the status bar and
// in the elements' names. What they do to the loop is the mechanism's.
#include "app/tform1.h"

#include "app/window_services/experiencelayer.h"
#include "lessons/motsexperiences.h"

#include <QAction>

namespace {

// The element's picture and label of each experiment, in the order of the
// loop: a right click on either offers it.
struct ElementExperience
{
    Experience experience;
    ImageControl *Ui_TForm1::*image;
    AutoSizeLabel *Ui_TForm1::*label;
};

const ElementExperience elements[] = {
    {Experience::CapteurDetruit, &Ui_TForm1::ImageCapteur, &Ui_TForm1::LabelCapteur},
    {Experience::VoieSensitiveCoupee, &Ui_TForm1::ImageVoieSensitive,
     &Ui_TForm1::LabelVoieSensitive},
    {Experience::CentreDetruit, &Ui_TForm1::ImageCentreIntegrateur,
     &Ui_TForm1::LabelCentreIntegrateur},
    {Experience::VoieStimulatriceCoupee, &Ui_TForm1::ImageVoieStimulatrice,
     &Ui_TForm1::LabelVoieStimulatrice},
    {Experience::VoieInhibitriceCoupee, &Ui_TForm1::ImageVoieInhibitrice,
     &Ui_TForm1::LabelVoieInhibitrice},
    {Experience::EffecteurStimulateurInsensible, &Ui_TForm1::ImageEffecteurStimulateur,
     &Ui_TForm1::LabelEffecteurStimulateur},
    {Experience::EffecteurInhibiteurInsensible, &Ui_TForm1::ImageEffecteurInhibiteur,
     &Ui_TForm1::LabelEffecteurInhibiteur},
};

bool estUneVoie(Experience experience)
{
    return experience == Experience::VoieSensitiveCoupee ||
           experience == Experience::VoieStimulatriceCoupee ||
           experience == Experience::VoieInhibitriceCoupee;
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
    if (m_situation.experiences().contient(experience) == active)
        return;
    m_situation.changeExperience(experience, active);
    actualiseExperiences();
}

void TForm1::ChangeExperiences(const Experiences &experiences)
{
    for (Experience experience : toutesExperiences)
        ChangeExperience(experience, experiences.contient(experience));
}

void TForm1::RetablirTout()
{
    m_situation.retablitTout();
    actualiseExperiences();
}

// Everything that shows the experiments follows the state and the system.
void TForm1::actualiseExperiences()
{
    if (!m_retablirTout)
        return;
    for (const ElementExperience &l : elements) {
        QAction *action = actionExperience(l.experience);
        // A pathway or an effector this system lacks has no experiment.
        const bool present = m_situation.aElement(l.experience);
        if (!present)
            m_situation.changeExperience(l.experience, false);
        QString texte = texteAction(m_situation, l.experience);
        const QSignalBlocker bloque(action);
        // A teacher's "&" is a character, not a menu's shortcut mark.
        action->setText(texte.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(explication(m_situation, l.experience));
        action->setVisible(present);
        action->setChecked(m_situation.experiences().contient(l.experience));
    }

    // On the scheme: veils on lost organs, cuts across pathways; screen
    // readers hear the experiment in the element's name.
    NommeSelonEtiquettes();
    QList<QRect> voiles;
    QList<QPoint> coupures;
    for (const ElementExperience &l : elements) {
        ImageControl *image = this->*l.image;
        const QString nom = nomElement(m_situation, l.experience);
        // The sensor that is the centre's own cells goes with it.
        const bool lese = m_situation.experiences().contient(l.experience) ||
                          (l.experience == Experience::CapteurDetruit &&
                           m_situation.experiences().capteurPerdu(m_situation.modeSensitif()));
        if (!lese) {
            image->setAccessibleName(nom);
            continue;
        }
        if (estUneVoie(l.experience))
            coupures << pointDeCoupure(l.experience);
        else
            voiles << image->geometry();
        image->setAccessibleName(
            QStringLiteral("%1 – %2").arg(nom, lesion(m_situation, l.experience)));
    }
    m_calqueExperiences->setMarks(voiles, coupures);

    // The status bar, and the recorded columns, say them in words.
    m_motsExperiences = experiencesEnMots(m_situation).join(QStringLiteral(" ; "));
    const QString phrase = phraseExperiences(m_situation);
    if (phrase.isEmpty())
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage(phrase);
}
