// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The six regulation systems as the teaching material prints them, typed here
// independently of the program's catalogue, so that a wrong value there fails
// a test. A null text marks an element the system does not have.
struct SystemeReference
{
    const char *nom;
    const char *capteur;
    const char *valeurReglee;
    const char *voieSensitive;
    int modeSensitif;
    const char *centreIntegrateur;
    const char *voieStimulatrice;
    int modeStimulateur;
    const char *voieInhibitrice;
    int modeInhibiteur;
    const char *effecteurStimulateur;
    int effecteurStimulateurPresent;
    const char *effecteurInhibiteur;
    int effecteurInhibiteurPresent;
    const char *unites;
    int initiale, minimum, maximum, petitPas, grandPas;
};

inline const SystemeReference systemesReference[] = {
    {"Schéma général (nerveux)",
     "Capteur",
     "Valeur réglée",
     "Voie sensitive",
     1,
     "Centre intégrateur",
     "Voie motrice stimulatrice",
     1,
     "Voie motrice inhibitrice",
     1,
     "Effecteur stimulateur",
     1,
     "Effecteur inhibiteur",
     1,
     "u.a.",
     50,
     0,
     100,
     1,
     10},
    {"Schéma général (hormonal)",
     "Capteur",
     "Valeur réglée",
     "Voie sensitive",
     2,
     "Centre intégrateur",
     "Voie motrice stimulatrice",
     2,
     "Voie motrice inhibitrice",
     2,
     "Effecteur stimulateur",
     1,
     "Effecteur inhibiteur",
     1,
     "u.a.",
     50,
     0,
     100,
     1,
     10},
    {"Glycémie directe",
     "Cellules alpha et béta du pancréas",
     "Glycémie",
     "Sensibilité directe",
     0,
     "Pancréas",
     "Glucagon-voie sanguine",
     2,
     "Insuline-Voie sanguine",
     2,
     "Cellules hépatiques (déstockage)",
     1,
     "Cellules hépatiques (stockage)",
     1,
     "mg.L-1",
     1000,
     600,
     3000,
     10,
     100},
    {"Intégrité de l'organisme",
     "Macrophages",
     "Intégrité",
     "Milieu intérieur",
     2,
     "Lymphocytes T Auxiliaires",
     "Milieu intérieur",
     2,
     nullptr,
     0,
     "Plasmocytes, Lymphocytes cytotoxiques, Macrophages",
     1,
     nullptr,
     0,
     "u.a.",
     100,
     0,
     100,
     1,
     10},
    {"Pression artérielle (Activité cardiaque)",
     "Capteurs ventriculaires aortiques et sinusaux",
     "Pression artérielle",
     "Nerfs X, de Cyon et de Héring",
     1,
     "Bulbe rachidien",
     "Nerf orthosympathique",
     1,
     "Nerf X (fibres motrices)",
     1,
     "Muscle cardiaque",
     1,
     "Muscle cardiaque",
     1,
     "mm Hg",
     120,
     90,
     190,
     1,
     10},
    {"Homéothermie",
     "Capteurs hypothalamiques",
     "Température",
     "Voie nerveuse",
     1,
     "Hypothalamus",
     "Voie nerveuse (orthosympathique)",
     1,
     "Voie nerveuse (orthosympathique)",
     1,
     "Toutes les cellules, circulation périphérique",
     1,
     "Glandes sudoripares, Circulation périphérique",
     1,
     "°C",
     37,
     23,
     42,
     1,
     3},
};

inline const SystemeReference *systemeReference(const QString &nom)
{
    for (const SystemeReference &systeme : systemesReference) {
        if (nom == QString::fromUtf8(systeme.nom))
            return &systeme;
    }
    return nullptr;
}
