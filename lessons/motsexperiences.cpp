// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessons/motsexperiences.h"

#include "lessons/situationcourante.h"

#include <algorithm>

namespace {

struct MotsExperience
{
    Experience experience;
    // The description's label of the element.
    QString ConfigurationSysteme::*texte;
    // For a pathway, its mode decides the verb; an organ is destroyed, an
    // effector made insensitive.
    bool voie;
    bool effecteur;
    // Added to the label where another element has the same label.
    const char *role;
    const char *explication;
    // For a hormonal pathway, or a centre that takes the sensor with it.
    const char *explicationVariante;
};

// The seven experiments, in the order of the loop. The sensor's and the
// sensory pathway's explanations depend on the sensory mode: see explication().
const MotsExperience mots[] = {
    {Experience::CapteurDetruit, &ConfigurationSysteme::TexteCapteur, false, false, "capteur",
     nullptr, nullptr},
    {Experience::VoieSensitiveCoupee, &ConfigurationSysteme::TexteVoieSensitive, true, false,
     "voie sensitive", nullptr, nullptr},
    {Experience::CentreDetruit, &ConfigurationSysteme::TexteCentreIntegrateur, false, false,
     "centre intégrateur",
     "Le centre ne reçoit plus les messages et n'en envoie plus aux effecteurs.",
     "Le centre est détruit avec les cellules qui mesurent la valeur : plus rien n'est "
     "détecté ni envoyé aux effecteurs."},
    {Experience::VoieStimulatriceCoupee, &ConfigurationSysteme::TexteVoieStimulatrice, true, false,
     "voie motrice stimulatrice",
     "Les messages stimulateurs s'arrêtent à la section : la valeur n'est plus relevée.",
     "L'hormone stimulatrice n'est plus libérée : la valeur n'est plus relevée."},
    {Experience::VoieInhibitriceCoupee, &ConfigurationSysteme::TexteVoieInhibitrice, true, false,
     "voie motrice inhibitrice",
     "Les messages inhibiteurs s'arrêtent à la section : la valeur n'est plus abaissée.",
     "L'hormone inhibitrice n'est plus libérée : la valeur n'est plus abaissée."},
    {Experience::EffecteurStimulateurInsensible, &ConfigurationSysteme::TexteEffecteurStimulateur,
     false, true, "effecteur stimulateur",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus relevée.", nullptr},
    {Experience::EffecteurInhibiteurInsensible, &ConfigurationSysteme::TexteEffecteurInhibiteur,
     false, true, "effecteur inhibiteur",
     "L'effecteur reçoit les messages mais n'agit plus : la valeur n'est plus abaissée.", nullptr},
};

const MotsExperience &motsDe(Experience experience)
{
    return mots[std::size_t(experience)];
}

// The centre takes the sensor with it where the sensor is its own cells.
bool emporteLeCapteur(const SituationCourante &situation, Experience experience)
{
    return experience == Experience::CentreDetruit && situation.modeSensitif() == ModeAbsent;
}

bool hormonale(const SituationCourante &situation, Experience experience)
{
    return motsDe(experience).voie && situation.modeVoie(experience) == ModeHormonal;
}

} // namespace

QString nomElement(const SituationCourante &situation, Experience experience)
{
    const ConfigurationSysteme &systeme = situation.systeme();
    const MotsExperience &l = motsDe(experience);
    const QString &nom = systeme.*l.texte;
    const bool homonyme = std::any_of(std::begin(mots), std::end(mots), [&](const auto &e) {
        return &e != &l && situation.aElement(e.experience) && systeme.*e.texte == nom;
    });
    if (!homonyme)
        return nom;
    const QString role = QString::fromUtf8(l.role);
    // A label that ends in a bracket takes the role inside it.
    if (nom.endsWith(QLatin1Char(')')))
        return nom.chopped(1) + QStringLiteral(", %1)").arg(role);
    return QStringLiteral("%1 (%2)").arg(nom, role);
}

QString lesion(const SituationCourante &situation, Experience experience)
{
    // A noun, which agrees with no label whatever its gender and number.
    if (motsDe(experience).voie)
        return hormonale(situation, experience) ? QStringLiteral("blocage")
                                                : QStringLiteral("section");
    return motsDe(experience).effecteur ? QStringLiteral("insensibilité")
                                        : QStringLiteral("destruction");
}

QString texteAction(const SituationCourante &situation, Experience experience)
{
    QString verbe = QStringLiteral("Détruire");
    if (motsDe(experience).voie)
        verbe = hormonale(situation, experience) ? QStringLiteral("Bloquer")
                                                 : QStringLiteral("Sectionner");
    else if (motsDe(experience).effecteur)
        verbe = QStringLiteral("Rendre insensible");
    QString texte = QStringLiteral("%1 : %2").arg(verbe, nomElement(situation, experience));
    if (emporteLeCapteur(situation, experience))
        texte += QStringLiteral(" (et %1)").arg(situation.systeme().TexteCapteur);
    return texte;
}

QString explication(const SituationCourante &situation, Experience experience)
{
    const bool nerveuse = situation.modeSensitif() == ModeNerveux;
    const QString silence = QStringLiteral(
        "le nerf sensitif se tait, et le centre lit ce silence comme une valeur très basse : il "
        "stimule sans cesse et la valeur monte.");
    switch (experience) {
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
    const MotsExperience &l = motsDe(experience);
    const bool variante =
        hormonale(situation, experience) || emporteLeCapteur(situation, experience);
    return QString::fromUtf8(variante && l.explicationVariante ? l.explicationVariante
                                                               : l.explication);
}

QStringList experiencesEnMots(const SituationCourante &situation)
{
    QStringList enMots;
    for (Experience experience : toutesExperiences) {
        if (!situation.experiences().contient(experience))
            continue;
        QString mot = QStringLiteral("%1 : %2").arg(lesion(situation, experience),
                                                    nomElement(situation, experience));
        if (emporteLeCapteur(situation, experience))
            mot += QStringLiteral(" (avec %1)").arg(situation.systeme().TexteCapteur);
        enMots << mot;
    }
    return enMots;
}

QString phraseExperiences(const SituationCourante &situation)
{
    const QStringList enMots = experiencesEnMots(situation);
    if (enMots.isEmpty())
        return QString();
    return (enMots.size() == 1 ? QStringLiteral("Expérience – ")
                               : QStringLiteral("Expériences – ")) +
           enMots.join(QStringLiteral(" ; "));
}
