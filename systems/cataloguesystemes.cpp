// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/cataloguesystemes.h"

#include <QString>

// The texts are shown as written here, capitals and accents included.
const std::array<SystemeCatalogue, 6> CatalogueSystemes = {{
    {"Schéma général (nerveux)",
     {"Capteur", "Valeur réglée", "Voie sensitive", ModeNerveux, "Centre intégrateur",
      "Voie motrice stimulatrice", ModeNerveux, "Voie motrice inhibitrice", ModeNerveux,
      "Effecteur stimulateur", 1, "Effecteur inhibiteur", 1, "u.a.", 50, 0, 100, 1, 10}},
    {"Schéma général (hormonal)",
     {"Capteur", "Valeur réglée", "Voie sensitive", ModeHormonal, "Centre intégrateur",
      "Voie motrice stimulatrice", ModeHormonal, "Voie motrice inhibitrice", ModeHormonal,
      "Effecteur stimulateur", 1, "Effecteur inhibiteur", 1, "u.a.", 50, 0, 100, 1, 10}},
    {"Glycémie directe",
     {"Cellules alpha et béta du pancréas", "Glycémie", "Sensibilité directe", ModeAbsent,
      "Pancréas", "Glucagon-voie sanguine", ModeHormonal, "Insuline-Voie sanguine", ModeHormonal,
      "Cellules hépatiques (déstockage)", 1, "Cellules hépatiques (stockage)", 1, "mg.L-1", 1000,
      600, 3000, 10, 100}},
    {"Intégrité de l'organisme",
     {"Macrophages", "Intégrité", "Milieu intérieur", ModeHormonal, "Lymphocytes T Auxiliaires",
      "Milieu intérieur", ModeHormonal, "", ModeAbsent,
      "Plasmocytes, Lymphocytes cytotoxiques, Macrophages", 1, "", 0, "u.a.", 100, 0, 100, 1, 10}},
    {"Pression artérielle (Activité cardiaque)",
     {"Capteurs ventriculaires aortiques et sinusaux", "Pression artérielle",
      "Nerfs X, de Cyon et de Héring", ModeNerveux, "Bulbe rachidien", "Nerf orthosympathique",
      ModeNerveux, "Nerf X (fibres motrices)", ModeNerveux, "Muscle cardiaque", 1,
      "Muscle cardiaque", 1, "mm Hg", 120, 90, 190, 1, 10}},
    {"Homéothermie",
     {"Capteurs hypothalamiques", "Température", "Voie nerveuse", ModeNerveux, "Hypothalamus",
      "Voie nerveuse (orthosympathique)", ModeNerveux, "Voie nerveuse (orthosympathique)",
      ModeNerveux, "Toutes les cellules, circulation périphérique", 1,
      "Glandes sudoripares, Circulation périphérique", 1, "°C", 37, 23, 42, 1, 3}},
}};

const ConfigurationSysteme *trouveSysteme(const QString &nom)
{
    for (const SystemeCatalogue &systeme : CatalogueSystemes) {
        if (nom == QString::fromUtf8(systeme.nom))
            return &systeme.configuration;
    }
    return nullptr;
}
