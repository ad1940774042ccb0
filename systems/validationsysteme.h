// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/configurationsysteme.h"

#include <QList>
#include <QString>

#include <functional>

// What is wrong with a description of a system: the field, by its name in
// ConfigurationSysteme ("nom" for the system's name), and why, in French.
struct DefautSysteme
{
    QString champ;
    QString raison;
    bool operator==(const DefautSysteme &) const = default;
};

// The values the value bars and their edits can take.
inline constexpr int ValeurSystemeMin = -9999;
inline constexpr int ValeurSystemeMax = 9999;
// The deviation classes divide the range in ten.
inline constexpr int EtendueSystemeMin = 10;

// Whether a text fits its element's box on the scheme (or the list, for the
// name): the reason it does not, or nothing. The window measures it.
using PlaceTexte = std::function<QString(const QString &champ, const QString &texte)>;

// Every rule a system of a teacher's own must follow, for the editor as for a
// lesson file: the name (not one of the list's six), a text for every
// element that exists and none for one that does not, on one line; the modes
// and effectors; the range, the starting value and the steps. Empty when the
// system can be used.
QList<DefautSysteme> valideSysteme(const QString &nom, const ConfigurationSysteme &systeme,
                                   const PlaceTexte &place = {});
