// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mechanism/etatmecanisme.h"

#include <QRect>
#include <QSize>

#include <array>
#include <memory>

class Marker;
class MarkerLayer;
class QColor;

// The route of a message along one pathway picture, as three legs. Positions
// are measured from an edge of the picture (read at every tick).
namespace trajets {

enum class Repere
{
    Gauche,
    Droite,
    Haut,
    Bas,
    Inchange
};

struct Cote
{
    Repere repere;
    int decalage = 0;
};

struct Jambe
{
    bool EtatMecanisme::*phase;
    Qt::Orientation axe;
    int sens; // +1 right or down, -1 left or up
    // The marker keeps moving while a step of P leaves it short of this line.
    Cote limite;
    // Where the marker is placed, and its shape, when the leg ends (unused
    // for the last leg).
    Cote finX;
    Cote finY;
    QSize forme;
};

// Where a message appears on its pathway (the top-left corner of its first
// shape, a vertical bar), then its three legs: up or down, across, and up or
// down again.
struct Trajet
{
    Cote departX;
    Cote departY;
    std::array<Jambe, 3> jambes;
};

extern const Trajet trajetSensitif;
extern const Trajet trajetStimulateur;
extern const Trajet trajetInhibiteur;

// A new message marker on the scheme at the start of its route on the
// pathway `voie`, hidden: its 10 x 10 surface filled with its colour, shown as
// a 4 x 10 bar. Its name is what assistive technology calls it.
std::unique_ptr<Marker> nouvelInflux(MarkerLayer *schema, const Trajet &trajet, const QRect &voie,
                                     const QColor &couleur, const QString &nom);

// The middle of the route's crossing leg, on the line the messages follow
// there: where a cut pathway is cut.
QPoint milieuTraversee(const Trajet &trajet, const QRect &voie);

// One tick of a marker on its route with a step of pas pixels: acts on the
// first leg whose flag is set, either moving the marker or ending the leg.
// Returns true when the last leg ends.
bool avance(EtatMecanisme &etat, const Trajet &trajet, Marker *influx, const QRect &voie, int pas);

} // namespace trajets
