// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/selectioncopyfilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

bool hasSelectedText(QObject *field)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        field = combo->lineEdit();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit->hasSelectedText();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
        return memo->textCursor().hasSelection();
    return false;
}

} // namespace

bool SelectionCopyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ShortcutOverride ||
        !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy) || hasSelectedText(watched))
        return false;
    // Not claimed by the field: the window's shortcut runs.
    event->ignore();
    return true;
}
