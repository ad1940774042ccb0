// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/descriptionsysteme.h"

#include "systems/champssysteme.h"
#include "systems/valeursysteme.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

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
    for (const ChampSysteme &champ : champsSysteme())
        o.insert(QLatin1String(champ.cle), QJsonValue::fromVariant(champ.valeur(s)));
    return o;
}

LectureDescription lisDescription(const QJsonObject &o)
{
    LectureDescription lecture;
    ConfigurationSysteme s{};
    // Which modes a pathway may have, and which numbers a system may take,
    // are valideSysteme()'s rules, as for the editor.
    for (const ChampSysteme &champ : champsSysteme()) {
        const QString cle = QLatin1String(champ.cle);
        const QJsonValue v = o.value(cle);
        if (champ.genre == ChampSysteme::Texte) {
            if (!v.isString()) {
                lecture.defaut = {cle, u"devrait être un texte."_s};
                return lecture;
            }
            champ.change(s, v.toString());
        } else if (champ.facultatif && v.isUndefined()) {
            champ.change(s, 0);
        } else if (champ.genre == ChampSysteme::Valeur) {
            // In the unit, with the decimals read before it.
            const std::optional<int> pas =
                v.isDouble() ? valeurDuNombre(v.toDouble(), s.Decimales) : std::nullopt;
            if (!pas) {
                lecture.defaut = {
                    cle,
                    s.Decimales <= 0
                        ? u"devrait être un nombre entier."_s
                        : u"devrait être un nombre d'au plus %1 décimale(s)."_s.arg(s.Decimales)};
                return lecture;
            }
            s.*champ.entier = *pas;
        } else if (const std::optional<int> nombre = entier(v)) {
            champ.change(s, *nombre);
        } else {
            lecture.defaut = {cle, u"devrait être un nombre entier."_s};
            return lecture;
        }
    }
    lecture.systeme = s;
    return lecture;
}
