// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;
class QWidget;

// The recordings as they leave the window for the pupil's report.

// A strip and the words that say, beside it, what it records.
struct BandeNommee
{
    const QWidget *bande;
    QString nom;
};

// The group boxes shown (the strips, the curve), drawn at the screen's pixel
// ratio and at least twice the window's pixels (sharp when pasted in a
// report), one under the other, under the caption's lines (none when empty);
// each named strip shown has its name at its right, level with it.
QImage imageAvecLegende(const QList<QWidget *> &cadres, const QString &legende,
                        const QList<BandeNommee> &noms = {});

// Where a page's parts go in its printable area: the caption on top, a
// quarter of an inch, the image as large as the room left allows with its
// proportions kept and a whole number of dots to each of its pixels, a
// quarter of an inch, the organs' lines.
struct MiseEnPage
{
    QRect legende;
    QRect image;
    QRect organes;
};
MiseEnPage metEnPage(const QRect &zone, int resolution, int hauteurLegende, const QSize &image,
                     int hauteurOrganes);

// One page drawn in `zone` of a device of that resolution (dots an inch): the
// caption, the image, and under it one line per element of the scheme.
// Returns where they went.
MiseEnPage dessinePage(QPainter &peintre, const QRect &zone, int resolution, const QString &legende,
                       const QImage &image, const QStringList &organes);

// The page on a landscape sheet. False when the printer could not start.
bool imprimePage(QPrinter &printer, const QString &legende, const QImage &image,
                 const QStringList &organes);
