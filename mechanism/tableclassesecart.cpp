// SPDX-License-Identifier: GPL-3.0-or-later
#include "mechanism/tableclassesecart.h"

#include <QtGlobal>

#include <cstdlib>

// A positive class means the regulated value is below the set point: the
// stimulating activity is then high (short period, level near the top of its
// strip), the sensory and inhibiting ones low; a negative class the reverse.
const std::array<ClasseEcartLigne, 11> TableClassesEcart = {{
    // R,   G,   B, Sens, Stim, Inhi, NSens, NStim, NInhi
    {255, 0, 0, 1, 35, 1, 2, 38, 2},       // -5
    {192, 0, 0, 1, 30, 1, 6, 34, 6},       // -4
    {128, 0, 0, 2, 25, 2, 10, 30, 10},     // -3
    {128, 0, 0, 3, 20, 3, 14, 26, 14},     // -2
    {192, 128, 0, 5, 15, 5, 18, 24, 18},   // -1
    {255, 0, 255, 10, 10, 10, 20, 20, 20}, //  0
    {0, 0, 192, 15, 5, 15, 24, 18, 24},    //  1
    {0, 0, 128, 20, 3, 20, 26, 14, 26},    //  2
    {0, 0, 128, 25, 2, 25, 30, 10, 30},    //  3
    {0, 0, 192, 30, 1, 30, 34, 6, 34},     //  4
    {0, 0, 255, 35, 1, 35, 38, 2, 38},     //  5
}};

const ClasseEcartLigne &ligneClasse(int classeEcart)
{
    Q_ASSERT(classeEcart >= ClasseEcartMin && classeEcart <= ClasseEcartMax);
    return TableClassesEcart[static_cast<std::size_t>(classeEcart - ClasseEcartMin)];
}

QColor couleurClasse(int classeEcart)
{
    const ClasseEcartLigne &ligne = ligneClasse(classeEcart);
    return QColor(ligne.Rouge, ligne.Vert, ligne.Bleu);
}

QString ecartEnMots(int classeEcart)
{
    if (classeEcart == 0)
        return QStringLiteral("écart nul");
    // A positive class: the regulated value is below the set point.
    return QStringLiteral("valeur réglée trop %1, écart de classe %2 sur %3")
        .arg(classeEcart > 0 ? QStringLiteral("basse") : QStringLiteral("haute"))
        .arg(std::abs(classeEcart))
        .arg(ClasseEcartMax);
}
