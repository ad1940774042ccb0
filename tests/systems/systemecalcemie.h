// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "systems/configurationsysteme.h"

// Calcaemia as a teacher describes it: direct sensitivity, parathormone to
// raise it, calcitonin to lower it; mg.L-1 from 60 to 140, starting at 95,
// steps 1 and 5. Three names shortened to fit the scheme: the C cells are the
// thyroid's, the parathyroids stand for the centre, and the effectors' actions
// are on calcium.
inline ConfigurationSysteme calcemie()
{
    return {QStringLiteral("Cellules des parathyroïdes et cellules C"),
            QStringLiteral("Calcémie"),
            QStringLiteral("Sensibilité directe"),
            ModeAbsent,
            QStringLiteral("Parathyroïdes"),
            QStringLiteral("Parathormone-voie sanguine"),
            ModeHormonal,
            QStringLiteral("Calcitonine-voie sanguine"),
            ModeHormonal,
            QStringLiteral("Os, reins, intestin (libération, réabsorption, absorption)"),
            1,
            QStringLiteral("Os (fixation du calcium)"),
            1,
            QStringLiteral("mg.L-1"),
            95,
            60,
            140,
            1,
            5};
}

// The same system counted in steps of that many decimals: 60 becomes 60,0
// with one (600 steps).
inline ConfigurationSysteme avecDecimales(ConfigurationSysteme s, int decimales)
{
    s.Decimales = decimales;
    for (int ConfigurationSysteme::*m :
         {&ConfigurationSysteme::ValeurInitiale, &ConfigurationSysteme::ValeurMin,
          &ConfigurationSysteme::ValeurMax, &ConfigurationSysteme::PetitPas,
          &ConfigurationSysteme::GrandPas}) {
        for (int i = 0; i < decimales; ++i)
            s.*m *= 10;
    }
    return s;
}
