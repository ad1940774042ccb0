// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/tracevoie.h"

#include "app/window_services/canvas.h"

#include <QString>

void legendeVoie(Canvas &canvas, ModeVoie mode, const QString &nom, int hauteur)
{
    switch (mode) {
    case ModeNerveux:
        canvas.textOut(2, 2, nom);
        break;
    case ModeHormonal:
        canvas.textOut(2, 2, QStringLiteral("Max   ") + nom);
        canvas.textOut(2, hauteur - canvas.fontHeight() - 3, QStringLiteral("Min"));
        break;
    case ModeAbsent:
        break;
    }
}

void colonneNerveuse(Canvas &canvas, int position, int hauteur, int avance, int periode)
{
    const int milieu = hauteur / 2;
    canvas.moveTo(position, milieu);
    canvas.lineTo(position + avance, milieu);
    if (periode > 0 && position % periode == 0) {
        canvas.moveTo(position, milieu - 5);
        canvas.lineTo(position, milieu + 5);
    }
}

void colonneHormonale(Canvas &canvas, int position, int niveauCible, int &niveauTrace)
{
    if (niveauTrace < niveauCible)
        ++niveauTrace;
    else if (niveauTrace > niveauCible)
        --niveauTrace;
    if (position % 2 == 0)
        canvas.setPixel(position, niveauTrace, Qt::black);
}
