// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/scrollbar.h"

#include <QSignalBlocker>

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
