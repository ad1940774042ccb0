// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/intervaltimer.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
constexpr qint64 nsPerMs = 1000000;
// A browser wakes a timer no sooner than every 4 ms or so: there every period
// due is ticked in the same wake, or a 1 ms period could not keep its
// thousand ticks a second. Elsewhere a wake ticks one period and the event
// loop runs before the next.
#ifdef Q_OS_WASM
constexpr bool ticksAllDueInOneWake = true;
#else
constexpr bool ticksAllDueInOneWake = false;
#endif
} // namespace

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent), m_wake(new QTimer(this))
{
    m_wake->setSingleShot(true);
    m_wake->setTimerType(Qt::PreciseTimer);
    connect(m_wake, &QTimer::timeout, this, &IntervalTimer::onWake);
}

IntervalTimer::~IntervalTimer()
{
    // Deleted from its own handler, the wake-up timer is still delivering the
    // tick: let it finish before it goes.
    if (m_inTick) {
        m_wake->stop();
        m_wake->setParent(nullptr);
        m_wake->deleteLater();
    }
}

void IntervalTimer::setInterval(int milliseconds)
{
    milliseconds = std::max(0, milliseconds);
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    if (m_interval == 0) {
        m_wake->stop();
        return;
    }
    m_since.start();
    m_delivered = 0;
    // Inside the handler the timer is armed again when the handler returns.
    if (!m_inTick)
        armForNextPeriod();
}

void IntervalTimer::setDriven(bool driven)
{
    if (driven == m_driven)
        return;
    m_driven = driven;
    m_wake->stop();
    // Set free, it counts its periods from now: none is owed for the time
    // it was driven.
    if (!m_driven && m_interval != 0) {
        m_since.start();
        m_delivered = 0;
        if (!m_inTick)
            armForNextPeriod();
    }
}

// Wakes at the end of the next period not yet ticked, or at once when one is
// already due.
void IntervalTimer::armForNextPeriod()
{
    if (m_driven)
        return;
    const qint64 nextDue = (m_delivered + 1) * m_interval * nsPerMs;
    const qint64 wait = nextDue - m_since.nsecsElapsed();
    m_wake->start(wait <= 0 ? 0 : int((wait + nsPerMs - 1) / nsPerMs));
}

void IntervalTimer::onWake()
{
    // While the handler runs (a question may be open in it) nothing is
    // delivered; the handler's return arms the timer again.
    if (m_inTick || m_interval == 0 || m_driven)
        return;
    const qint64 due = m_since.nsecsElapsed() / (m_interval * nsPerMs);
    const qint64 mostMissed = std::max(1, catchUpMs / m_interval);
    m_delivered = std::max(m_delivered, due - mostMissed);
    if (due <= m_delivered) {
        armForNextPeriod();
        return;
    }

    QPointer<IntervalTimer> alive(this);
    do {
        ++m_delivered;
        m_inTick = true;
        emit timeout();
        if (!alive)
            return;
        m_inTick = false;
    } while (ticksAllDueInOneWake && m_interval != 0 &&
             m_delivered < m_since.nsecsElapsed() / (m_interval * nsPerMs));
    if (m_interval != 0)
        armForNextPeriod();
}
