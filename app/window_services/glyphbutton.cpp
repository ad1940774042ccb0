// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/glyphbutton.h"

#include <QImage>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>

GlyphButton::GlyphButton(QWidget *parent) : QAbstractButton(parent)
{
    // Reached by Tab (Space then clicks it), but a click with the mouse leaves
    // the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

// The strip holds up to four square images side by side; the colour of its
// bottom-left pixel is keyed out of all of them. A shorter strip lends its
// first image to the missing states.
void GlyphButton::setGlyph(const QString &resourcePath)
{
    m_glyphPath = resourcePath;
    for (QPixmap &image : m_images)
        image = QPixmap();
    QImage strip(resourcePath);
    if (!strip.isNull()) {
        strip = strip.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = strip.pixel(0, strip.height() - 1);
        for (int y = 0; y < strip.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
            for (int x = 0; x < strip.width(); ++x) {
                if (line[x] == key)
                    line[x] = 0;
            }
        }
        const int side = strip.height();
        const int count = std::clamp(strip.width() / std::max(side, 1), 1, 4);
        const int width = strip.width() / count;
        for (int i = 0; i < 4; ++i) {
            const int source = i < count ? i : 0;
            m_images[i] = QPixmap::fromImage(strip.copy(source * width, 0, width, side));
        }
    }
    updateGeometry();
    update();
}

void GlyphButton::setGroupIndex(int group)
{
    m_groupIndex = group;
    if (group == 0)
        setChecked(false);
    setCheckable(group != 0);
}

void GlyphButton::setGlyphAtBottom(bool on)
{
    m_glyphAtBottom = on;
    update();
}

QPixmap GlyphButton::glyphImage(GlyphState state) const
{
    return m_images[int(state)];
}

QSize GlyphButton::sizeHint() const
{
    const QSize glyph = m_images[0].isNull() ? QSize(16, 16) : m_images[0].size();
    return glyph + QSize(6, 6);
}

// Clicking an up button puts it down; clicking the down one releases it only
// when all buttons of its group may be up.
void GlyphButton::nextCheckState()
{
    if (isChecked() && !m_allowAllUp)
        return;
    QAbstractButton::nextCheckState();
}

void GlyphButton::checkStateSet()
{
    if (isChecked())
        releaseGroupSiblings();
}

void GlyphButton::releaseGroupSiblings()
{
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    const auto siblings = owner->findChildren<GlyphButton *>(Qt::FindDirectChildrenOnly);
    for (GlyphButton *sibling : siblings) {
        if (sibling != this && sibling->m_groupIndex == m_groupIndex && sibling->isChecked())
            sibling->setChecked(false);
    }
}

void GlyphButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void GlyphButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void GlyphButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown() || isChecked();
    if (sunken)
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
    else if (m_hovered && isEnabled())
        qDrawShadePanel(&painter, rect(), palette(), false, 1);

    GlyphState state = GlyphState::Up;
    if (!isEnabled())
        state = GlyphState::Disabled;
    else if (isDown())
        state = GlyphState::Pressed;
    else if (isChecked())
        state = GlyphState::Down;
    const QPixmap &image = m_images[int(state)];
    const int x = (width() - image.width()) / 2;
    const int y = m_glyphAtBottom ? std::max(0, height() - image.height() - 1)
                                  : (height() - image.height()) / 2;
    // A held or down button shows its glyph one pixel lower and to the right.
    const int shift = sunken ? 1 : 0;
    painter.drawPixmap(x + shift, y + shift, image);

    // Only Tab brings the focus here, so it is always shown: a dotted frame
    // inside the bevel, as on a push button reached from the keyboard.
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
