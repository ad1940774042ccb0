// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A box without caption. From the outside in: with singleBorder, a sunken
// edge two pixels wide; an outer bevel one pixel wide, raised (light on the
// top and left, shadow on the bottom and right) or lowered (the reverse);
// then borderWidth pixels of the panel's own colour around its inner area.
// A Qt control has no client edge: the children's positions count from the
// panel's outer corner, so the form places the children of a panel with a
// single border two pixels further in than they stand in its client area.
class Panel : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool lowered READ lowered WRITE setLowered)
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(bool singleBorder READ singleBorder WRITE setSingleBorder)

public:
    explicit Panel(QWidget *parent = nullptr);

    bool lowered() const { return m_lowered; }
    void setLowered(bool on);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int pixels);
    bool singleBorder() const { return m_singleBorder; }
    void setSingleBorder(bool on);

    // What lies inside the edge, the bevel and the border.
    QRect innerRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_lowered = false;
    int m_borderWidth = 0;
    bool m_singleBorder = false;
};
