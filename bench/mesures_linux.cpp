// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/mesures.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

long champStatus(const char *champ)
{
    std::ifstream status("/proc/self/status");
    std::string ligne;
    const std::size_t longueur = std::strlen(champ);
    while (std::getline(status, ligne)) {
        if (ligne.compare(0, longueur, champ) == 0)
            return std::stol(ligne.substr(longueur));
    }
    return -1;
}

double secondes(const timeval &temps)
{
    return double(temps.tv_sec) + double(temps.tv_usec) / 1e6;
}

} // namespace

double secondesProcesseur()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return secondes(usage.ru_utime) + secondes(usage.ru_stime);
}

long residentKio()
{
    return champStatus("VmRSS:");
}

long picResidentKio()
{
    return champStatus("VmHWM:");
}

// The 22nd field of /proc/self/stat is the start time in clock ticks since
// boot; the command name (field 2) may hold blanks, so fields are counted
// from its closing parenthesis.
double msDepuisDebutProcessus()
{
    std::ifstream stat("/proc/self/stat");
    std::string contenu((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream apres(contenu.substr(contenu.rfind(')') + 2));
    std::string champ;
    for (int numero = 3; numero < 22; ++numero)
        apres >> champ;
    unsigned long long debut = 0;
    apres >> debut;

    timespec maintenant{};
    clock_gettime(CLOCK_BOOTTIME, &maintenant);
    const double debutMs = double(debut) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    return double(maintenant.tv_sec) * 1000.0 + double(maintenant.tv_nsec) / 1e6 - debutMs;
}
