// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>

// What a real message box showed when it opened.
struct SeenMessageBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    int width = 0;
    // How the box's label takes its text: plain, rich or guessed.
    Qt::TextFormat format = Qt::AutoText;
};

// Waits for the next modal message box, records what it shows in `seen`, then
// lets `answer` act on it. A box still open half a second later is closed
// without an answer, so that a failing test cannot hang.
void whenMessageBoxOpens(SeenMessageBox *seen, std::function<void(QMessageBox *)> answer);

// The same, answering by a click on the button with this text.
void clickInNextMessageBox(SeenMessageBox *seen, const QString &buttonText);
