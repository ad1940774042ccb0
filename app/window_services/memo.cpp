// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/memo.h"

#include <QFocusEvent>
#include <QMouseEvent>
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

// A press inside the selected text would start dragging it, and a restless
// class starts a drag while another is under way. The press starts a new
// selection instead (Shift still extends the current one).
void Memo::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ShiftModifier)) {
        QTextCursor cursor = textCursor();
        if (cursor.hasSelection()) {
            cursor.clearSelection();
            setTextCursor(cursor);
        }
    }
    QPlainTextEdit::mousePressEvent(event);
}
