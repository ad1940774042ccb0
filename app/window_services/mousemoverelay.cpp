// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/mousemoverelay.h"

#include <QMouseEvent>
#include <QWidget>

MouseMoveRelay::MouseMoveRelay(QWidget *widget, std::function<void()> handler, Area area)
    : QObject(widget), m_widget(widget), m_handler(std::move(handler)), m_area(area)
{
    // Without tracking, Qt drops the moves made with no button down before
    // any filter of the widget sees them.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool MouseMoveRelay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget)
        return false;
    if (event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (m_area == Area::Whole || !m_widget->childAt(move->position().toPoint()))
            m_handler();
    } else if (event->type() == QEvent::FocusIn && m_area == Area::Whole) {
        // Only the keyboard points: a click's focus comes with its own moves.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            m_handler();
    }
    return false;
}
