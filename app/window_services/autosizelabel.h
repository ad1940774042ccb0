// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label that fits itself to a caption set by the program: its width and
// height become those of the text, or, when it wraps words, it keeps its width
// and takes the height of the wrapped lines. Its stored size is kept until the
// first setCaption().
class AutoSizeLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AutoSizeLabel(QWidget *parent = nullptr);

    void setCaption(const QString &text);
};
