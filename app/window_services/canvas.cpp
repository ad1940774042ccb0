// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/canvas.h"

#include "app/window_services/layoutfonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

Canvas::Canvas(QImage *surface, std::function<void(const QRect &)> changed)
    : m_surface(surface), m_changed(std::move(changed)), m_font(windowFont())
{
    // Pixels are written straight into the scan lines, which needs 32 bits.
    if (m_surface->depth() != 32)
        *m_surface = m_surface->convertToFormat(QImage::Format_RGB32);
}

void Canvas::drawImage(const QImage &image)
{
    QPainter peintre(m_surface);
    peintre.setCompositionMode(QPainter::CompositionMode_Source);
    peintre.drawImage(0, 0, image);
    peintre.end();
    changed(image.rect());
}

void Canvas::changed(const QRect &area)
{
    const QRect shown = area & m_surface->rect();
    if (m_changed && !shown.isEmpty())
        m_changed(shown);
}

void Canvas::plot(int x, int y, QRgb rgb)
{
    if (x < 0 || y < 0 || x >= m_surface->width() || y >= m_surface->height())
        return;
    reinterpret_cast<QRgb *>(m_surface->scanLine(y))[x] = rgb;
}

void Canvas::fill(int x1, int y1, int x2, int y2, QRgb rgb)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, m_surface->width());
    y2 = std::min(y2, m_surface->height());
    for (int y = y1; y < y2; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(m_surface->scanLine(y));
        std::fill(line + x1, line + std::max(x1, x2), rgb);
    }
}

void Canvas::fillRect(int x1, int y1, int x2, int y2)
{
    fill(x1, y1, x2, y2, m_brushColor.rgb());
    changed(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void Canvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    fill(x1, y1, x2, y2, m_brushColor.rgb());
    // The outline runs over the border pixels of the rectangle; each segment
    // leaves out its end point, which the next one draws.
    const int right = x2 - 1;
    const int bottom = y2 - 1;
    segment(x1, y1, right, y1);
    segment(right, y1, right, bottom);
    segment(right, bottom, x1, bottom);
    segment(x1, bottom, x1, y1);
    if (right == x1 && bottom == y1)
        plot(x1, y1, m_penColor.rgb());
    changed(QRect(QPoint(x1, y1), QPoint(right, bottom)));
}

void Canvas::moveTo(int x, int y)
{
    m_penPosition = QPoint(x, y);
}

void Canvas::lineTo(int x, int y)
{
    segment(m_penPosition.x(), m_penPosition.y(), x, y);
    // The pen's width spreads the line on both sides.
    const int spread = std::max(m_penWidth, 1);
    changed(
        QRect(m_penPosition, QPoint(x, y)).normalized().adjusted(-spread, -spread, spread, spread));
    m_penPosition = QPoint(x, y);
}

// Bresenham from (x0, y0) towards (x1, y1), the end point left out. A wider
// pen paints a run across the main direction of the line, centred on it: for
// width 2 the run is the pixel before and the pixel on the line.
void Canvas::segment(int x0, int y0, int x1, int y1)
{
    const QRgb rgb = m_penColor.rgb();
    const int width = std::max(m_penWidth, 1);
    const int first = -(width / 2);
    const int last = first + width - 1;

    // Along an axis only the part over the surface is walked: an outline drawn
    // over the whole window's size (the sensor's, at every tick) then costs no
    // more than the pixels it colours.
    if (x0 == x1 || y0 == y1) {
        const bool vertical = x0 == x1;
        const int from = vertical ? y0 : x0;
        const int to = vertical ? y1 : x1;
        const int size = vertical ? m_surface->height() : m_surface->width();
        const int low = std::max(from < to ? from : to + 1, 0);
        const int high = std::min(from < to ? to - 1 : from, size - 1);
        for (int p = low; p <= high; ++p) {
            for (int k = first; k <= last; ++k) {
                if (vertical)
                    plot(x0 + k, p, rgb);
                else
                    plot(p, y0 + k, rgb);
            }
        }
        return;
    }

    const int dx = std::abs(x1 - x0);
    const int dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    const bool steep = dy > dx;

    int err = dx - dy;
    int x = x0;
    int y = y0;
    while (x != x1 || y != y1) {
        if (width == 1) {
            plot(x, y, rgb);
        } else if (steep) {
            for (int k = first; k <= last; ++k)
                plot(x + k, y, rgb);
        } else {
            for (int k = first; k <= last; ++k)
                plot(x, y + k, rgb);
        }
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::setPixel(int x, int y, const QColor &color)
{
    plot(x, y, color.rgb());
    changed(QRect(x, y, 1, 1));
}

QColor Canvas::pixel(int x, int y) const
{
    if (!m_surface->valid(x, y))
        return {};
    return QColor(m_surface->pixel(x, y));
}

void Canvas::textOut(int x, int y, const QString &text)
{
    const QFontMetrics metrics(m_font);
    const QRect cell(x, y, metrics.horizontalAdvance(text), metrics.height());
    QPainter painter(m_surface);
    painter.setFont(m_font);
    painter.fillRect(cell, m_brushColor);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.end();
    // Glyphs may reach a little beyond their advance.
    changed(cell.united(metrics.boundingRect(text).translated(x, y + metrics.ascent())));
}

int Canvas::fontHeight() const
{
    if (m_font.pixelSize() > 0)
        return m_font.pixelSize();
    return int(std::lround(m_font.pointSizeF() * 96.0 / 72.0));
}
