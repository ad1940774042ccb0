// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// A system's values are whole numbers of its smallest step: with two
// decimals, 7,40 is 740. The bars, the curve and the rows count in those
// steps; what the pupil reads and the files say is the value in its unit,
// with a decimal comma on screen and in the exports.

inline constexpr int DecimalesMax = 3;

// 1, 10, 100 or 1000: the steps in one unit (decimals out of 0 to 3 taken
// as the nearest of them).
int pasParUnite(int decimales);

// "7,40" for 740 with two decimals; "120" for 120 with none.
QString texteValeur(int valeur, int decimales);

// What a pupil typed ("7,4", "7.40", "7"), rounded to the nearest step;
// nothing when it is no number. With no decimals, a whole number only.
std::optional<int> valeurDuTexte(const QString &texte, int decimales);

// A number read from a file, when it has at most that many decimals (with
// none, a whole number exactly) and at most a billion steps.
std::optional<int> valeurDuNombre(double nombre, int decimales);
// What a file's number should have been, as its fault says it.
QString nombreAttendu(int decimales);

// The value in its unit, as a file writes it (a whole number with none).
double nombreDeLaValeur(int valeur, int decimales);
