// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedmessages.h"

MessageAnswer ScriptedMessages::ask(QWidget *parent, MessageKind kind, const QString &text,
                                    MessageButtons buttons)
{
    asked.append({parent, kind, text, buttons});
    return answers.isEmpty() ? MessageAnswer::Non : answers.dequeue();
}
