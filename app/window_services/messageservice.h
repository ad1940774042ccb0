// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The modal questions and notices of the program. The kind sets the caption
// and the icon: "Confirmation" (question), "Information" (information),
// "Avertissement" (warning).
enum class MessageKind
{
    Confirmation,
    Information,
    Avertissement
};
enum class MessageButtons
{
    OuiNon,
    Ok
};
// Aucune: the box was dismissed without an answer.
enum class MessageAnswer
{
    Oui,
    Non,
    Ok,
    Aucune
};

class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                              MessageButtons buttons) = 0;
};

// The real message box, with French captions and buttons "&Oui", "&Non", "OK".
class MessageBoxService : public MessageService
{
public:
    MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                      MessageButtons buttons) override;
};
