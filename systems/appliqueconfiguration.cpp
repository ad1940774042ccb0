// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the catalogue lands.
#include "app/tform1.h"

void TForm1::ComboBoxSystemeChange() {}
void TForm1::AppliqueConfiguration(const ConfigurationSysteme &) {}
