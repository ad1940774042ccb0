// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/memo.h"

#include <QFocusEvent>
#include <QPainter>

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

void Memo::focusInEvent(QFocusEvent *event)
{
    const Qt::FocusReason reason = event->reason();
    m_focusShown = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void Memo::focusOutEvent(QFocusEvent *event)
{
    m_focusShown = false;
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

void Memo::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (!m_focusShown)
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
}
