// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/valueedit.h"

#include <QAccessible>

ValueEdit::ValueEdit(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent changed(this, text.toInt());
            QAccessible::updateAccessibility(&changed);
        }
    });
}
