// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_services/messageservice.h"

#include <QByteArray>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

// Answers the program's questions from a script instead of a message box, and
// records every question asked. When the script runs out it answers Non. The
// file and print dialogs take the next name of `fileNames` (none: cancelled)
// prints into the PDF file `printToFile` (none: cancelled). As a web page it
// downloads and uploads instead.
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
    QString askSaveFileName(QWidget *parent, const QString &title, const QString &suggestion,
                            const QString &filter) override;
    QString askOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override;
    bool askPrinter(QWidget *parent, QPrinter &printer) override;
    // The next of `lines` (none left: cancelled).
    std::optional<QString> askLine(QWidget *parent, const QString &label, int maxLength) override;
    bool download(const QByteArray &content, const QString &fileName) override;
    bool upload(const QString &filter, const Opened &opened) override;

    QQueue<MessageAnswer> answers;
    QList<Question> asked;
    QQueue<QString> fileNames;
    QQueue<QString> lines;
    // The suggestions the file dialogs started from.
    QStringList suggestions;
    QString printToFile;
    // Runs while a file or print dialog is open, as its event loop would.
    std::function<void()> duringDialog;
    // As in a web page: saving is a download kept here, opening takes the
    // next upload (none: given up on).
    struct Fichier
    {
        QString nom;
        QByteArray contenu;
    };
    bool asWebPage = false;
    QList<Fichier> downloads;
    QQueue<Fichier> uploads;
};
