// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/champssysteme.h"

#include "systems/valeursysteme.h"
#include "systems/validationsysteme.h"

#include <array>
#include <cmath>

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

// A number of the system's steps as the teacher reads it, in the unit.
QString enUnite(const S &s, int valeur)
{
    return texteValeur(valeur, s.Decimales);
}

QString horsDesBarres(const S &s, int valeur)
{
    if (valeur >= ValeurSystemeMin && valeur <= ValeurSystemeMax)
        return {};
    return u"les barres de valeur vont de %1 à %2."_s.arg(enUnite(s, ValeurSystemeMin),
                                                          enUnite(s, ValeurSystemeMax));
}

// The range the bars take, when both ends are numbers they can take.
bool bornesValides(const S &s)
{
    return horsDesBarres(s, s.ValeurMin).isEmpty() && horsDesBarres(s, s.ValeurMax).isEmpty();
}

QString regleMaximum(const S &s)
{
    if (QString raison = horsDesBarres(s, s.ValeurMax); !raison.isEmpty())
        return raison;
    if (!bornesValides(s))
        return {};
    if (s.ValeurMin >= s.ValeurMax)
        return u"le maximum doit dépasser le minimum."_s;
    if (s.ValeurMax - s.ValeurMin < EtendueSystemeMin)
        return u"du minimum au maximum, il faut au moins %1 pour les classes d'écart du capteur."_s
            .arg(enUnite(s, EtendueSystemeMin));
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
        return u"le petit pas doit valoir au moins %1."_s.arg(enUnite(s, 1));
    if (s.GrandPas >= 1 && s.PetitPas > s.GrandPas)
        return u"le petit pas ne peut pas dépasser le grand pas."_s;
    return {};
}

QString regleGrandPas(const S &s)
{
    if (s.GrandPas < 1)
        return u"le grand pas doit valoir au moins %1."_s.arg(enUnite(s, 1));
    if (s.PetitPas <= s.GrandPas && bornesValides(s) && s.ValeurMax > s.ValeurMin &&
        s.GrandPas > s.ValeurMax - s.ValeurMin)
        return u"le grand pas dépasse l'intervalle."_s;
    return {};
}

constexpr ChampSysteme texte(const char *cle, QString S::*membre, const char *libelle,
                             bool (*present)(const S &) = nullptr)
{
    return {cle,  ChampSysteme::Texte, membre, nullptr, nullptr, libelle, nullptr, present, nullptr,
            false};
}
constexpr ChampSysteme mode(const char *cle, ModeVoie S::*membre, const char *libelle,
                            const char *aucune, QString (*regle)(const S &))
{
    return {cle,  ChampSysteme::Mode, nullptr, membre, nullptr, libelle, aucune, nullptr, regle,
            false};
}
constexpr ChampSysteme entier(const char *cle, int S::*membre, const char *libelle,
                              QString (*regle)(const S &), bool (*present)(const S &) = nullptr,
                              ChampSysteme::Genre genre = ChampSysteme::Entier,
                              bool facultatif = false)
{
    return {cle, genre, nullptr, nullptr, membre, libelle, nullptr, present, regle, facultatif};
}
constexpr ChampSysteme valeur(const char *cle, int S::*membre, const char *libelle,
                              QString (*regle)(const S &))
{
    return entier(cle, membre, libelle, regle, nullptr, ChampSysteme::Valeur);
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
    // Before the values: they are read and shown with its decimals.
    entier(
        "Decimales", &S::Decimales, "Dé&cimales",
        [](const S &s) {
            return s.Decimales >= 0 && s.Decimales <= DecimalesMax
                       ? QString()
                       : u"le nombre de décimales va de 0 à %1."_s.arg(DecimalesMax);
        },
        nullptr, ChampSysteme::Entier, true),
    valeur("ValeurMin", &S::ValeurMin, "Mi&nimum",
           [](const S &s) { return horsDesBarres(s, s.ValeurMin); }),
    valeur("ValeurMax", &S::ValeurMax, "Ma&ximum", regleMaximum),
    valeur("ValeurInitiale", &S::ValeurInitiale, "Valeur de &départ", regleDepart),
    valeur("PetitPas", &S::PetitPas, "&Petit pas", reglePetitPas),
    valeur("GrandPas", &S::GrandPas, "&Grand pas", regleGrandPas),
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
    case Valeur:
        return nombreDeLaValeur(s.*entier, s.Decimales);
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
    case Valeur:
        s.*entier = int(std::llround(v.toDouble() * pasParUnite(s.Decimales)));
        break;
    }
}

std::span<const ChampSysteme> champsSysteme()
{
    return champs;
}
