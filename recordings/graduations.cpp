// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/graduations.h"

int pasGraduation(int minimum, int maximum)
{
    const long long etendue = maximum - minimum;
    for (long long puissance = 1;; puissance *= 10) {
        for (int facteur : {1, 2, 5}) {
            if (etendue <= 5 * facteur * puissance)
                return int(facteur * puissance);
        }
    }
}

QList<int> graduations(int minimum, int maximum)
{
    const int pas = pasGraduation(minimum, maximum);
    QList<int> valeurs;
    // The first multiple of the step at or above the minimum.
    int valeur = minimum >= 0 ? (minimum + pas - 1) / pas * pas : minimum / pas * pas;
    for (; valeur <= maximum; valeur += pas)
        valeurs << valeur;
    return valeurs;
}
