// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// The recordings as they leave the window for the pupil's report.

// The group boxes shown (the strips, the curve), as on the screen at its pixel
// ratio, one under the other, under a caption line (none when empty).
QImage imageAvecLegende(const QList<QWidget *> &cadres, const QString &legende);

// Where a page's parts go in its printable area: the caption on top, a
// quarter of an inch, the image as large as the room left allows with its
// proportions kept, a quarter of an inch, the organs' lines.
struct MiseEnPage
{
    QRect legende;
    QRect image;
    QRect organes;
};
MiseEnPage metEnPage(const QRect &zone, int resolution, int hauteurLegende, const QSize &image,
                     int hauteurOrganes);

// One landscape page: the caption, the image across the page's width, and
// under it one line per organ of the scheme. False when the printer could not
// start.
bool imprimePage(QPrinter &printer, const QString &legende, const QImage &image,
                 const QStringList &organes);
