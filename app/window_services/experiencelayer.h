// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QWidget>

// What the experiments leave on the scheme, drawn over its elements: a grey
// veil with a red cross on a lost organ, a gap with a short red bar across a
// cut pathway. The pointer passes through; with nothing to draw it is hidden.
// Made before the scheme's message layer, it stays under the messages.
class ExperienceLayer : public QWidget
{
    Q_OBJECT

public:
    explicit ExperienceLayer(QWidget *scheme);

    // In the scheme's coordinates: the organs veiled, and the middle of each
    // cut pathway's horizontal line.
    void setMarks(const QList<QRect> &veils, const QList<QPoint> &cuts);
    const QList<QPoint> &cuts() const { return m_cuts; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QRect> m_veils;
    QList<QPoint> m_cuts;
};
