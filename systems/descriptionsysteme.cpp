// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/descriptionsysteme.h"

#include "systems/champssysteme.h"
#include "systems/valeursysteme.h"

using namespace Qt::Literals::StringLiterals;

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
        } else {
            // A value in the unit, with the decimals read before it; any
            // other number whole.
            const int decimales = champ.genre == ChampSysteme::Valeur ? s.Decimales : 0;
            const std::optional<int> nombre =
                v.isDouble() ? valeurDuNombre(v.toDouble(), decimales) : std::nullopt;
            if (!nombre) {
                lecture.defaut = {cle, nombreAttendu(decimales)};
                return lecture;
            }
            if (champ.genre == ChampSysteme::Valeur)
                s.*champ.entier = *nombre;
            else
                champ.change(s, *nombre);
        }
    }
    lecture.systeme = s;
    return lecture;
}
