// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/imagecontrol.h"

#include "app/window_services/canvas.h"
#include "app/window_services/framepacer.h"

#include <QAccessible>
#include <QPainter>

namespace {
QImage keyedOut(const QImage &source)
{
    if (source.isNull())
        return {};
    const QRgb silver = qRgb(192, 192, 192);
    QImage keyed = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (line[x] == silver)
                line[x] = 0;
        }
    }
    keyed.setDevicePixelRatio(source.devicePixelRatio());
    return keyed;
}

// The picture drawn at twice the resolution ("name@2x.png"), when there is one.
QImage fineVersion(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    QImage fine(path.left(dot) + QLatin1String("@2x") + path.mid(dot));
    fine.setDevicePixelRatio(2);
    return fine;
}
} // namespace

ImageControl::ImageControl(QWidget *parent) : QWidget(parent) {}

ImageControl::~ImageControl() = default;

void ImageControl::setPicture(const QString &resourcePath)
{
    m_picturePath = resourcePath;
    m_picture = resourcePath.isEmpty() ? QImage() : QImage(resourcePath);
    m_fine = resourcePath.isEmpty() ? QImage() : fineVersion(resourcePath);
    // A canvas already in use goes on drawing, now on the new picture.
    if (m_canvas && !m_picture.isNull())
        m_surface = m_picture.convertToFormat(QImage::Format_RGB32);
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
    rebuildShown();
}

void ImageControl::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !image().isNull())
        resize(image().size());
}

void ImageControl::setTransparent(bool on)
{
    m_transparent = on;
    rebuildShown();
}

const QImage &ImageControl::image() const
{
    return m_surface.isNull() ? m_picture : m_surface;
}

Canvas &ImageControl::canvas()
{
    if (!m_canvas) {
        // A control without a picture draws on a white surface of the size it
        // has now; the surface keeps that size if the control changes later.
        if (m_picture.isNull()) {
            m_surface = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
            m_surface.fill(Qt::white);
        } else {
            m_surface = m_picture.convertToFormat(QImage::Format_RGB32);
        }
        m_canvas = std::make_unique<Canvas>(&m_surface, [this](const QRect &area) {
            m_shown = QImage();
            update(area);
        });
        m_shown = QImage();
        updateOpacity();
        update();
    }
    return *m_canvas;
}

void ImageControl::setShown(bool on)
{
    if (on == m_isShown)
        return;
    m_isShown = on;
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    updateOpacity();
    // The sensor blinks at every tick: between two frames it may be shown and
    // hidden again many times, and needs painting only if the frame shows it
    // otherwise than the last one did.
    if (!m_awaitsFrame) {
        if (FramePacer *pacer = framePacer()) {
            m_awaitsFrame = true;
            m_shownOnScreen = !on;
            pacer->requestFrame();
        } else {
            update();
        }
    }
    // Assistive technology hears the picture appear and go; its accessible
    // state reads it as invisible while it is not drawn.
    if (QAccessible::isActive() && isVisible()) {
        QAccessibleEvent event(this, on ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        QAccessible::updateAccessibility(&event);
    }
}

void ImageControl::announceStateChange()
{
    emit stateInWordsChanged();
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, m_statePlace == StatePlace::Name
                                     ? QAccessible::NameChanged
                                     : QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

// Looked up once: the blink asks for it at every frame.
FramePacer *ImageControl::framePacer()
{
    if (!m_pacerSought) {
        m_pacerSought = true;
        m_pacer = FramePacer::of(window());
        if (m_pacer)
            connect(m_pacer, &FramePacer::frameStarting, this, &ImageControl::paintIfShownChanged);
    }
    return m_pacer;
}

void ImageControl::paintIfShownChanged()
{
    if (!m_awaitsFrame)
        return;
    m_awaitsFrame = false;
    if (m_isShown != m_shownOnScreen)
        update();
}

// A shown picture or drawing without see-through parts that covers the whole
// control needs nothing beneath it painted first: the strips, the sensor and
// the effectors change at every frame.
void ImageControl::updateOpacity()
{
    const QImage &shown = image();
    const bool covers = !m_transparent && !shown.isNull() && !shown.hasAlphaChannel() &&
                        shown.width() >= width() && shown.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, m_isShown && covers);
}

void ImageControl::resizeEvent(QResizeEvent *)
{
    updateOpacity();
}

// With transparent, the silver surface around the drawing is keyed out once
// rather than on every paint; a drawing on the canvas asks for it again.
void ImageControl::rebuildShown()
{
    m_shown = m_transparent ? keyedOut(image()) : QImage();
    m_fineShown = m_transparent ? keyedOut(m_fine) : m_fine;
    updateOpacity();
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (!m_isShown)
        return;
    if (m_transparent && m_shown.isNull())
        m_shown = keyedOut(image());
    const QImage &shown = m_transparent ? m_shown : image();
    if (shown.isNull())
        return;
    QPainter painter(this);
    // On a screen of two device pixels per pixel or more, a stored picture
    // that was also drawn at that resolution shows its finer drawing; a
    // picture drawn on, and every other, is enlarged pixel for pixel.
    if (!m_canvas && !m_fineShown.isNull() && painter.deviceTransform().m11() >= 2)
        painter.drawImage(0, 0, m_fineShown);
    else
        painter.drawImage(0, 0, shown);
}
