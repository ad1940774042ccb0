// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class Canvas;
class FramePacer;

// A picture box. It shows a stored picture (a resource path), or a drawing
// surface made at the control's size the first time its canvas is used; a
// surface larger than the control shows its top-left part. With autoSize the
// control takes the size of its picture; with transparent the silver surface
// around the drawing is left undrawn. The tag is a free integer that the
// scheme uses as the mode of a pathway or effector.
class ImageControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(int tag READ tag WRITE setTag)

public:
    explicit ImageControl(QWidget *parent = nullptr);
    ~ImageControl() override;

    QString picture() const { return m_picturePath; }
    void setPicture(const QString &resourcePath);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // The stored picture, or the drawing surface (null before first use).
    const QImage &image() const;
    Canvas &canvas();

    // Shown or not, while the control stays in place: the sensor blinks, the
    // lightning flickers and the effectors flash up to a thousand times a
    // second, and every show or hide of a control would ask the display
    // server where the pointer is. Not shown, the control paints nothing and
    // lets the pointer through to what lies beneath, as a hidden one would;
    // assistive technology reads it as invisible.
    bool isShown() const { return m_isShown; }
    void setShown(bool on);

    // What the picture shows, in words, for a pupil who cannot see it (the
    // sensor's deviation, say): read as its value and after its name, or
    // after its description for a picture whose name should stay short.
    // Asked only when assistive technology reads the picture, so that it
    // costs nothing otherwise.
    enum class StatePlace
    {
        Name,
        Description
    };
    void setStateInWords(std::function<QString()> state, StatePlace place = StatePlace::Name)
    {
        m_stateInWords = std::move(state);
        m_statePlace = place;
    }
    QString stateInWords() const { return m_stateInWords ? m_stateInWords() : QString(); }
    StatePlace statePlace() const { return m_statePlace; }
    // What the picture shows has changed: a screen reader listening hears its
    // name or description again.
    void announceStateChange();

signals:
    void stateInWordsChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void rebuildShown();
    void updateOpacity();
    FramePacer *framePacer();
    void paintIfShownChanged();

    QString m_picturePath;
    QImage m_picture;
    QImage m_shown; // the picture with its transparent colour keyed out
    QImage m_fine;  // the picture drawn at twice the resolution, if any
    QImage m_fineShown;
    bool m_autoSize = false;
    bool m_transparent = false;
    int m_tag = 0;
    bool m_isShown = true;
    // Shown or not as the screen last showed it, while a frame is awaited.
    bool m_shownOnScreen = true;
    bool m_awaitsFrame = false;
    QPointer<FramePacer> m_pacer;
    bool m_pacerSought = false;
    QImage m_surface;
    std::unique_ptr<Canvas> m_canvas;
    std::function<QString()> m_stateInWords;
    StatePlace m_statePlace = StatePlace::Name;
};
