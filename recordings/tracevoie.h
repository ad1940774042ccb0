// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/modevoie.h"

class Canvas;
class QString;

// The drawing of one pathway's strip, shared by the three pathways.

// The caption of a strip: its name in nervous mode; "Max" before the name at
// the top and "Min" at the bottom in hormonal mode; nothing when absent.
void legendeVoie(Canvas &canvas, ModeVoie mode, const QString &nom, int hauteur);

// One column of a nervous recording: the baseline at mid-height over
// `avance` columns from `position`, and an impulse mark 10 pixels tall on
// every multiple of the period (none for a period of 0: a silent pathway).
void colonneNerveuse(Canvas &canvas, int position, int hauteur, int avance, int periode);

// One column of a hormonal recording: the trace moves one pixel toward its
// target and is dotted on even columns.
void colonneHormonale(Canvas &canvas, int position, int niveauCible, int &niveauTrace);

// A hormonal strip's extreme levels, in rows: "Max" near its top, "Min" on
// its last row inside the frame, where a pathway that carries no hormone
// lies.
constexpr int niveauMax = 2;
constexpr int niveauMin(int hauteur)
{
    return hauteur - 2;
}

// A hormonal trace's level as a share of its strip: 0 at Min, 100 at Max.
constexpr double niveauEnPourcent(int niveau, int hauteur)
{
    return 100.0 * (niveauMin(hauteur) - niveau) / (niveauMin(hauteur) - niveauMax);
}
