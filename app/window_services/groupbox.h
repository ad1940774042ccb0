// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QPixmap>

// A framed box with its caption in the top edge of the frame. The scheme's
// markers and the recordings change small parts of a group box a thousand
// times a second; the frame and caption are drawn once and copied for the
// parts that need painting again, rather than laid out and drawn anew.
class GroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit GroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPixmap m_look;
    QString m_lookTitle;
};
