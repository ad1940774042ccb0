// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

// A timer of the window: it runs while its interval is not 0. Setting the
// interval it already has changes nothing; setting another one restarts its
// period; 0 stops it. Ticks arrive one at a time on the window's thread and a
// tick never re-enters while its handler is still running (for example while
// a question is open).
//
// It keeps time: over any stretch while it runs, its handler runs once per
// whole period elapsed. Periods that fell due while the event loop was busy
// (a paint, a long handler) are delivered afterwards, each as a tick of its
// own, so that 1 ms really gives a thousand ticks a second (in a web page,
// whose timers wake no sooner than every 4 ms, all in the same wake). After a
// long stall (the window dragged, the machine asleep) at most catchUpMs worth
// of missed periods is replayed, never a flood.
class IntervalTimer : public QObject
{
    Q_OBJECT

public:
    static constexpr int catchUpMs = 50;

    explicit IntervalTimer(QObject *parent = nullptr);
    ~IntervalTimer() override;

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);
    bool isRunning() const { return m_interval != 0; }
    // A driven timer keeps its interval (it still runs or not) but wakes by
    // itself no more: its owner ticks it, in step with another timer.
    void setDriven(bool driven);
    bool isDriven() const { return m_driven; }

signals:
    void timeout();

private:
    void armForNextPeriod();
    void onWake();

    int m_interval = 0;
    QTimer *m_wake;
    QElapsedTimer m_since;  // start of the current run of periods
    qint64 m_delivered = 0; // periods of this run already ticked
    bool m_inTick = false;
    bool m_driven = false;
};
