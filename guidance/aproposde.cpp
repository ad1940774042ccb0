// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

// The panel opens in help mode too, and the mechanism goes on beneath it.
void TForm1::ButtonAProposDeClick()
{
    if (PanelAProposDe->isHidden())
        PanelAProposDe->show();
}

void TForm1::ButtonFermerAProposDeClick()
{
    if (!PanelAProposDe->isHidden())
        PanelAProposDe->hide();
}
