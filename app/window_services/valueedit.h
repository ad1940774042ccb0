// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A read-only field showing a whole number. For assistive technology it holds
// a value, read with its unit.
class ValueEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString unit READ unit WRITE setUnit)

public:
    explicit ValueEdit(QWidget *parent = nullptr);

    // The regulated value is set up to a thousand times a second, often to
    // the text already shown: that changes nothing, not even the layout.
    void setText(const QString &text)
    {
        if (text != QLineEdit::text())
            QLineEdit::setText(text);
    }

    QString unit() const { return m_unit; }
    void setUnit(const QString &unit) { m_unit = unit; }

private:
    QString m_unit;
};
