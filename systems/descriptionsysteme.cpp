// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/descriptionsysteme.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// A field of the description: its name and where ConfigurationSysteme keeps it.
template <typename T> struct Champ
{
    const char *nom;
    T ConfigurationSysteme::*membre;
};
using ChampTexte = Champ<QString>;
using ChampEntier = Champ<int>;
using ChampMode = Champ<ModeVoie>;

const ChampTexte champsTexte[] = {
    {"TexteCapteur", &ConfigurationSysteme::TexteCapteur},
    {"TexteValeurReglee", &ConfigurationSysteme::TexteValeurReglee},
    {"TexteVoieSensitive", &ConfigurationSysteme::TexteVoieSensitive},
    {"TexteCentreIntegrateur", &ConfigurationSysteme::TexteCentreIntegrateur},
    {"TexteVoieStimulatrice", &ConfigurationSysteme::TexteVoieStimulatrice},
    {"TexteVoieInhibitrice", &ConfigurationSysteme::TexteVoieInhibitrice},
    {"TexteEffecteurStimulateur", &ConfigurationSysteme::TexteEffecteurStimulateur},
    {"TexteEffecteurInhibiteur", &ConfigurationSysteme::TexteEffecteurInhibiteur},
    {"TexteUnites", &ConfigurationSysteme::TexteUnites},
};
const ChampEntier champsEntiers[] = {
    {"ModeEffecteurStimulateur", &ConfigurationSysteme::ModeEffecteurStimulateur},
    {"ModeEffecteurInhibiteur", &ConfigurationSysteme::ModeEffecteurInhibiteur},
    {"ValeurInitiale", &ConfigurationSysteme::ValeurInitiale},
    {"ValeurMin", &ConfigurationSysteme::ValeurMin},
    {"ValeurMax", &ConfigurationSysteme::ValeurMax},
    {"PetitPas", &ConfigurationSysteme::PetitPas},
    {"GrandPas", &ConfigurationSysteme::GrandPas},
};
const ChampMode champsModes[] = {
    {"ModeVoieSensitive", &ConfigurationSysteme::ModeVoieSensitive},
    {"ModeVoieStimulatrice", &ConfigurationSysteme::ModeVoieStimulatrice},
    {"ModeVoieInhibitrice", &ConfigurationSysteme::ModeVoieInhibitrice},
};

// A whole number a person could type; anything else is no number here.
std::optional<int> entier(const QJsonValue &v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || std::abs(d) > 1e9)
        return std::nullopt;
    return int(d);
}

} // namespace

QJsonObject descriptionEnJson(const ConfigurationSysteme &s)
{
    QJsonObject o;
    for (const ChampTexte &c : champsTexte)
        o.insert(QLatin1String(c.nom), s.*c.membre);
    for (const ChampMode &c : champsModes)
        o.insert(QLatin1String(c.nom), int(s.*c.membre));
    for (const ChampEntier &c : champsEntiers)
        o.insert(QLatin1String(c.nom), s.*c.membre);
    return o;
}

LectureDescription lisDescription(const QJsonObject &o)
{
    LectureDescription lecture;
    const auto refuse = [&lecture](const char *champ, const QString &raison) {
        lecture.defaut = {QLatin1String(champ), raison};
        return lecture;
    };
    ConfigurationSysteme s{};
    for (const ChampTexte &c : champsTexte) {
        const QJsonValue v = o.value(QLatin1String(c.nom));
        if (!v.isString())
            return refuse(c.nom, u"devrait être un texte."_s);
        s.*c.membre = v.toString();
    }
    // Which modes a pathway may have is valideSysteme()'s rule, as for the editor.
    for (const ChampMode &c : champsModes) {
        const std::optional<int> mode = entier(o.value(QLatin1String(c.nom)));
        if (!mode)
            return refuse(c.nom, u"devrait être un nombre entier."_s);
        s.*c.membre = ModeVoie(*mode);
    }
    for (const ChampEntier &c : champsEntiers) {
        const std::optional<int> valeur = entier(o.value(QLatin1String(c.nom)));
        if (!valeur)
            return refuse(c.nom, u"devrait être un nombre entier."_s);
        s.*c.membre = *valeur;
    }
    lecture.systeme = s;
    return lecture;
}
