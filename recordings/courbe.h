// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ImageControl;

// The curve of the regulated value: one column per recorded tick, on the same
// columns as the strips, scaled to the regulated-value bar's range.

// The row of a value on a surface of the given height: the maximum on the top
// row, the minimum on the bottom one; values outside the range at its edge.
int ordonneeCourbe(int valeur, int minimum, int maximum, int hauteur);

// A white surface with its light grid.
void effaceCourbe(ImageControl *courbe);

// Column `position`: the grid, the set point's row in olive, and the value's
// row in teal joined to the previous column's row (-1: none) so that the
// curve is one line. Returns the value's row.
int colonneCourbe(ImageControl *courbe, int position, int ordonneeValeur, int ordonneeConsigne,
                  int ordonneePrecedente);
