// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <functional>

// A label that fits itself to a caption set by the program: its width and
// height become those of the text, or, when it wraps words, it keeps its width
// and takes the height of the wrapped lines. Its stored size is kept until the
// first setCaption().
class AutoSizeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AutoSizeLabel(QWidget *parent = nullptr);

    // Whether a text shown in the label keeps within its room.
    using Fits = std::function<bool(const QString &shown)>;
    // The caption, shortened with "…" where it does not fit: the whole of it
    // is then the label's tooltip and accessible name.
    void setCaption(const QString &text, const Fits &fits = {});
    // The whole caption, as set.
    QString caption() const { return m_caption.isNull() ? text() : m_caption; }

private:
    void showText(const QString &text);

    QString m_caption;
};
