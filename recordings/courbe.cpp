// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/courbe.h"

#include "app/window_services/canvas.h"
#include "app/window_services/imagecontrol.h"

#include <QColor>

#include <algorithm>

namespace {
const QColor blanc(255, 255, 255);
const QColor grille(220, 220, 220);
const QColor couleurReference(150, 150, 150);
const QColor couleurValeur(0, 128, 128);   // as the regulated value's edit
const QColor couleurConsigne(128, 128, 0); // as the set point's edit
// A mark every 50 columns.
constexpr int pasVertical = 50;

// A vertical run of one column from row a to row b, both included.
void trait(Canvas &canvas, int x, int a, int b, const QColor &couleur)
{
    canvas.setBrushColor(couleur);
    canvas.fillRect(x, std::min(a, b), x + 1, std::max(a, b) + 1);
}

// One column of the background: white or a grid mark, the grid's rows, and
// the reference joined to its previous column.
void colonneDeFond(Canvas &canvas, const FondCourbe &fond, int x, int hauteur)
{
    trait(canvas, x, 0, hauteur - 1, x % pasVertical == 0 ? grille : blanc);
    for (int y : fond.lignesGrille)
        canvas.setPixel(x, y, grille);
    const int reference = fond.referenceEn(x);
    if (reference >= 0) {
        const int precedente = fond.referenceEn(x - 1);
        trait(canvas, x, precedente < 0 ? reference : precedente, reference, couleurReference);
    }
}
} // namespace

int ordonneeCourbe(int valeur, int minimum, int maximum, int hauteur)
{
    // The range's ends lie inside the surface, clear of its frame: a value
    // held at the maximum (the result of a lesion) stays a line one sees.
    const int marge = std::clamp((hauteur - 1) / 20, 0, margeCourbe);
    const int bas = hauteur - 1 - marge;
    if (maximum <= minimum)
        return bas;
    const int bornee = std::clamp(valeur, minimum, maximum);
    const long long monte = (long long)(bornee - minimum) * (bas - marge);
    const int arrondi = int((2 * monte + (maximum - minimum)) / (2LL * (maximum - minimum)));
    return bas - arrondi;
}

void effaceCourbe(ImageControl *courbe, const FondCourbe &fond)
{
    Canvas &canvas = courbe->canvas();
    for (int x = 0; x < courbe->width(); ++x)
        colonneDeFond(canvas, fond, x, courbe->height());
}

int colonneCourbe(ImageControl *courbe, const FondCourbe &fond, int position, int ordonneeValeur,
                  int ordonneeConsigne, int ordonneePrecedente)
{
    Canvas &canvas = courbe->canvas();
    colonneDeFond(canvas, fond, position, courbe->height());
    canvas.setPixel(position, ordonneeConsigne, couleurConsigne);
    const int depuis = ordonneePrecedente < 0 ? ordonneeValeur : ordonneePrecedente;
    trait(canvas, position, depuis, ordonneeValeur, couleurValeur);
    return ordonneeValeur;
}
