// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

// A multi-line, read-only text box without scroll bars: a line longer than the
// box wraps at its width. Its text is selected and copied, never dragged.
class Memo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit Memo(QWidget *parent = nullptr);

    // Replaces the text by these lines.
    void setLines(const QStringList &lines);
    QStringList lines() const;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    // Reached with Tab, the box shows it has the focus with a dotted frame
    // like the toggles'; the focus it has as the window opens shows nothing.
    bool m_focusShown = false;
};
