// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QFont;
class QString;
class QWidget;

// The window is laid out for 96 dots per inch: every font set in the form (in
// points) is given the pixel size it has at that resolution, so the texts keep
// their stored widths on any screen.
void applyLayoutFonts(QWidget *root);

// Registers the window's face ("MS Sans Serif" from the fonts-wine package, or
// FreeSans when it is missing or the screen is scaled) and returns its family
// name. Faces shipped in a "fonts" folder beside the program (its Windows
// folder) come first.
QString loadWindowFontFamily();

// The window's face at its normal size (11 pixels), also the default font of
// every drawing surface.
QFont windowFont();
