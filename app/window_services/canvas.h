// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <functional>

// The drawing surface of an image control, with a brush, a pen and a font.
// Rectangles are given by their corners (x1, y1)-(x2, y2), the right and
// bottom edges excluded; a line excludes its end point; drawing outside the
// surface is clipped.
class Canvas
{
public:
    // changed is told which part of the surface each drawing operation
    // touched, so that only that part is shown anew.
    explicit Canvas(QImage *surface, std::function<void(const QRect &)> changed = {});

    QColor brushColor() const { return m_brushColor; }
    void setBrushColor(const QColor &color) { m_brushColor = color; }
    QColor penColor() const { return m_penColor; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    int penWidth() const { return m_penWidth; }
    void setPenWidth(int width) { m_penWidth = width; }
    QFont font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }
    QPoint penPosition() const { return m_penPosition; }

    void fillRect(int x1, int y1, int x2, int y2);
    // Pen outline, brush inside.
    void rectangle(int x1, int y1, int x2, int y2);
    void moveTo(int x, int y);
    // Draws from the pen position to (x, y), that point itself not drawn, and
    // leaves the pen there. A pen wider than 1 pixel is centred on the line.
    void lineTo(int x, int y);
    void setPixel(int x, int y, const QColor &color);
    QColor pixel(int x, int y) const;
    // Text with its top-left corner at (x, y), in the canvas font and the
    // font's colour (black), on the brush colour.
    void textOut(int x, int y, const QString &text);
    // The picture copied over the surface from its top-left corner.
    void drawImage(const QImage &image);
    // Absolute height of the font in pixels.
    int fontHeight() const;

    const QImage &surface() const { return *m_surface; }

private:
    void changed(const QRect &area);
    void plot(int x, int y, QRgb rgb);
    void fill(int x1, int y1, int x2, int y2, QRgb rgb);
    void segment(int x0, int y0, int x1, int y1);

    QImage *m_surface;
    std::function<void(const QRect &)> m_changed;
    QColor m_brushColor = Qt::white;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QFont m_font;
    QPoint m_penPosition;
};
