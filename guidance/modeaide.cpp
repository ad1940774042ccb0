// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/memo.h"

// The help toggle pauses the mechanism while it is down; releasing it starts
// the mechanism, whether or not it ran before. Other notes stay as they are.
void TForm1::SpeedButtonAideClick()
{
    if (SpeedButtonAide->isChecked()) {
        SuspendreMecanisme();
        MemoSpeedButtonAide->show();
    } else {
        MemoSpeedButtonAide->hide();
        ReprendreMecanisme();
    }
}
