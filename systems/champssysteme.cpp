// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/champssysteme.h"

#include "systems/validationsysteme.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace {

using S = ConfigurationSysteme;

bool inhibition(const S &s)
{
    return s.ModeVoieInhibitrice != ModeAbsent;
}

bool modeConnu(ModeVoie mode, bool absentPermis)
{
    return mode == ModeNerveux || mode == ModeHormonal || (absentPermis && mode == ModeAbsent);
}

QString horsDesBarres(int valeur)
{
    if (valeur >= ValeurSystemeMin && valeur <= ValeurSystemeMax)
        return {};
    return u"les barres de valeur vont de %1 à %2."_s.arg(ValeurSystemeMin).arg(ValeurSystemeMax);
}

// The range the bars take, when both ends are numbers they can take.
bool bornesValides(const S &s)
{
    return horsDesBarres(s.ValeurMin).isEmpty() && horsDesBarres(s.ValeurMax).isEmpty();
}

QString regleMaximum(const S &s)
{
    if (QString raison = horsDesBarres(s.ValeurMax); !raison.isEmpty())
        return raison;
    if (!bornesValides(s))
        return {};
    if (s.ValeurMin >= s.ValeurMax)
        return u"le maximum doit dépasser le minimum."_s;
    if (s.ValeurMax - s.ValeurMin < EtendueSystemeMin)
        return u"du minimum au maximum, il faut au moins %1 pour les classes d'écart du capteur."_s
            .arg(EtendueSystemeMin);
    return {};
}

QString regleDepart(const S &s)
{
    // Said once the range itself is right.
    if (!bornesValides(s) || !regleMaximum(s).isEmpty())
        return {};
    if (s.ValeurInitiale < s.ValeurMin || s.ValeurInitiale > s.ValeurMax)
        return u"la valeur de départ est hors de l'intervalle."_s;
    return {};
}

QString reglePetitPas(const S &s)
{
    if (s.PetitPas < 1)
        return u"le petit pas doit valoir au moins 1."_s;
    if (s.GrandPas >= 1 && s.PetitPas > s.GrandPas)
        return u"le petit pas ne peut pas dépasser le grand pas."_s;
    return {};
}

QString regleGrandPas(const S &s)
{
    if (s.GrandPas < 1)
        return u"le grand pas doit valoir au moins 1."_s;
    if (s.PetitPas <= s.GrandPas && bornesValides(s) && s.ValeurMax > s.ValeurMin &&
        s.GrandPas > s.ValeurMax - s.ValeurMin)
        return u"le grand pas dépasse l'intervalle."_s;
    return {};
}

constexpr ChampSysteme texte(const char *cle, QString S::*membre, const char *libelle,
                             bool (*present)(const S &) = nullptr)
{
    return {cle, ChampSysteme::Texte, membre, nullptr, nullptr, libelle, nullptr, present, nullptr};
}
constexpr ChampSysteme mode(const char *cle, ModeVoie S::*membre, const char *libelle,
                            const char *aucune, QString (*regle)(const S &))
{
    return {cle, ChampSysteme::Mode, nullptr, membre, nullptr, libelle, aucune, nullptr, regle};
}
constexpr ChampSysteme entier(const char *cle, int S::*membre, const char *libelle,
                              QString (*regle)(const S &), bool (*present)(const S &) = nullptr)
{
    return {cle, ChampSysteme::Entier, nullptr, nullptr, membre, libelle, nullptr, present, regle};
}

const std::array champs = {
    texte("TexteValeurReglee", &S::TexteValeurReglee, "&Valeur réglée"),
    texte("TexteUnites", &S::TexteUnites, "&Unité"),
    texte("TexteCapteur", &S::TexteCapteur, "&Capteur"),
    mode("ModeVoieSensitive", &S::ModeVoieSensitive, "Voie sensitive",
         "aucune (sensibilité directe)",
         [](const S &s) {
             return modeConnu(s.ModeVoieSensitive, true)
                        ? QString()
                        : u"la voie sensitive est nerveuse, hormonale ou absente (sensibilité "
                          u"directe)."_s;
         }),
    texte("TexteVoieSensitive", &S::TexteVoieSensitive, "Nom de la voie &sensitive"),
    texte("TexteCentreIntegrateur", &S::TexteCentreIntegrateur, "Centre &intégrateur"),
    mode("ModeVoieStimulatrice", &S::ModeVoieStimulatrice, "Voie motrice stimulatrice", nullptr,
         [](const S &s) {
             return modeConnu(s.ModeVoieStimulatrice, false)
                        ? QString()
                        : u"la voie stimulatrice est nerveuse ou hormonale."_s;
         }),
    texte("TexteVoieStimulatrice", &S::TexteVoieStimulatrice, "Nom de la voie s&timulatrice"),
    texte("TexteEffecteurStimulateur", &S::TexteEffecteurStimulateur, "&Effecteur stimulateur"),
    entier("ModeEffecteurStimulateur", &S::ModeEffecteurStimulateur, nullptr,
           [](const S &s) {
               return s.ModeEffecteurStimulateur == 1
                          ? QString()
                          : u"l'effecteur stimulateur existe toujours."_s;
           }),
    mode("ModeVoieInhibitrice", &S::ModeVoieInhibitrice, "Voie motrice inhibitrice", "aucune",
         [](const S &s) {
             return modeConnu(s.ModeVoieInhibitrice, true)
                        ? QString()
                        : u"la voie inhibitrice est nerveuse, hormonale ou absente."_s;
         }),
    texte("TexteVoieInhibitrice", &S::TexteVoieInhibitrice, "Nom de la voie in&hibitrice",
          inhibition),
    texte("TexteEffecteurInhibiteur", &S::TexteEffecteurInhibiteur, "Effecteur inhi&biteur",
          [](const S &s) { return s.ModeEffecteurInhibiteur == 1; }),
    entier(
        "ModeEffecteurInhibiteur", &S::ModeEffecteurInhibiteur, nullptr,
        [](const S &s) {
            if (s.ModeEffecteurInhibiteur == (inhibition(s) ? 1 : 0))
                return QString();
            return inhibition(s) ? u"la voie inhibitrice mène à un effecteur inhibiteur."_s
                                 : u"sans voie inhibitrice, pas d'effecteur inhibiteur."_s;
        },
        inhibition),
    entier("ValeurMin", &S::ValeurMin, "Mi&nimum",
           [](const S &s) { return horsDesBarres(s.ValeurMin); }),
    entier("ValeurMax", &S::ValeurMax, "Ma&ximum", regleMaximum),
    entier("ValeurInitiale", &S::ValeurInitiale, "Valeur de &départ", regleDepart),
    entier("PetitPas", &S::PetitPas, "&Petit pas", reglePetitPas),
    entier("GrandPas", &S::GrandPas, "&Grand pas", regleGrandPas),
};

} // namespace

QVariant ChampSysteme::valeur(const ConfigurationSysteme &s) const
{
    switch (genre) {
    case Texte:
        return s.*texte;
    case Mode:
        return int(s.*mode);
    case Entier:
        return s.*entier;
    }
    return {};
}

void ChampSysteme::change(ConfigurationSysteme &s, const QVariant &v) const
{
    switch (genre) {
    case Texte:
        s.*texte = v.toString();
        break;
    case Mode:
        s.*mode = ModeVoie(v.toInt());
        break;
    case Entier:
        s.*entier = v.toInt();
        break;
    }
}

std::span<const ChampSysteme> champsSysteme()
{
    return champs;
}
