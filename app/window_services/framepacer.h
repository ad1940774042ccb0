// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

// Paints a window at most once per frame interval. At the fastest speed the
// handlers change the scheme a thousand times a second; painting and sending
// a frame for each change would cost far more than the simulation itself, for
// images no screen shows. The changes made in between are gathered and
// painted together with the next frame, at most one interval later.
class FramePacer : public QObject
{
    Q_OBJECT

public:
    explicit FramePacer(QWidget *window, int intervalMs = 16);

    // The pacer of a window, if it has one.
    static FramePacer *of(const QWidget *window);

    // Asks for a frame without marking any area: what must be painted is
    // asked for as the frame starts (frameStarting). A control that changes
    // many times between two frames, and may end a frame as it began, paints
    // only when it differs from what the screen shows.
    void requestFrame();

signals:
    // A frame is about to be painted: the last moment to ask for an area.
    void frameStarting();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    int m_interval;
    QElapsedTimer m_lastFrame;
    QTimer m_nextFrame;
    bool m_frameRequested = false;
};
