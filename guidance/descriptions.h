// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TForm1;

// Gives each element that a help note explains that note as its description
// for assistive technology, so that a pupil who does not use the pointer hears
// what the help mode shows on hovering.
void decritAvecLesNotes(TForm1 &form);
