// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A flat button showing one 16 x 16 image of a 64 x 16 strip (up, disabled,
// pressed, down); the colour of the strip's bottom-left pixel is transparent.
// With a group index other than 0 it stays down when clicked (checked means
// down) and releases the other buttons of the same group under the same
// parent; allowAllUp lets a click on the down button release it. Group 0 is a
// push button that springs back. setChecked() runs no click handler.
class GlyphButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QString glyph READ glyph WRITE setGlyph)
    Q_PROPERTY(int groupIndex READ groupIndex WRITE setGroupIndex)
    Q_PROPERTY(bool allowAllUp READ allowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(bool glyphAtBottom READ glyphAtBottom WRITE setGlyphAtBottom)

public:
    explicit GlyphButton(QWidget *parent = nullptr);

    QString glyph() const { return m_glyphPath; }
    void setGlyph(const QString &resourcePath);
    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int group);
    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool on) { m_allowAllUp = on; }
    bool glyphAtBottom() const { return m_glyphAtBottom; }
    void setGlyphAtBottom(bool on);

    enum class GlyphState
    {
        Up = 0,
        Disabled = 1,
        Pressed = 2,
        Down = 3
    };
    // The image shown for a state, transparent colour keyed out.
    QPixmap glyphImage(GlyphState state) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void nextCheckState() override;
    void checkStateSet() override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void releaseGroupSiblings();

    QString m_glyphPath;
    QPixmap m_images[4];
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_glyphAtBottom = false;
    bool m_hovered = false;
};
