// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollBar>

#include <functional>

// A horizontal value bar whose change handler (valueChanged) runs only when the
// position really changes, whether the pupil or the program moved it.
// For assistive technology it is a slider whose value is read with its unit.
class ScrollBar : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(QString unit READ unit WRITE setUnit)

public:
    explicit ScrollBar(QWidget *parent = nullptr);

    QString unit() const { return m_unit; }
    void setUnit(const QString &unit) { m_unit = unit; }
    // The position as the pupil reads it (a whole number when unset).
    void setFormat(std::function<QString(int)> format) { m_format = std::move(format); }
    QString valueText() const { return m_format ? m_format(value()) : QString::number(value()); }

    // Sets position, minimum and maximum in one operation: the position is
    // clamped into the new range and valueChanged is emitted at most once, with
    // the final position, and only if it differs from the old one. A maximum
    // below the minimum is refused and changes nothing.
    void setParams(int position, int minimum, int maximum);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_unit;
    std::function<QString(int)> m_format;
};
