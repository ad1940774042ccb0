// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class ImageControl;

// The curve of the regulated value: one column per recorded tick, on the same
// columns as the strips, scaled to the regulated-value bar's range, over a
// light grid (a line at each value graduation, one every 50 columns) and a
// reference curve kept by the pupil, in grey.

// Rows left free above the maximum and below the minimum.
inline constexpr int margeCourbe = 4;

// The row of a value on a surface of the given height: the maximum
// margeCourbe rows under the top, the minimum as far above the bottom;
// values outside the range at its ends.
int ordonneeCourbe(int valeur, int minimum, int maximum, int hauteur);

// What lies under the live curve: the grid's rows, and the reference's row at
// each column (-1 where it has none).
struct FondCourbe
{
    QList<int> lignesGrille;
    QList<int> reference;

    int referenceEn(int colonne) const
    {
        return colonne >= 0 && colonne < reference.size() ? reference[colonne] : -1;
    }
};

// A white surface with its grid and the reference.
void effaceCourbe(ImageControl *courbe, const FondCourbe &fond);

// Column `position`: its background, the set point's row in olive, and the
// value's row in teal joined to the previous column's row (-1: none) so that
// the curve is one line. Returns the value's row.
int colonneCourbe(ImageControl *courbe, const FondCourbe &fond, int position, int ordonneeValeur,
                  int ordonneeConsigne, int ordonneePrecedente);
