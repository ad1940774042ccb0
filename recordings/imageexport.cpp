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

bool imprimePage(QPrinter &printer, const QString &legende, const QImage &image,
                 const QStringList &organes)
{
    QPainter peintre;
    if (!peintre.begin(&printer))
        return false;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect zone(0, 0, page.width(), page.height());
    const int ligne = printer.resolution() / 4; // a quarter of an inch

    QFont police(QStringLiteral("FreeSans"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSize(14);
    police.setBold(true);
    peintre.setFont(police);
    QRect reste = zone;
    const QRect titre = peintre.boundingRect(reste, Qt::AlignLeft | Qt::TextWordWrap, legende);
    peintre.drawText(titre, Qt::AlignLeft | Qt::TextWordWrap, legende);
    reste.setTop(titre.bottom() + ligne);

    police.setPointSize(11);
    police.setBold(false);
    peintre.setFont(police);
    const int hauteurOrganes = organes.size() * peintre.fontMetrics().lineSpacing();

    // The image keeps its proportions and its pixels square: no smoothing.
    const QSize logique = image.deviceIndependentSize().toSize();
    const QSize place(reste.width(), reste.height() - hauteurOrganes - ligne);
    const QSize dessin = logique.scaled(place, Qt::KeepAspectRatio);
    const QRect cible(reste.topLeft(), dessin);
    peintre.drawImage(cible, image);
    reste.setTop(cible.bottom() + ligne);

    peintre.drawText(reste, Qt::AlignLeft | Qt::AlignTop, organes.join(QLatin1Char('\n')));
    return peintre.end();
}
