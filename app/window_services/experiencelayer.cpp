// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/experiencelayer.h"

#include <QPainter>

namespace {
const QColor veil(128, 128, 128, 160);
const QColor red(255, 0, 0);
constexpr int gap = 8;       // pixels of line taken out at a cut
constexpr int thickness = 8; // a pathway's line, with its outline
constexpr int overhang = 5;  // how far the bar reaches past the line
} // namespace

ExperienceLayer::ExperienceLayer(QWidget *scheme) : QWidget(scheme)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(scheme->rect());
    hide();
}

void ExperienceLayer::setMarks(const QList<QRect> &veils, const QList<QPoint> &cuts)
{
    m_veils = veils;
    m_cuts = cuts;
    setGeometry(parentWidget()->rect());
    setVisible(!veils.isEmpty() || !cuts.isEmpty());
    update();
}

void ExperienceLayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = parentWidget()->palette().color(QPalette::Window);
    for (const QRect &organ : std::as_const(m_veils)) {
        painter.fillRect(organ, veil);
        painter.setPen(QPen(red, 2));
        painter.drawLine(organ.topLeft(), organ.bottomRight());
        painter.drawLine(organ.topRight(), organ.bottomLeft());
    }
    for (const QPoint &cut : std::as_const(m_cuts)) {
        // Across the line: the gap, then the bar in its middle.
        const int across = thickness + 2 * overhang;
        painter.fillRect(QRect(cut.x() - gap / 2, cut.y() - thickness / 2 - 1, gap, thickness + 2),
                         background);
        painter.fillRect(QRect(cut.x() - 1, cut.y() - across / 2, 2, across), red);
    }
}
