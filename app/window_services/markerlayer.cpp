// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/markerlayer.h"

#include "app/window_services/framepacer.h"

#include <QAccessible>
#include <QPainter>

namespace {
void tellAssistiveTechnology(Marker *marker, QAccessible::Event what)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(marker, what);
    QAccessible::updateAccessibility(&event);
}
} // namespace

Marker::Marker(MarkerLayer *layer, const QColor &colour, int size, const QString &name)
    : m_layer(layer), m_image(size, size, QImage::Format_RGB32), m_geometry(0, 0, size, size)
{
    setObjectName(name);
    m_image.fill(colour);
    if (m_layer)
        m_layer->m_markers.append(this);
}

Marker::~Marker()
{
    if (!m_layer)
        return;
    m_layer->m_markers.removeOne(this);
    if (m_visible)
        m_layer->changed(m_geometry, QRect());
}

QWidget *Marker::parentWidget() const
{
    return m_layer ? m_layer->parentWidget() : nullptr;
}

void Marker::move(const QPoint &position)
{
    changeGeometry(QRect(position, m_geometry.size()));
}

void Marker::setGeometry(int x, int y, int width, int height)
{
    changeGeometry(QRect(x, y, width, height));
}

void Marker::resize(int width, int height)
{
    changeGeometry(QRect(m_geometry.topLeft(), QSize(width, height)));
}

void Marker::changeGeometry(const QRect &geometry)
{
    if (geometry == m_geometry)
        return;
    const QRect before = m_geometry;
    m_geometry = geometry;
    if (m_visible && m_layer)
        m_layer->changed(before, geometry);
    if (m_visible)
        tellAssistiveTechnology(this, QAccessible::LocationChanged);
}

void Marker::show()
{
    if (m_visible)
        return;
    m_visible = true;
    if (m_layer)
        m_layer->changed(QRect(), m_geometry);
    tellAssistiveTechnology(this, QAccessible::ObjectShow);
}

MarkerLayer::MarkerLayer(QWidget *scheme) : QWidget(scheme)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(scheme->rect());
    raise();
    show();
}

Marker *MarkerLayer::markerAt(const QPoint &point) const
{
    for (auto marker = m_markers.crbegin(); marker != m_markers.crend(); ++marker) {
        if ((*marker)->isVisible() && (*marker)->geometry().contains(point))
            return *marker;
    }
    return nullptr;
}

void MarkerLayer::followFrames(FramePacer *pacer)
{
    m_pacer = pacer;
    connect(pacer, &FramePacer::frameStarting, this, &MarkerLayer::askForFrameAreas);
}

void MarkerLayer::changed(const QRect &before, const QRect &after)
{
    if (!m_pacer) {
        update(before);
        update(after);
        return;
    }
    // The first change since the last frame asks for one; the frame then
    // asks for every area it must paint.
    if (!m_frameAsked) {
        m_frameAsked = true;
        m_pacer->requestFrame();
    }
}

void MarkerLayer::askForFrameAreas()
{
    if (!m_frameAsked)
        return;
    m_frameAsked = false;
    for (const QRect &drawn : std::as_const(m_onScreen))
        update(drawn);
    m_onScreen.clear();
    for (const Marker *marker : std::as_const(m_markers)) {
        if (marker->isVisible()) {
            update(marker->geometry());
            m_onScreen.append(marker->geometry());
        }
    }
}

void MarkerLayer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (const Marker *marker : std::as_const(m_markers)) {
        if (marker->isVisible())
            painter.drawImage(marker->pos(), marker->image(), QRect(QPoint(), marker->size()));
    }
}
