// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedmessages.h"

#include <QPrinter>

MessageAnswer ScriptedMessages::ask(QWidget *parent, MessageKind kind, const QString &text,
                                    MessageButtons buttons)
{
    asked.append({parent, kind, text, buttons});
    return answers.isEmpty() ? MessageAnswer::Non : answers.dequeue();
}

QString ScriptedMessages::askSaveFileName(QWidget *, const QString &, const QString &suggestion,
                                          const QString &)
{
    suggestions << suggestion;
    if (duringDialog)
        duringDialog();
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

QString ScriptedMessages::askOpenFileName(QWidget *, const QString &, const QString &folder,
                                          const QString &)
{
    suggestions << folder;
    if (duringDialog)
        duringDialog();
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

std::optional<QString> ScriptedMessages::askLine(QWidget *, const QString &, int)
{
    if (lines.isEmpty())
        return std::nullopt;
    return lines.dequeue();
}

bool ScriptedMessages::askPrinter(QWidget *, QPrinter &printer)
{
    if (duringDialog)
        duringDialog();
    if (printToFile.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToFile);
    return true;
}

bool ScriptedMessages::download(const QByteArray &content, const QString &fileName)
{
    if (asWebPage)
        downloads << Fichier{fileName, content};
    return asWebPage;
}

bool ScriptedMessages::upload(const QString &, const Opened &opened)
{
    if (asWebPage && !uploads.isEmpty()) {
        const Fichier envoye = uploads.dequeue();
        opened(envoye.nom, envoye.contenu);
    }
    return asWebPage;
}
