// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks before the window opens. Only the program's own
// options are read; Qt's (-platform, -style...) are left to Qt.
struct LaunchOptions
{
    bool help = false;
    // The projection zoom: 0 for none, -1 for "auto", else a factor from 1 to 4.
    double zoom = 0;
    // A sentence for standard error when the command line cannot be used.
    QString error;
};

inline constexpr double zoomAuto = -1;

LaunchOptions parseLaunchOptions(const QStringList &arguments);

// The usage, in French, as --help prints it.
QString usageText();

// The largest zoom (from 1 to 4, in hundredths) at which the window's stored
// outer size fits the available area of the screen.
double fittingZoom(QSize available);

// Prepares Qt's scaling for the zoom asked, before the application object
// exists; "auto" briefly opens the display to measure the screen.
void applyZoom(double zoom, int &argc, char **argv);
