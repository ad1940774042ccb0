// SPDX-License-Identifier: GPL-3.0-or-later
#include "mechanism/trajets.h"

#include "app/window_services/markerlayer.h"

namespace trajets {

namespace {

using E = EtatMecanisme;
constexpr QSize vertical(4, 10);
constexpr QSize horizontal(10, 4);
constexpr Cote inchange{Repere::Inchange};

int position(const Cote &cote, const QRect &voie, int actuelle)
{
    switch (cote.repere) {
    case Repere::Gauche:
        return voie.x() + cote.decalage;
    case Repere::Droite:
        return voie.x() + voie.width() + cote.decalage;
    case Repere::Haut:
        return voie.y() + cote.decalage;
    case Repere::Bas:
        return voie.y() + voie.height() + cote.decalage;
    case Repere::Inchange:
        break;
    }
    return actuelle;
}

} // namespace

// From the sensor at the foot of the left side: up, right along the top, down
// into the integrating centre.
const Trajet trajetSensitif = {
    {Repere::Gauche, 10},
    {Repere::Bas, 0},
    {{
        {&E::PhaseSensitiveMontee,
         Qt::Vertical,
         -1,
         {Repere::Haut, 0},
         inchange,
         {Repere::Haut, 10},
         horizontal},
        {&E::PhaseSensitiveTraversee,
         Qt::Horizontal,
         +1,
         {Repere::Droite, -17},
         {Repere::Droite, -17},
         inchange,
         vertical},
        {&E::PhaseSensitiveDescente, Qt::Vertical, +1, {Repere::Bas, 0}, inchange, inchange, {}},
    }}};

// From the centre at the top of the right side: down, left along the bottom,
// up to the stimulating effector.
const Trajet trajetStimulateur = {
    {Repere::Gauche, 246},
    {Repere::Haut, 0},
    {{
        {&E::PhaseStimulatriceDescente,
         Qt::Vertical,
         +1,
         {Repere::Haut, 33},
         {Repere::Gauche, 240 - 10},
         {Repere::Haut, 42 - 4},
         horizontal},
        {&E::PhaseStimulatriceTraversee,
         Qt::Horizontal,
         -1,
         {Repere::Gauche, 1},
         {Repere::Gauche, 1},
         {Repere::Haut, 32 - 10},
         vertical},
        {&E::PhaseStimulatriceMontee, Qt::Vertical, -1, {Repere::Haut, 10}, inchange, inchange, {}},
    }}};

// The inhibiting route stops its crossing earlier and its climb later than
// the stimulating one, to meet its own effector.
const Trajet trajetInhibiteur = {
    {Repere::Gauche, 297},
    {Repere::Haut, 0},
    {{
        {&E::PhaseInhibitriceDescente,
         Qt::Vertical,
         +1,
         {Repere::Haut, 70},
         {Repere::Gauche, 294 - 10},
         {Repere::Haut, 70},
         horizontal},
        {&E::PhaseInhibitriceTraversee,
         Qt::Horizontal,
         -1,
         {Repere::Gauche, 10},
         {Repere::Gauche, 1},
         {Repere::Haut, 65 - 10},
         vertical},
        {&E::PhaseInhibitriceMontee, Qt::Vertical, -1, {Repere::Haut, 1}, inchange, inchange, {}},
    }}};

std::unique_ptr<Marker> nouvelInflux(MarkerLayer *schema, const Trajet &trajet, const QRect &voie,
                                     const QColor &couleur, const QString &nom)
{
    auto influx = std::make_unique<Marker>(schema, couleur, 10, nom);
    influx->setGeometry(position(trajet.departX, voie, 0), position(trajet.departY, voie, 0),
                        vertical.width(), vertical.height());
    return influx;
}

QPoint milieuTraversee(const Trajet &trajet, const QRect &voie)
{
    // The crossing starts where the first leg leaves the marker, in the
    // shape it gives it, and ends on its own limit.
    const Jambe &premiere = trajet.jambes[0];
    const Jambe &traversee = trajet.jambes[1];
    const int departX = position(trajet.departX, voie, 0);
    const int debut = position(premiere.finX, voie, departX);
    const int fin = position(traversee.limite, voie, debut);
    const int ligne = position(premiere.finY, voie, 0);
    return {(debut + fin + premiere.forme.width()) / 2, ligne + premiere.forme.height() / 2};
}

bool avance(EtatMecanisme &etat, const Trajet &trajet, Marker *influx, const QRect &voie, int pas)
{
    if (!influx)
        return false;
    const auto &jambes = trajet.jambes;
    for (std::size_t jambe = 0; jambe < jambes.size(); ++jambe) {
        const Jambe &j = jambes[jambe];
        if (!(etat.*j.phase))
            continue;
        const bool horizontale = j.axe == Qt::Horizontal;
        const int coordonnee = horizontale ? influx->x() : influx->y();
        const int ligne = position(j.limite, voie, coordonnee);
        if (j.sens * (coordonnee - ligne) < -pas) {
            const int deplacement = j.sens * pas;
            influx->move(influx->pos() +
                         (horizontale ? QPoint(deplacement, 0) : QPoint(0, deplacement)));
            return false;
        }
        etat.*j.phase = false;
        if (jambe + 1 == jambes.size())
            return true;
        etat.*jambes[jambe + 1].phase = true;
        influx->setGeometry(position(j.finX, voie, influx->x()),
                            position(j.finY, voie, influx->y()), j.forme.width(), j.forme.height());
        return false;
    }
    return false;
}

} // namespace trajets
