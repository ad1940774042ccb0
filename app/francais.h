// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program speaks French whatever the machine's language: the default
// locale is French, and Qt's own dialogs (files, printing) take Qt's French
// translation, from beside the program (the Windows zip) or from where Qt's
// translations are installed. False when no translation was found: the
// dialogs then stay in Qt's English, and the program goes on.
bool parleFrancais();
