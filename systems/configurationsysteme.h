// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/modevoie.h"

// One regulation system: the names the scheme gives its elements (UTF-8), the
// mode of each pathway, which effectors exist, the unit, and the range,
// default and steps shared by the two value bars. An absent pathway or
// effector has an empty text.
struct ConfigurationSysteme
{
    const char *TexteCapteur;
    const char *TexteValeurReglee;
    const char *TexteVoieSensitive;
    ModeVoie ModeVoieSensitive;
    const char *TexteCentreIntegrateur;
    const char *TexteVoieStimulatrice;
    ModeVoie ModeVoieStimulatrice;
    const char *TexteVoieInhibitrice;
    ModeVoie ModeVoieInhibitrice;
    const char *TexteEffecteurStimulateur;
    int ModeEffecteurStimulateur; // 1 present, 0 absent
    const char *TexteEffecteurInhibiteur;
    int ModeEffecteurInhibiteur; // 1 shows the inhibiting effector
    const char *TexteUnites;
    int ValeurInitiale;
    int ValeurMin;
    int ValeurMax;
    int PetitPas;
    int GrandPas;
};
