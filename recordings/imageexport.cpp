// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/imageexport.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace {
// Room around the caption, in the window's pixels.
constexpr int margeLegende = 4;
} // namespace

QImage imageAvecLegende(const QList<QWidget *> &cadres, const QString &legende)
{
    QWidget *premier = cadres.first();
    const qreal ratio = premier->devicePixelRatioF();
    QFont police = premier->font();
    police.setBold(true);
    const int hauteurLegende =
        legende.isEmpty() ? 0 : QFontMetrics(police).height() + 2 * margeLegende;

    QSize taille(0, hauteurLegende);
    for (const QWidget *cadre : cadres) {
        taille.setWidth(std::max(taille.width(), cadre->width()));
        taille.rheight() += cadre->height();
    }
    QImage image(taille * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(premier->palette().color(QPalette::Window));

    QPainter peintre(&image);
    peintre.setFont(police);
    peintre.setPen(premier->palette().color(QPalette::WindowText));
    peintre.drawText(QRect(margeLegende, 0, taille.width() - 2 * margeLegende, hauteurLegende),
                     Qt::AlignLeft | Qt::AlignVCenter, legende);
    int y = hauteurLegende;
    for (QWidget *cadre : cadres) {
        peintre.drawPixmap(0, y, cadre->grab());
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
    page.image = QRect(QPoint(zone.left(), haut), image.scaled(place, Qt::KeepAspectRatio));
    page.organes =
        QRect(zone.left(), page.image.bottom() + 1 + ecart, zone.width(), hauteurOrganes);
    return page;
}

bool imprimePage(QPrinter &printer, const QString &legende, const QImage &image,
                 const QStringList &organes)
{
    QPainter peintre;
    if (!peintre.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect zone(0, 0, page.width(), page.height());

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
    const int hauteurOrganes =
        int(organes.size()) * QFontMetrics(policeOrganes, &printer).lineSpacing();

    // The image keeps its proportions and its pixels square: no smoothing.
    const MiseEnPage mise = metEnPage(zone, printer.resolution(), hauteurLegende,
                                      image.deviceIndependentSize().toSize(), hauteurOrganes);
    peintre.drawText(mise.legende, Qt::AlignLeft | Qt::TextWordWrap, legende);
    peintre.drawImage(mise.image, image);
    peintre.setFont(policeOrganes);
    peintre.drawText(mise.organes, Qt::AlignLeft | Qt::AlignTop, organes.join(QLatin1Char('\n')));
    return peintre.end();
}
