// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TForm1;

// What must hold between any two of the pupil's actions or timer ticks,
// whatever came before. Returns what is broken, or an empty text.
QString invariantsRompus(TForm1 &form);

// Run-time message markers shown in the scheme (the image controls of the
// scheme beyond its seven pictures).
int marqueursDansLeSchema(TForm1 &form);
