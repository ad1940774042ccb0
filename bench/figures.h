// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole-program figures, each run in a process of its own by bench/run.sh.

// Sensor ticks really delivered by the event loop at speed 10 over some
// seconds, and the processor time they cost; the window is shown maximised
// (and painted) when montree, otherwise it stays hidden; with deroule, a
// sequence replays all along.
int mesureCadence(bool montree, double secondes, bool deroule = false);

// From the start of the process to the first frame of the maximised window.
int mesurePremiereImage();

// Resident memory after 1,000 and after ticks sensor ticks driven directly,
// and its peak.
int mesureMemoire(long ticks);

// Saving and opening the heaviest lesson (full strips and curve, every row,
// a reference), each the median of fois times, and the file's size.
int mesureSeance(int fois);
