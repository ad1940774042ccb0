// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A box without caption. From the outside in: with singleBorder, a sunken
// edge two pixels wide around its client area; an outer bevel one pixel
// wide, raised (light on the top and left, shadow on the bottom and right) or
// lowered (the reverse); then borderWidth pixels of the panel's colour. The
// children are placed in the client area: their positions count from inside
// the sunken edge (its top-left corner is clientOrigin()).
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

    QPoint clientOrigin() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_lowered = false;
    int m_borderWidth = 0;
    bool m_singleBorder = false;
};
