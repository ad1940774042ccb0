// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/valeursysteme.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// Far beyond any bar's range, well inside an int's.
constexpr double nombreMax = 1e9;
} // namespace

int pasParUnite(int decimales)
{
    // A description's decimals are checked after its values are read.
    int pas = 1;
    for (int i = 0; i < std::clamp(decimales, 0, DecimalesMax); ++i)
        pas *= 10;
    return pas;
}

QString texteValeur(int valeur, int decimales)
{
    decimales = std::clamp(decimales, 0, DecimalesMax);
    if (decimales == 0)
        return QString::number(valeur);
    // Whole numbers only: a double would print 7,399999.
    const int pas = pasParUnite(decimales);
    const long long absolue = std::llabs((long long)valeur);
    const QString fraction = QString::number(absolue % pas).rightJustified(decimales, u'0');
    return QStringLiteral("%1%2,%3")
        .arg(valeur < 0 ? QStringLiteral("-") : QString())
        .arg(absolue / pas)
        .arg(fraction);
}

std::optional<int> valeurDuTexte(const QString &texte, int decimales)
{
    bool lu = false;
    if (decimales <= 0) {
        const int valeur = texte.toInt(&lu);
        return lu ? std::optional<int>(valeur) : std::nullopt;
    }
    const double nombre = QString(texte).replace(u',', u'.').toDouble(&lu);
    if (!lu || !std::isfinite(nombre) || std::abs(nombre) > nombreMax / pasParUnite(decimales))
        return std::nullopt;
    return int(std::llround(nombre * pasParUnite(decimales)));
}

std::optional<int> valeurDuNombre(double nombre, int decimales)
{
    const double pas = nombre * pasParUnite(decimales);
    if (!std::isfinite(pas) || std::abs(pas) > nombreMax)
        return std::nullopt;
    // A file's 7.35 is 734.9999... steps: near enough to a whole one. A
    // whole number is one exactly.
    const double entier = std::round(pas);
    if (decimales <= 0 ? pas != entier : std::abs(pas - entier) > 1e-6)
        return std::nullopt;
    return int(entier);
}

QString nombreAttendu(int decimales)
{
    if (decimales <= 0)
        return QStringLiteral("devrait être un nombre entier.");
    return QStringLiteral("devrait être un nombre d'au plus %1 décimale(s).").arg(decimales);
}

double nombreDeLaValeur(int valeur, int decimales)
{
    return double(valeur) / pasParUnite(decimales);
}
