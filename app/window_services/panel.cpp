// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/panel.h"

#include <QPainter>

namespace {

constexpr int edgeWidth = 2;

// One line of the top and left sides in one colour, of the bottom and right
// sides in another, along the outside of the rectangle.
void frameLine(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

Panel::Panel(QWidget *parent) : QWidget(parent)
{
    // Panels cover what lies beneath them (the About panel covers the scheme).
    setAutoFillBackground(true);
}

void Panel::setLowered(bool on)
{
    m_lowered = on;
    update();
}

void Panel::setBorderWidth(int pixels)
{
    m_borderWidth = qMax(0, pixels);
    update();
}

void Panel::setSingleBorder(bool on)
{
    m_singleBorder = on;
    update();
}

QRect Panel::innerRect() const
{
    const int inset = (m_singleBorder ? edgeWidth : 0) + 1 + m_borderWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void Panel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    QRect edge = rect();
    if (m_singleBorder) {
        frameLine(painter, edge, colours.color(QPalette::Dark), colours.color(QPalette::Light));
        edge.adjust(1, 1, -1, -1);
        frameLine(painter, edge, colours.color(QPalette::Shadow),
                  colours.color(QPalette::Midlight));
        edge.adjust(1, 1, -1, -1);
    }
    const QColor light = colours.color(QPalette::Light);
    const QColor shadow = colours.color(QPalette::Dark);
    frameLine(painter, edge, m_lowered ? shadow : light, m_lowered ? light : shadow);
    // The border inside the bevel is the panel's own colour: its background.
}
