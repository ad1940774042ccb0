// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

class FramePacer;
class MarkerLayer;

// A message marker on the scheme: a small bar in one colour. It is drawn by
// the layer of its scheme, not as a control of its own: a marker moves on
// every tick of its pathway, up to a thousand times a second, and moving or
// showing a control costs far more than drawing a bar. Until shown it draws
// nothing. Its name is what assistive technology calls it.
class Marker : public QObject
{
    Q_OBJECT

public:
    // Its surface is size x size in its colour; it shows the top-left part of
    // the surface that its own size covers.
    Marker(MarkerLayer *layer, const QColor &colour, int size, const QString &name);
    ~Marker() override;

    QRect geometry() const { return m_geometry; }
    QPoint pos() const { return m_geometry.topLeft(); }
    int x() const { return m_geometry.x(); }
    int y() const { return m_geometry.y(); }
    int width() const { return m_geometry.width(); }
    int height() const { return m_geometry.height(); }
    QSize size() const { return m_geometry.size(); }
    void move(const QPoint &position);
    void move(int x, int y) { move(QPoint(x, y)); }
    void setGeometry(int x, int y, int width, int height);
    void resize(int width, int height);

    bool isVisible() const { return m_visible; }
    void show();

    const QImage &image() const { return m_image; }
    QString name() const { return objectName(); }
    // The control the marker is drawn on.
    QWidget *parentWidget() const;
    MarkerLayer *layer() const { return m_layer; }

private:
    void changeGeometry(const QRect &geometry);

    QPointer<MarkerLayer> m_layer;
    QImage m_image;
    QRect m_geometry;
    bool m_visible = false;
};

// The layer of a scheme on which its markers are drawn, above every element of
// the scheme, in the order they were made. The pointer goes through it to the
// elements beneath (markers travel only while help mode is off).
class MarkerLayer : public QWidget
{
    Q_OBJECT

public:
    // Covers the scheme, above the elements it has so far.
    explicit MarkerLayer(QWidget *scheme);

    const QList<Marker *> &markers() const { return m_markers; }
    // The shown marker under a point of the scheme, the last made first.
    Marker *markerAt(const QPoint &point) const;

    // Between two frames a marker may cross its whole route; only where the
    // markers were drawn last and where they stand now need painting. With
    // the window's pacer, the layer asks for those areas as a frame starts.
    void followFrames(FramePacer *pacer);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class Marker;
    void changed(const QRect &before, const QRect &after);
    void askForFrameAreas();

    QList<Marker *> m_markers;
    QList<QRect> m_onScreen; // where the last frame drew markers
    QPointer<FramePacer> m_pacer;
    bool m_frameAsked = false;
};
