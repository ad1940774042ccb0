// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/cataloguesystemes.h"

#include <QString>

using namespace Qt::Literals::StringLiterals;

// The texts are shown as written here, capitals and accents included.
const std::array<SystemeCatalogue, 6> CatalogueSystemes = {{
    {u"Schéma général (nerveux)"_s,
     {u"Capteur"_s, u"Valeur réglée"_s, u"Voie sensitive"_s, ModeNerveux, u"Centre intégrateur"_s,
      u"Voie motrice stimulatrice"_s, ModeNerveux, u"Voie motrice inhibitrice"_s, ModeNerveux,
      u"Effecteur stimulateur"_s, 1, u"Effecteur inhibiteur"_s, 1, u"u.a."_s, 50, 0, 100, 1, 10}},
    {u"Schéma général (hormonal)"_s,
     {u"Capteur"_s, u"Valeur réglée"_s, u"Voie sensitive"_s, ModeHormonal, u"Centre intégrateur"_s,
      u"Voie motrice stimulatrice"_s, ModeHormonal, u"Voie motrice inhibitrice"_s, ModeHormonal,
      u"Effecteur stimulateur"_s, 1, u"Effecteur inhibiteur"_s, 1, u"u.a."_s, 50, 0, 100, 1, 10}},
    {u"Glycémie directe"_s,
     {u"Cellules alpha et béta du pancréas"_s, u"Glycémie"_s, u"Sensibilité directe"_s, ModeAbsent,
      u"Pancréas"_s, u"Glucagon-voie sanguine"_s, ModeHormonal, u"Insuline-Voie sanguine"_s,
      ModeHormonal, u"Cellules hépatiques (déstockage)"_s, 1, u"Cellules hépatiques (stockage)"_s,
      1, u"mg.L-1"_s, 1000, 600, 3000, 10, 100}},
    {u"Intégrité de l'organisme"_s,
     {u"Macrophages"_s, u"Intégrité"_s, u"Milieu intérieur"_s, ModeHormonal,
      u"Lymphocytes T Auxiliaires"_s, u"Milieu intérieur"_s, ModeHormonal, u""_s, ModeAbsent,
      u"Plasmocytes, Lymphocytes cytotoxiques, Macrophages"_s, 1, u""_s, 0, u"u.a."_s, 100, 0, 100,
      1, 10}},
    {u"Pression artérielle (Activité cardiaque)"_s,
     {u"Capteurs ventriculaires aortiques et sinusaux"_s, u"Pression artérielle"_s,
      u"Nerfs X, de Cyon et de Héring"_s, ModeNerveux, u"Bulbe rachidien"_s,
      u"Nerf orthosympathique"_s, ModeNerveux, u"Nerf X (fibres motrices)"_s, ModeNerveux,
      u"Muscle cardiaque"_s, 1, u"Muscle cardiaque"_s, 1, u"mm Hg"_s, 120, 90, 190, 1, 10}},
    {u"Homéothermie"_s,
     {u"Capteurs hypothalamiques"_s, u"Température"_s, u"Voie nerveuse"_s, ModeNerveux,
      u"Hypothalamus"_s, u"Voie nerveuse (orthosympathique)"_s, ModeNerveux,
      u"Voie nerveuse (orthosympathique)"_s, ModeNerveux,
      u"Toutes les cellules, circulation périphérique"_s, 1,
      u"Glandes sudoripares, Circulation périphérique"_s, 1, u"°C"_s, 37, 23, 42, 1, 3}},
}};

const ConfigurationSysteme *trouveSysteme(const QString &nom)
{
    for (const SystemeCatalogue &systeme : CatalogueSystemes) {
        if (nom == systeme.nom)
            return &systeme.configuration;
    }
    return nullptr;
}
