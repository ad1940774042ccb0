// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>

// Real pointer movement over the shown window: the cursor is moved, and the
// window system delivers the move to whatever widget lies on top there.
namespace pointeur {

// The widget a move at this point of the window reaches first: the topmost
// child, or the window itself over its bare area.
inline QWidget *dessus(QWidget *fenetre, QPoint point)
{
    QWidget *enfant = fenetre->childAt(point);
    return enfant ? enfant : fenetre;
}

// True when a move at this point of the window goes to `element`: to the
// element itself or to one of its inner parts (a memo's text area, a list's
// arrow), which Qt makes as unnamed or "qt_" children.
inline bool atteint(QWidget *element, QPoint point)
{
    QWidget *cible = dessus(element->window(), point);
    while (cible != element && cible->parentWidget() &&
           (cible->objectName().isEmpty() || cible->objectName().startsWith(QLatin1String("qt_"))))
        cible = cible->parentWidget();
    return cible == element;
}

// A point of `element` (in its own coordinates) where nothing covers it,
// nearest to its centre; (-1, -1) when it is covered everywhere.
inline QPoint pointLibre(QWidget *element)
{
    QWidget *fenetre = element->window();
    const QPoint centre = element->rect().center();
    QPoint meilleur(-1, -1);
    int distance = -1;
    for (int y = 0; y < element->height(); ++y) {
        for (int x = 0; x < element->width(); ++x) {
            const QPoint point(x, y);
            if (!atteint(element, element->mapTo(fenetre, point)))
                continue;
            const int d = (point - centre).manhattanLength();
            if (distance < 0 || d < distance) {
                meilleur = point;
                distance = d;
            }
        }
    }
    return meilleur;
}

// Moves the pointer over an uncovered point of `element`; `decalage` picks a
// neighbouring uncovered point, so that two moves over one element differ.
inline bool survole(QWidget *element, int decalage = 0)
{
    QPoint point = pointLibre(element);
    if (point.x() < 0)
        return false;
    QWidget *fenetre = element->window();
    for (int dx : {decalage, -decalage}) {
        const QPoint voisin = point + QPoint(dx, 0);
        if (element->rect().contains(voisin) && atteint(element, element->mapTo(fenetre, voisin))) {
            point = voisin;
            break;
        }
    }
    QTest::mouseMove(element, point);
    return true;
}

} // namespace pointeur
