// SPDX-License-Identifier: GPL-3.0-or-later
// Placeholder until the help notes land.
#include "guidance/textesaide.h"

void remplitTextesAide(TForm1 &) {}
