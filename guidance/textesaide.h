// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TForm1;

// Writes the texts of the help notes into their memos, and centres the lines
// of the About panel.
void remplitTextesAide(TForm1 &form);
