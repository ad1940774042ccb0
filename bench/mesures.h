// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the process itself reports about its use of the machine.

// Processor time used so far, user and system, in seconds.
double secondesProcesseur();

// Resident memory now, and its peak, in KiB.
long residentKio();
long picResidentKio();

// Milliseconds since the kernel started this process (10 ms resolution).
double msDepuisDebutProcessus();

// Prints one figure as "name value unit" on standard output, the form that
// bench/run.sh collects.
void afficheMesure(const char *nom, double valeur, const char *unite);
