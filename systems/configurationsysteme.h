// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/modevoie.h"

#include <QString>

// One regulation system (its fields for files, rules and the editor are
// described once, in champssysteme.cpp): the names the scheme gives its elements, the mode of
// each pathway, which effectors exist, the unit, and the range, default and
// steps shared by the two value bars, with their number of decimals. An absent pathway or effector
// has an empty text. It owns its texts, so that a system described by a teacher is one like those
// of the catalogue.
struct ConfigurationSysteme
{
    QString TexteCapteur;
    QString TexteValeurReglee;
    QString TexteVoieSensitive;
    ModeVoie ModeVoieSensitive;
    QString TexteCentreIntegrateur;
    QString TexteVoieStimulatrice;
    ModeVoie ModeVoieStimulatrice;
    QString TexteVoieInhibitrice;
    ModeVoie ModeVoieInhibitrice;
    QString TexteEffecteurStimulateur;
    int ModeEffecteurStimulateur; // 1 present, 0 absent
    QString TexteEffecteurInhibiteur;
    int ModeEffecteurInhibiteur; // 1 shows the inhibiting effector
    QString TexteUnites;
    int ValeurInitiale;
    int ValeurMin;
    int ValeurMax;
    int PetitPas;
    int GrandPas;
    // The values above count steps of this many decimals (0 to 3): with 2,
    // a ValeurMin of 735 is 7,35 in the unit.
    int Decimales = 0;

    bool operator==(const ConfigurationSysteme &) const = default;
};
