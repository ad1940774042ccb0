// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/autosizelabel.h"

#include <QFontMetrics>
#include <QTextDocument>

namespace {

// A tooltip takes a text that looks like markup for markup: such a text goes
// as the markup that shows it letter for letter.
QString texteLitteral(const QString &texte)
{
    return Qt::mightBeRichText(texte) ? Qt::convertFromPlainText(texte, Qt::WhiteSpaceNoWrap)
                                      : texte;
}

} // namespace

AutoSizeLabel::AutoSizeLabel(QWidget *parent) : QLabel(parent)
{
    setMargin(0);
    setIndent(0);
    setContentsMargins(0, 0, 0, 0);
}

void AutoSizeLabel::setCaption(const QString &text, const Fits &fits)
{
    m_caption = text;
    QString shown = text;
    if (fits && !fits(text)) {
        // The longest beginning that fits with its ellipsis.
        qsizetype kept = 0;
        qsizetype over = text.size();
        while (over - kept > 1) {
            const qsizetype middle = (kept + over) / 2;
            if (fits(text.left(middle).trimmed() + u'…'))
                kept = middle;
            else
                over = middle;
        }
        shown = text.left(kept).trimmed() + u'…';
    }
    showText(shown);
    const bool shortened = shown != text;
    setToolTip(shortened ? texteLitteral(text) : QString());
    setAccessibleName(shortened ? text : QString());
}

void AutoSizeLabel::showText(const QString &text)
{
    // A caption is shown as written: a teacher's "<b>" is three characters.
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
