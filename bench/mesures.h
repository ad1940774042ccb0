// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>

// What the process itself reports about its use of the machine.

// Processor time used so far, user and system, in seconds.
double secondesProcesseur();

// Resident memory now, and its peak, in KiB.
long residentKio();
long picResidentKio();

// Milliseconds since the system started this process.
double msDepuisDebutProcessus();

// Prints one figure as "name value unit" on standard output, the form that
// bench/run.sh collects.
inline void afficheMesure(const char *nom, double valeur, const char *unite)
{
    std::printf("%s %.3f %s\n", nom, valeur, unite);
    std::fflush(stdout);
}
