// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QByteArray;
class QPrinter;
class QWidget;

// The modal questions and notices of the program. The kind sets the caption
// and the icon: "Confirmation" (question), "Information" (information),
// "Avertissement" (warning). The text is plain: a name in it that looks like
// markup is shown as written.
enum class MessageKind
{
    Confirmation,
    Information,
    Avertissement
};
enum class MessageButtons
{
    OuiNon,
    Ok,
    OuiNonAnnuler
};
// Aucune: the box was dismissed without an answer.
enum class MessageAnswer
{
    Oui,
    Non,
    Ok,
    Aucune,
    Annuler
};

class MessageService
{
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                              MessageButtons buttons) = 0;
    // The file the pupil names to save into, starting from `suggestion`; empty
    // when the dialog is cancelled. `filter` as QFileDialog takes it. The
    // caller asks before replacing a file that exists.
    virtual QString askSaveFileName(QWidget *parent, const QString &title,
                                    const QString &suggestion, const QString &filter) = 0;
    // The file the pupil picks to open, starting in `folder`; empty when
    // cancelled.
    virtual QString askOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter) = 0;
    // The printer the pupil picks and sets up; false when cancelled.
    virtual bool askPrinter(QWidget *parent, QPrinter &printer) = 0;
    // A short line the user types under `label`, at most `maxLength`
    // characters; none when cancelled (and where nothing can be typed).
    virtual std::optional<QString> askLine(QWidget *parent, const QString &label, int maxLength);

    // Where the program has no files of its own (a web page), a file is saved
    // as a download named `fileName`, and opened by the pupil's upload, which
    // `opened` receives once chosen (a cancelled upload may never call it).
    // Both return false where files are named in the dialogs above instead.
    using Opened = std::function<void(const QString &fileName, const QByteArray &content)>;
    virtual bool download(const QByteArray &content, const QString &fileName);
    virtual bool upload(const QString &filter, const Opened &opened);
};

// The real message box, with French captions and buttons "&Oui", "&Non",
// "&Annuler", "OK",
// and the platform's file and print dialogs.
class MessageBoxService : public MessageService
{
public:
    MessageAnswer ask(QWidget *parent, MessageKind kind, const QString &text,
                      MessageButtons buttons) override;
    QString askSaveFileName(QWidget *parent, const QString &title, const QString &suggestion,
                            const QString &filter) override;
    QString askOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override;
    bool askPrinter(QWidget *parent, QPrinter &printer) override;
    std::optional<QString> askLine(QWidget *parent, const QString &label, int maxLength) override;
#ifdef Q_OS_WASM
    bool download(const QByteArray &content, const QString &fileName) override;
    bool upload(const QString &filter, const Opened &opened) override;
#endif
};
