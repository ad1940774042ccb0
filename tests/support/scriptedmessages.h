// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/messageservice.h"

#include <QList>
#include <QQueue>
#include <QString>

// Answers the program's questions from a script instead of a message box, and
// records every question asked. When the script runs out it answers Non.
class ScriptedMessages : public MessageService
{
public:
    struct Question
    {
        QWidget *parent = nullptr;
        MessageKind kind = MessageKind::Information;
        QString text;
        MessageButtons buttons = MessageButtons::Ok;
    };

    MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                      MessageButtons buttons) override;

    QQueue<MessageAnswer> answers;
    QList<Question> asked;
};
