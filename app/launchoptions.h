// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks before the window opens. The program's own
// options are read; Qt's (-platform, -style...) are left to Qt; any other is
// refused. An argument that is not an option names a lesson to open (one at
// most; after "--" every argument does, even one that begins with a dash).
struct LaunchOptions
{
    bool help = false;
    // The projection zoom: 0 for none, -1 for "auto", else a factor from 1 to 4.
    double zoom = 0;
    // Whether the command line names Qt's platform or widget style.
    bool platformChosen = false;
    bool styleChosen = false;
    // The lesson to open at start, as written on the command line.
    QString seance;
    // A sentence for standard error when the command line cannot be used.
    QString error;
};

inline constexpr double zoomAuto = -1;

LaunchOptions parseLaunchOptions(const QStringList &arguments);

// The usage, in French, as --help prints it.
QString usageText();

// The largest zoom (from 1 to 4, in hundredths) at which the window, with
// everything the pupil can show in it (the curve and the status bar under the
// strips), fits the available area of the screen, in screen pixels.
double fittingZoom(QSize available);

// Prepares Qt's scaling for the zoom asked, before the application object
// exists, after a brief look at the screen: "auto" takes the largest zoom
// that fits, and a factor too large for the screen is lowered to it. Returns
// the French line that says so, or nothing. argv is left as it is.
QString applyZoom(double zoom, int argc, char **argv);
