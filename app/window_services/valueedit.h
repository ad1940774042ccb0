// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <functional>
#include <optional>

// A read-only field showing a value: a whole number, or, for a system with
// decimals, what its number format writes. For assistive technology it holds
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

    // How a value is written and read back (a whole number when unset).
    using Format = std::function<QString(int)>;
    using Reading = std::function<std::optional<int>(const QString &)>;
    void setFormat(Format format, Reading reading);
    // The value shown, 0 when the text is no number (ok says which).
    int value(bool *ok = nullptr) const;
    void setValue(int value) { setText(m_format ? m_format(value) : QString::number(value)); }

private:
    QString m_unit;
    Format m_format;
    Reading m_reading;
};
