// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/memo.h"
#include "app/window_services/messageservice.h"

// Nothing ticks while the question is open: the mechanism is suspended first,
// and started afresh unless the pupil confirms.
void TForm1::ButtonQuitterClick()
{
    if (SpeedButtonAide->isChecked()) {
        MemoAideButtonQuitter->show();
        return;
    }
    SuspendreMecanisme();
    // The window may stay open after Oui: a changed lesson the pupil chose
    // not to leave.
    if (messages().ask(this, MessageKind::Avertissement, QStringLiteral("Quitter ?"),
                       MessageButtons::OuiNon) != MessageAnswer::Oui ||
        !close())
        ReprendreMecanisme();
}
