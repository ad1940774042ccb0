// SPDX-License-Identifier: GPL-3.0-or-later
// The experiments as the pupil meets them: their actions, named after the
// system's own organs, and their marks on the scheme, in the status bar and
// in the elements' names. What they do to the loop is the mechanism's.
#include "app/tform1.h"

#include "app/window_services/experiencelayer.h"
#include "systems/modevoie.h"

#include <QAction>

#include <algorithm>

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
    // The element's role, added to its label where another element has the
    // same label.
    const char *role;
    const char *explication;
    // For a hormonal pathway, or a centre that takes the sensor with it.
    const char *explicationVariante;
};

// The seven experiments, in the order of the loop. The sensor's and the
// sensory pathway's explanations depend on the sensory mode: see explication().
const ElementExperience elements[] = {
    {Experience::CapteurDetruit, &Ui_TForm1::ImageCapteur, &Ui_TForm1::LabelCapteur, false, false,
     "capteur", nullptr, nullptr},
    {Experience::VoieSensitiveCoupee, &Ui_TForm1::ImageVoieSensitive,
     &Ui_TForm1::LabelVoieSensitive, true, false, "voie sensitive", nullptr, nullptr},
    {Experience::CentreDetruit, &Ui_TForm1::ImageCentreIntegrateur,
     &Ui_TForm1::LabelCentreIntegrateur, false, false, "centre intégrateur",
     "Le centre ne reçoit plus les messages et n'en envoie plus aux effecteurs.",
     "Le centre est détruit avec les cellules qui mesurent la valeur : plus rien n'est "
     "détecté ni envoyé aux effecteurs."},
    {Experience::VoieStimulatriceCoupee, &Ui_TForm1::ImageVoieStimulatrice,
     &Ui_TForm1::LabelVoieStimulatrice, true, false, "voie motrice stimulatrice",
     "Les messages stimulateurs s'arrêtent à la section : la valeur n'est plus relevée.",
     "L'hormone stimulatrice n'est plus libérée : la valeur n'est plus relevée."},
    {Experience::VoieInhibitriceCoupee, &Ui_TForm1::ImageVoieInhibitrice,
     &Ui_TForm1::LabelVoieInhibitrice, true, false, "voie motrice inhibitrice",
     "Les messages inhibiteurs s'arrêtent à la section : la valeur n'est plus abaissée.",
     "L'hormone inhibitrice n'est plus libérée : la valeur n'est plus abaissée."},
    {Experience::EffecteurStimulateurInsensible, &Ui_TForm1::ImageEffecteurStimulateur,
     &Ui_TForm1::LabelEffecteurStimulateur, false, true, "effecteur stimulateur",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus relevée.", nullptr},
    {Experience::EffecteurInhibiteurInsensible, &Ui_TForm1::ImageEffecteurInhibiteur,
     &Ui_TForm1::LabelEffecteurInhibiteur, false, true, "effecteur inhibiteur",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus abaissée.", nullptr},
};

// Whether the element is on this system's scheme.
bool existe(const TForm1 &form, const ElementExperience &l)
{
    return form.situation().aElement(l.experience);
}

// The centre takes the sensor with it where the sensor is its own cells.
bool emporteLeCapteur(const TForm1 &form, const ElementExperience &l)
{
    return l.experience == Experience::CentreDetruit &&
           form.situation().modeSensitif() == ModeAbsent;
}

// The element as the scheme labels it, with its role where another element
// of the scheme bears the same label ("Muscle cardiaque (effecteur
// inhibiteur)").
QString nomElement(const TForm1 &form, const ElementExperience &l)
{
    const QString nom = (form.*l.label)->caption();
    const bool homonyme = std::any_of(std::begin(elements), std::end(elements), [&](const auto &e) {
        return &e != &l && existe(form, e) && (form.*e.label)->caption() == nom;
    });
    if (!homonyme)
        return nom;
    const QString role = QString::fromUtf8(l.role);
    // A label that ends in a bracket takes the role inside it.
    if (nom.endsWith(QLatin1Char(')')))
        return nom.chopped(1) + QStringLiteral(", %1)").arg(role);
    return QStringLiteral("%1 (%2)").arg(nom, role);
}

// The lesion as a noun, which agrees with no label whatever its gender and
// number: "section" or "blocage" of a pathway (after its mode),
// "insensibilité" of an effector, "destruction" of an organ.
QString lesion(const TForm1 &form, const ElementExperience &l)
{
    if (l.voie)
        return form.situation().modeVoie(l.experience) == ModeHormonal ? QStringLiteral("blocage")
                                                                       : QStringLiteral("section");
    return l.effecteur ? QStringLiteral("insensibilité") : QStringLiteral("destruction");
}

// What the pupil will see, in a sentence.
QString explication(const TForm1 &form, const ElementExperience &l)
{
    const bool nerveuse = form.situation().modeSensitif() == ModeNerveux;
    const QString silence = QStringLiteral(
        "le nerf sensitif se tait, et le centre lit ce silence comme une valeur très basse : il "
        "stimule sans cesse et la valeur monte.");
    switch (l.experience) {
    case Experience::CapteurDetruit:
        return QStringLiteral("Le capteur ne détecte plus rien : ") +
               (nerveuse ? silence
                         : QStringLiteral("le centre ne reçoit plus rien et ne commande plus "
                                          "rien."));
    case Experience::VoieSensitiveCoupee:
        return nerveuse ? QStringLiteral("Les messages s'arrêtent à la section : ") + silence
                        : QStringLiteral("L'hormone n'est plus libérée : le centre ne reçoit "
                                         "plus rien et ne commande plus rien.");
    default:
        break;
    }
    const bool hormonale = l.voie && form.situation().modeVoie(l.experience) == ModeHormonal;
    return QString::fromUtf8((hormonale || emporteLeCapteur(form, l)) && l.explicationVariante
                                 ? l.explicationVariante
                                 : l.explication);
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

void TForm1::RetablirTout()
{
    m_situation.retablitTout();
    actualiseExperiences();
}

QStringList TForm1::experiencesEnMots() const
{
    QStringList mots;
    for (const ElementExperience &l : elements) {
        if (!m_situation.experiences().contient(l.experience))
            continue;
        QString mot = QStringLiteral("%1 : %2").arg(lesion(*this, l), nomElement(*this, l));
        if (emporteLeCapteur(*this, l))
            mot += QStringLiteral(" (avec %1)").arg(LabelCapteur->caption());
        mots << mot;
    }
    return mots;
}

QString TForm1::phraseExperiences() const
{
    const QStringList mots = experiencesEnMots();
    if (mots.isEmpty())
        return QString();
    return (mots.size() == 1 ? QStringLiteral("Expérience – ") : QStringLiteral("Expériences – ")) +
           mots.join(QStringLiteral(" ; "));
}

// Everything that shows the experiments follows the state and the system.
void TForm1::actualiseExperiences()
{
    if (!m_retablirTout)
        return;
    for (const ElementExperience &l : elements) {
        QAction *action = actionExperience(l.experience);
        // A pathway or an effector this system lacks has no experiment.
        const bool present = existe(*this, l);
        if (!present)
            m_situation.changeExperience(l.experience, false);
        QString verbe = QStringLiteral("Détruire");
        if (l.voie)
            verbe = m_situation.modeVoie(l.experience) == ModeHormonal
                        ? QStringLiteral("Bloquer")
                        : QStringLiteral("Sectionner");
        else if (l.effecteur)
            verbe = QStringLiteral("Rendre insensible");
        QString texte = QStringLiteral("%1 : %2").arg(verbe, nomElement(*this, l));
        if (emporteLeCapteur(*this, l))
            texte += QStringLiteral(" (et %1)").arg(LabelCapteur->caption());
        const QSignalBlocker bloque(action);
        // A teacher's "&" is a character, not a menu's shortcut mark.
        action->setText(texte.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setToolTip(explication(*this, l));
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
        const QString nom = nomElement(*this, l);
        // The sensor that is the centre's own cells goes with it.
        const bool lese = m_situation.experiences().contient(l.experience) ||
                          (l.experience == Experience::CapteurDetruit &&
                           m_situation.experiences().capteurPerdu(m_situation.modeSensitif()));
        if (!lese) {
            image->setAccessibleName(nom);
            continue;
        }
        if (l.voie)
            coupures << pointDeCoupure(l.experience);
        else
            voiles << image->geometry();
        image->setAccessibleName(QStringLiteral("%1 – %2").arg(nom, lesion(*this, l)));
    }
    m_calqueExperiences->setMarks(voiles, coupures);

    // The status bar, and the recorded columns, say them in words.
    m_motsExperiences = experiencesEnMots().join(QStringLiteral(" ; "));
    const QString phrase = phraseExperiences();
    if (phrase.isEmpty())
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage(phrase);
}
