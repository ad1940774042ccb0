// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/imageexport.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {
// Room around the caption, in the window's pixels.
constexpr int margeLegende = 4;
// The strips' names: their column's widest line, and its room around them.
constexpr int largeurNoms = 200;
constexpr int margeNoms = 6;

// The strips' own font, in regular weight: the caption above is the bold one.
QFont policeNom(const BandeNommee &nommee)
{
    QFont police = nommee.bande->font();
    police.setBold(false);
    return police;
}

bool montreeDans(const BandeNommee &nommee, const QWidget *cadre)
{
    return cadre->isAncestorOf(nommee.bande) && nommee.bande->isVisibleTo(cadre);
}
} // namespace

QImage imageAvecLegende(const QList<QWidget *> &cadres, const QString &legende,
                        const QList<BandeNommee> &noms)
{
    QWidget *premier = cadres.first();
    const qreal ratio = std::max<qreal>(2, premier->devicePixelRatioF());
    QFont police = premier->font();
    police.setBold(true);
    const QFontMetrics mesures(police);
    const int lignes = legende.isEmpty() ? 0 : int(legende.count(QLatin1Char('\n'))) + 1;
    const int hauteurLegende =
        lignes == 0 ? 0 : lignes * mesures.lineSpacing() + mesures.descent() + 2 * margeLegende;

    QSize taille(0, hauteurLegende);
    for (const QWidget *cadre : cadres) {
        taille.setWidth(std::max(taille.width(), cadre->width()));
        taille.rheight() += cadre->height();
    }
    // The names' column, right of the strips' box, as wide as the longest
    // name needs (long ones wrap).
    int debutNoms = 0;
    int colonneNoms = 0;
    for (const BandeNommee &nommee : noms) {
        for (const QWidget *cadre : cadres) {
            if (!montreeDans(nommee, cadre))
                continue;
            const qreal largeur = QFontMetricsF(policeNom(nommee)).horizontalAdvance(nommee.nom);
            debutNoms = std::max(debutNoms, cadre->width() + margeNoms);
            colonneNoms = std::max(colonneNoms, std::min(largeurNoms, int(std::ceil(largeur)) + 1));
        }
    }
    if (colonneNoms > 0)
        taille.setWidth(std::max(taille.width(), debutNoms + colonneNoms + margeNoms));
    QImage image(taille * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // A report pasted into shows it at the window's size, not twice as large.
    const int pointsParMetre = qRound(96 * ratio / 0.0254);
    image.setDotsPerMeterX(pointsParMetre);
    image.setDotsPerMeterY(pointsParMetre);
    image.fill(premier->palette().color(QPalette::Window));

    QPainter peintre(&image);
    peintre.setFont(police);
    peintre.setPen(premier->palette().color(QPalette::WindowText));
    peintre.drawText(QRect(margeLegende, margeLegende, taille.width() - 2 * margeLegende,
                           hauteurLegende - 2 * margeLegende),
                     Qt::AlignLeft | Qt::AlignVCenter, legende);
    // Drawn again at the image's ratio: the texts stay sharp, the strips'
    // pixels become whole squares.
    int y = hauteurLegende;
    for (QWidget *cadre : cadres) {
        cadre->render(&peintre, QPoint(0, y));
        for (const BandeNommee &nommee : noms) {
            if (!montreeDans(nommee, cadre))
                continue;
            const int haut = y + nommee.bande->mapTo(cadre, QPoint(0, 0)).y();
            peintre.setFont(policeNom(nommee));
            peintre.drawText(QRect(debutNoms, haut, colonneNoms, nommee.bande->height()),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, nommee.nom);
        }
        y += cadre->height();
    }
    return image;
}

MiseEnPage metEnPage(const QRect &zone, int resolution, int hauteurLegende, const QSize &image,
                     int hauteurOrganes)
{
    const int ecart = resolution / 4; // a quarter of an inch
    MiseEnPage page;
    page.legende = QRect(zone.left(), zone.top(), zone.width(), hauteurLegende);
    const int haut = page.legende.bottom() + 1 + ecart;
    const QSize place(zone.width(), zone.bottom() + 1 - haut - ecart - hauteurOrganes);
    // A whole number of the page's dots for each of the image's pixels, so
    // that none is drawn wider than its neighbour; smaller only when even
    // one dot a pixel does not fit.
    const int facteur = std::min(place.width() / image.width(), place.height() / image.height());
    const QSize taille = facteur >= 1 ? image * facteur : image.scaled(place, Qt::KeepAspectRatio);
    page.image = QRect(QPoint(zone.left(), haut), taille);
    page.organes =
        QRect(zone.left(), page.image.bottom() + 1 + ecart, zone.width(), hauteurOrganes);
    return page;
}

MiseEnPage dessinePage(QPainter &peintre, const QRect &zone, int resolution, const QString &legende,
                       const QImage &image, const QStringList &organes)
{
    QFont police(QStringLiteral("FreeSans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(14);
    police.setBold(true);
    peintre.setFont(police);
    const int hauteurLegende =
        peintre.boundingRect(zone, Qt::AlignLeft | Qt::TextWordWrap, legende).height();
    QFont policeOrganes = police;
    policeOrganes.setPointSize(11);
    policeOrganes.setBold(false);
    const QFontMetrics mesuresOrganes(policeOrganes, peintre.device());
    const int hauteurOrganes =
        int(organes.size()) * mesuresOrganes.lineSpacing() + mesuresOrganes.descent();

    // The image's own pixels, each drawn as a block of whole dots: no
    // smoothing, no blur.
    const MiseEnPage mise =
        metEnPage(zone, resolution, hauteurLegende, image.size(), hauteurOrganes);
    peintre.drawText(mise.legende, Qt::AlignLeft | Qt::TextWordWrap, legende);
    peintre.setRenderHint(QPainter::SmoothPixmapTransform, false);
    peintre.drawImage(mise.image, image);
    peintre.setFont(policeOrganes);
    peintre.drawText(mise.organes, Qt::AlignLeft | Qt::AlignTop, organes.join(QLatin1Char('\n')));
    return mise;
}

bool imprimePage(QPrinter &printer, const QString &legende, const QImage &image,
                 const QStringList &organes)
{
    QPainter peintre;
    if (!peintre.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    dessinePage(peintre, QRect(0, 0, page.width(), page.height()), printer.resolution(), legende,
                image, organes);
    return peintre.end();
}
