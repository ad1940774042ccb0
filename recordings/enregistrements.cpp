// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the recording strips land.
#include "app/tform1.h"

void TForm1::InitialiseEnregistrements() {}
void TForm1::DessineCadre(ImageControl *) {}
bool TForm1::EnregistreColonne() { return true; }
void TForm1::SpeedButtonEnregSensitifClick() {}
void TForm1::SpeedButtonEnregStimulateurClick() {}
void TForm1::SpeedButtonEnregInhibiteurClick() {}
void TForm1::SpeedButtonEnregClick() {}
