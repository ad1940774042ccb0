// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Installed on a text field (a line edit, a list with one, a memo): the field
// keeps Ctrl+C while it has selected text, and copies that text; with nothing
// selected the shortcut goes on to the window's own copy.
class SelectionCopyFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;
};
