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
// A name on the scheme, or the system's own, is short: a longer text is no
// name, and is refused before anything else is read of it.
inline constexpr qsizetype LongueurMaxNom = 200;

// Whether a text fits its element's box on the scheme (or the list, for the
// name) on this computer: the reason it does not, or nothing. Advice for the
// editor, never a rule of a file: fonts differ from one computer to another.
using PlaceTexte = std::function<QString(const QString &champ, const QString &texte)>;

// Whether a text read from outside is one line of characters that show:
// no line end, no control character.
bool surUneLigne(const QString &texte);
// What keeps a text from being a name (too long, not one line), or nothing.
QString defautDeNom(const QString &texte);

// A text from outside quoted in a message: its first characters, anything
// that is not one line shown as "�", so that a quotation stays one short line.
QString citation(const QString &texte);

// Every rule a system of a teacher's own must follow, wherever it comes from
// (the editor, the settings, a lesson): the name (not one of the list's six,
// at most LongueurMaxNom characters), a text for every element that exists
// and none for one that does not, on one line; the modes and effectors; the
// range, the starting value and the steps. Empty when the system can be used.
QList<DefautSysteme> valideSysteme(const QString &nom, const ConfigurationSysteme &systeme);
