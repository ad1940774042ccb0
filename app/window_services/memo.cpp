// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/memo.h"

Memo::Memo(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The short notes are laid out to fill their boxes: keep the inner margin
    // small.
    document()->setDocumentMargin(2);
}

void Memo::setLines(const QStringList &lines)
{
    setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList Memo::lines() const
{
    return toPlainText().split(QLatin1Char('\n'));
}
