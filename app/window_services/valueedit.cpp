// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/valueedit.h"

#include <QAccessible>

ValueEdit::ValueEdit(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent changed(this, value());
            QAccessible::updateAccessibility(&changed);
        }
    });
}

void ValueEdit::setFormat(Format format, Reading reading)
{
    m_format = std::move(format);
    m_reading = std::move(reading);
}

int ValueEdit::value(bool *ok) const
{
    if (!m_reading)
        return text().toInt(ok);
    const std::optional<int> lue = m_reading(text());
    if (ok)
        *ok = lue.has_value();
    return lue.value_or(0);
}
