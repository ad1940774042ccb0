// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

class Marker;

// The shared simulation state of the window: one instance, owned by TForm1,
// alive for the whole run. Every integer starts at 0, every flag false and
// both markers absent; start-up then sets what it needs.
struct EtatMecanisme
{
    int ValeurConsigne = 0;
    int ValeurReglee = 0;
    int Ecart = 0;
    int PasEffecteur = 0;
    int IntervalleAnimation = 0; // ms
    int PasDeplacement = 0;      // pixels per pathway tick
    int PositionEnreg = 0;       // column of the recording strips
    int PeriodeSensitive = 0;
    int PeriodeStimulatrice = 0;
    int PeriodeInhibitrice = 0;
    int ClasseEcart = 0; // -5..5
    // The perturbation the strip records, as the value handlers last saw it:
    // +1 the value was moved below the set point, -1 above it, 0 none.
    int Perturbation = 0;
    bool MecanismeEnMarche = false;

    // Legs of the three markers.
    bool PhaseSensitiveMontee = false;
    bool PhaseSensitiveTraversee = false;
    bool PhaseSensitiveDescente = false;
    bool PhaseStimulatriceDescente = false;
    bool PhaseStimulatriceTraversee = false;
    bool PhaseStimulatriceMontee = false;
    bool PhaseInhibitriceDescente = false;
    bool PhaseInhibitriceTraversee = false;
    bool PhaseInhibitriceMontee = false;

    // Each marker is held here alone; resetting the pointer removes it from
    // the scheme.
    std::unique_ptr<Marker> InfluxSensitif;
    std::unique_ptr<Marker> InfluxMoteur;

    // Hormonal recordings: the level each trace moves toward, and the level
    // at which it is drawn (y pixel in its strip).
    int NiveauCibleSensitif = 0;
    int NiveauCibleStimulateur = 0;
    int NiveauCibleInhibiteur = 0;
    int NiveauTraceSensitif = 0;
    int NiveauTraceStimulateur = 0;
    int NiveauTraceInhibiteur = 0;

    // The row of the regulated value in the curve's last column (-1 on a
    // fresh curve), so that the next column joins it.
    int OrdonneeCourbe = -1;

    // The loop at rest, as a replay starts it each time: no deviation read
    // yet, no message on any pathway. The values and the traces are set by
    // whoever starts it.
    void metAuRepos()
    {
        ClasseEcart = 0;
        PeriodeSensitive = PeriodeStimulatrice = PeriodeInhibitrice = 0;
        PhaseSensitiveMontee = PhaseSensitiveTraversee = PhaseSensitiveDescente = false;
        PhaseStimulatriceDescente = PhaseStimulatriceTraversee = PhaseStimulatriceMontee = false;
        PhaseInhibitriceDescente = PhaseInhibitriceTraversee = PhaseInhibitriceMontee = false;
    }
};
