// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/lesionlayer.h"

#include <QPainter>

namespace {
const QColor veil(128, 128, 128, 160);
const QColor red(255, 0, 0);
constexpr int gap = 8;      // pixels of line taken out at a cut
constexpr int overhang = 5; // how far the bar reaches past the line
} // namespace

LesionLayer::LesionLayer(QWidget *scheme) : QWidget(scheme)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(scheme->rect());
    hide();
}

void LesionLayer::setLesions(const QList<QRect> &veils, const QList<Cut> &cuts)
{
    m_veils = veils;
    m_cuts = cuts;
    setGeometry(parentWidget()->rect());
    setVisible(!veils.isEmpty() || !cuts.isEmpty());
    update();
}

void LesionLayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = parentWidget()->palette().color(QPalette::Window);
    for (const QRect &organ : std::as_const(m_veils)) {
        painter.fillRect(organ, veil);
        painter.setPen(QPen(red, 2));
        painter.drawLine(organ.topLeft(), organ.bottomRight());
        painter.drawLine(organ.topRight(), organ.bottomLeft());
    }
    for (const Cut &cut : std::as_const(m_cuts)) {
        // Across the line: the gap, then the bar in its middle.
        const int across = cut.thickness + 2 * overhang;
        QRect hole, bar;
        if (cut.line == Qt::Horizontal) {
            hole = QRect(cut.centre.x() - gap / 2, cut.centre.y() - cut.thickness / 2 - 1, gap,
                         cut.thickness + 2);
            bar = QRect(cut.centre.x() - 1, cut.centre.y() - across / 2, 2, across);
        } else {
            hole = QRect(cut.centre.x() - cut.thickness / 2 - 1, cut.centre.y() - gap / 2,
                         cut.thickness + 2, gap);
            bar = QRect(cut.centre.x() - across / 2, cut.centre.y() - 1, across, 2);
        }
        painter.fillRect(hole, background);
        painter.fillRect(bar, red);
    }
}
