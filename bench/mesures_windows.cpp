// SPDX-License-Identifier: GPL-3.0-or-later
// The process's own figures on Windows (and under Wine).
#include "bench/mesures.h"

#include <windows.h>

#include <psapi.h>

namespace {

// FILETIME counts hundreds of nanoseconds.
double secondes(const FILETIME &temps)
{
    ULARGE_INTEGER valeur;
    valeur.LowPart = temps.dwLowDateTime;
    valeur.HighPart = temps.dwHighDateTime;
    return double(valeur.QuadPart) / 1e7;
}

PROCESS_MEMORY_COUNTERS memoire()
{
    PROCESS_MEMORY_COUNTERS compteurs{};
    GetProcessMemoryInfo(GetCurrentProcess(), &compteurs, sizeof compteurs);
    return compteurs;
}

} // namespace

double secondesProcesseur()
{
    FILETIME creation, fin, noyau, utilisateur;
    GetProcessTimes(GetCurrentProcess(), &creation, &fin, &noyau, &utilisateur);
    return secondes(noyau) + secondes(utilisateur);
}

long residentKio()
{
    return long(memoire().WorkingSetSize / 1024);
}

long picResidentKio()
{
    return long(memoire().PeakWorkingSetSize / 1024);
}

double msDepuisDebutProcessus()
{
    FILETIME creation, fin, noyau, utilisateur, maintenant;
    GetProcessTimes(GetCurrentProcess(), &creation, &fin, &noyau, &utilisateur);
    GetSystemTimePreciseAsFileTime(&maintenant);
    return (secondes(maintenant) - secondes(creation)) * 1000.0;
}
