// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/intervaltimer.h"

#include <QPointer>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent)
{
    m_fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &IntervalTimer::onExpired);
    }
}

IntervalTimer::~IntervalTimer()
{
    if (m_notifier) {
        m_notifier->setEnabled(false);
        // Deleted from its own handler, the notifier is still delivering the
        // tick: let it finish before it goes.
        if (m_inTick) {
            m_notifier->setParent(nullptr);
            m_notifier->deleteLater();
        } else {
            delete m_notifier;
        }
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds < 0)
        milliseconds = 0;
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    arm();
}

// Programs the period (or disarms with 0) and drops any expiry still pending,
// so that a new interval really starts a whole new period.
void IntervalTimer::arm()
{
    if (m_fd < 0)
        return;
    itimerspec spec{};
    if (m_interval > 0) {
        spec.it_interval.tv_sec = m_interval / 1000;
        spec.it_interval.tv_nsec = long(m_interval % 1000) * 1000000L;
        spec.it_value = spec.it_interval;
    }
    ::timerfd_settime(m_fd, 0, &spec, nullptr);
    // While the handler runs the notifier stays off; onExpired() enables it
    // again when the handler returns.
    if (!m_inTick)
        m_notifier->setEnabled(m_interval > 0);
}

void IntervalTimer::onExpired()
{
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_fd, &expirations, sizeof expirations);
    if (got != ssize_t(sizeof expirations) || expirations == 0 || m_inTick || m_interval == 0)
        return;

    // Missed periods are coalesced into one tick, as a window timer does. The
    // notifier is off while the handler runs so that a nested event loop (a
    // question asked from the handler) cannot deliver another tick.
    m_inTick = true;
    m_notifier->setEnabled(false);
    QPointer<IntervalTimer> alive(this);
    emit timeout();
    if (!alive)
        return;
    m_inTick = false;
    m_notifier->setEnabled(m_interval > 0);
}
