// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/framepacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

FramePacer::FramePacer(QWidget *window, int intervalMs)
    : QObject(window), m_window(window), m_interval(intervalMs)
{
    m_nextFrame.setSingleShot(true);
    m_nextFrame.setTimerType(Qt::PreciseTimer);
    connect(&m_nextFrame, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    });
    window->installEventFilter(this);
}

FramePacer *FramePacer::of(const QWidget *window)
{
    return window ? window->findChild<FramePacer *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void FramePacer::requestFrame()
{
    if (m_frameRequested)
        return;
    m_frameRequested = true;
    QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

// An update request held back leaves the window's changes pending; the request
// posted when the interval is over paints them all.
bool FramePacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::UpdateRequest)
        return false;
    if (!m_lastFrame.isValid() || m_lastFrame.elapsed() >= m_interval) {
        m_lastFrame.start();
        m_frameRequested = false;
        emit frameStarting();
        return false;
    }
    if (!m_nextFrame.isActive())
        m_nextFrame.start(int(m_interval - m_lastFrame.elapsed()));
    return true;
}
