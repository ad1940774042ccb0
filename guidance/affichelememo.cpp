// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/memo.h"

// Every memo of the window is a help note but the instructions and the About
// text, told apart by their exact names.
void TForm1::AfficheLeMemo(Memo *memo)
{
    const QList<Memo *> memos = findChildren<Memo *>();
    for (auto it = memos.crbegin(); it != memos.crend(); ++it) {
        Memo *autre = *it;
        const QString nom = autre->objectName();
        if (nom != QLatin1String("MemoProtocole") && nom != QLatin1String("MemoAProposDe") &&
            !autre->isHidden())
            autre->hide();
    }
    if (memo && memo->isHidden())
        memo->show();
}
