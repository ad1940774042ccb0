// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/autosizelabel.h"

#include <QFontMetrics>

AutoSizeLabel::AutoSizeLabel(QWidget *parent) : QLabel(parent)
{
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
}

void AutoSizeLabel::setCaption(const QString &text)
{
    // A caption is shown as written: a teacher's "<b>" is two characters.
    setTextFormat(Qt::PlainText);
    setText(text);
    const QFontMetrics metrics(font());
    if (wordWrap()) {
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, width(), 0), Qt::TextWordWrap | alignment(), text);
        resize(width(), wrapped.height());
    } else {
        resize(metrics.horizontalAdvance(text), metrics.height());
    }
}
