// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/scrollbar.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

ScrollBar::ScrollBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent) {}

void ScrollBar::setParams(int position, int minimum, int maximum)
{
    if (maximum < minimum)
        return;
    const int before = value();
    {
        // Changing the range alone may clamp the position on the way; the
        // handler must see only the final one.
        const QSignalBlocker blocker(this);
        setRange(minimum, maximum);
        setValue(position);
    }
    if (value() != before)
        emit valueChanged(value());
}

// A value bar, not a view's scroll bar: Left and Page Down lower the value,
// Right and Page Up raise it (a plain scroll bar inverts the page keys), and
// Home and End go to the ends. Each move goes through valueChanged, so it runs
// the same handlers as a drag.
void ScrollBar::keyPressEvent(QKeyEvent *event)
{
    SliderAction action = SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        action = SliderSingleStepSub;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        action = SliderSingleStepAdd;
        break;
    case Qt::Key_PageDown:
        action = SliderPageStepSub;
        break;
    case Qt::Key_PageUp:
        action = SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        action = SliderToMinimum;
        break;
    case Qt::Key_End:
        action = SliderToMaximum;
        break;
    default:
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(action);
    event->accept();
}

// The bar with the focus shows it as the window's toggles do: a dotted frame,
// here inside the thumb that the keys move.
void ScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect thumb =
        style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(thumb.adjusted(2, 2, -3, -3));
}
