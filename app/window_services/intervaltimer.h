// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// A timer of the window: it runs while its interval is not 0. Setting the
// interval it already has changes nothing; setting another one restarts its
// period; 0 stops it. Ticks arrive one at a time on the window's thread and a
// tick never re-enters while its handler is still running (for example while
// a question is open). At 1 ms it really ticks about a thousand times a second.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    explicit IntervalTimer(QObject *parent = nullptr);
    ~IntervalTimer() override;

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isRunning() const { return m_interval != 0; }

signals:
    void timeout();

private:
    void arm();
    void onExpired();

    int m_interval = 0;
    int m_fd = -1;
    bool m_inTick = false;
    QSocketNotifier *m_notifier = nullptr;
};
