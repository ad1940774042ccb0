// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/courbe.h"

#include "app/window_services/canvas.h"
#include "app/window_services/imagecontrol.h"

#include <QColor>

#include <algorithm>

namespace {
const QColor fond(255, 255, 255);
const QColor grille(220, 220, 220);
const QColor couleurValeur(0, 128, 128);   // as the regulated value's edit
const QColor couleurConsigne(128, 128, 0); // as the set point's edit
// Ten bands from the minimum to the maximum; a mark every 50 columns.
constexpr int bandes = 10;
constexpr int pasVertical = 50;

// The row of the k-th line of the grid, from the top.
int ligneDeGrille(int k, int hauteur)
{
    return k * (hauteur - 1) / bandes;
}

void colonneDeFond(Canvas &canvas, int x, int hauteur)
{
    canvas.setBrushColor(x % pasVertical == 0 ? grille : fond);
    canvas.fillRect(x, 0, x + 1, hauteur);
    for (int k = 0; k <= bandes; ++k)
        canvas.setPixel(x, ligneDeGrille(k, hauteur), grille);
}
} // namespace

int ordonneeCourbe(int valeur, int minimum, int maximum, int hauteur)
{
    if (maximum <= minimum)
        return hauteur - 1;
    const int bornee = std::clamp(valeur, minimum, maximum);
    const long long monte = (long long)(bornee - minimum) * (hauteur - 1);
    const int arrondi = int((2 * monte + (maximum - minimum)) / (2LL * (maximum - minimum)));
    return hauteur - 1 - arrondi;
}

void effaceCourbe(ImageControl *courbe)
{
    Canvas &canvas = courbe->canvas();
    canvas.setBrushColor(fond);
    canvas.fillRect(0, 0, courbe->width(), courbe->height());
    canvas.setBrushColor(grille);
    for (int x = 0; x < courbe->width(); x += pasVertical)
        canvas.fillRect(x, 0, x + 1, courbe->height());
    for (int k = 0; k <= bandes; ++k) {
        const int y = ligneDeGrille(k, courbe->height());
        canvas.fillRect(0, y, courbe->width(), y + 1);
    }
}

int colonneCourbe(ImageControl *courbe, int position, int ordonneeValeur, int ordonneeConsigne,
                  int ordonneePrecedente)
{
    Canvas &canvas = courbe->canvas();
    const int hauteur = courbe->height();
    colonneDeFond(canvas, position, hauteur);
    canvas.setPixel(position, ordonneeConsigne, couleurConsigne);
    const int depuis = ordonneePrecedente < 0 ? ordonneeValeur : ordonneePrecedente;
    canvas.setBrushColor(couleurValeur);
    canvas.fillRect(position, std::min(depuis, ordonneeValeur), position + 1,
                    std::max(depuis, ordonneeValeur) + 1);
    return ordonneeValeur;
}
