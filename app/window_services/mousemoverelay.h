// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Runs a handler whenever the pointer moves over a widget, buttons pressed or
// not. A widget relays the moves over its whole area (Area::Whole), or only
// over its bare area, not covered by a visible child (Area::Bare): Qt passes a
// move over a child that does not take it on to the parent, which must then
// stay silent. A widget relayed whole also relays taking the focus from the
// keyboard, which is how a pupil on the keyboard points at it. The relay belongs to the widget
// and never consumes the event.
class MouseMoveRelay : public QObject
{
    Q_OBJECT

public:
    enum class Area
    {
        Whole,
        Bare
    };

    MouseMoveRelay(QWidget *widget, std::function<void()> handler, Area area = Area::Whole);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    std::function<void()> m_handler;
    Area m_area;
};
