// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_services/messageservice.h"

#include <QByteArray>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
struct KindLook
{
    QString caption;
    QMessageBox::Icon icon;
};

KindLook lookOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Confirmation:
        return {QStringLiteral("Confirmation"), QMessageBox::Question};
    case MessageKind::Information:
        return {QStringLiteral("Information"), QMessageBox::Information};
    case MessageKind::Avertissement:
        break;
    }
    return {QStringLiteral("Avertissement"), QMessageBox::Warning};
}
} // namespace

MessageAnswer MessageBoxService::ask(QWidget *parent, MessageKind kind, const QString &text,
                                     MessageButtons buttons)
{
    const KindLook look = lookOf(kind);
    QMessageBox box(look.icon, look.caption, QString(), QMessageBox::NoButton, parent);
    // Messages quote files, names and systems from outside: what they say is
    // shown letter for letter, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // Buttons made from our own texts keep them exact whatever translation
    // the run-time has loaded.
    QPushButton *oui = nullptr;
    QPushButton *non = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *annuler = nullptr;
    if (buttons != MessageButtons::Ok) {
        oui = box.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
        non = box.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
        box.setDefaultButton(oui);
        box.setEscapeButton(non);
        // Escape gives up rather than answering.
        if (buttons == MessageButtons::OuiNonAnnuler) {
            annuler = box.addButton(QStringLiteral("&Annuler"), QMessageBox::RejectRole);
            box.setEscapeButton(annuler);
        }
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    // The window manager writes the caption in its own, larger face beside
    // its buttons: the box leaves it room, so that it is never cut.
    const int largeur = 2 * box.fontMetrics().horizontalAdvance(look.caption) + 120;
    if (auto *grille = qobject_cast<QGridLayout *>(box.layout()))
        grille->addItem(new QSpacerItem(largeur, 0), grille->rowCount(), 0, 1,
                        grille->columnCount());
    box.exec();
    const QAbstractButton *chosen = box.clickedButton();
    if (chosen == nullptr)
        return MessageAnswer::Aucune;
    if (chosen == oui)
        return MessageAnswer::Oui;
    if (chosen == non)
        return MessageAnswer::Non;
    if (chosen == ok)
        return MessageAnswer::Ok;
    if (chosen == annuler)
        return MessageAnswer::Annuler;
    return MessageAnswer::Aucune;
}

QString MessageBoxService::askSaveFileName(QWidget *parent, const QString &title,
                                           const QString &suggestion, const QString &filter)
{
    // The program asks itself before replacing, in its own words.
    return QFileDialog::getSaveFileName(parent, title, suggestion, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString MessageBoxService::askOpenFileName(QWidget *parent, const QString &title,
                                           const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

bool MessageBoxService::askPrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> MessageService::askLine(QWidget *, const QString &, int)
{
    return std::nullopt;
}

std::optional<QString> MessageBoxService::askLine(QWidget *parent, const QString &label,
                                                  int maxLength)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Saisie"));
    auto *texte = new QLabel(label, &dialog);
    texte->setTextFormat(Qt::PlainText);
    auto *ligne = new QLineEdit(&dialog);
    ligne->setMaxLength(maxLength);
    texte->setBuddy(ligne);
    // Our own buttons' texts, as the questions have them.
    auto *boutons = new QDialogButtonBox(&dialog);
    boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *disposition = new QVBoxLayout(&dialog);
    disposition->addWidget(texte);
    disposition->addWidget(ligne);
    disposition->addWidget(boutons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ligne->text();
}

bool MessageService::download(const QByteArray &, const QString &)
{
    return false;
}

bool MessageService::upload(const QString &, const Opened &)
{
    return false;
}

#ifdef Q_OS_WASM
bool MessageBoxService::download(const QByteArray &content, const QString &fileName)
{
    QFileDialog::saveFileContent(content, fileName);
    return true;
}

bool MessageBoxService::upload(const QString &filter, const Opened &opened)
{
    QFileDialog::getOpenFileContent(filter,
                                    [opened](const QString &fileName, const QByteArray &content) {
                                        // An upload given up on arrives without a name.
                                        if (!fileName.isEmpty())
                                            opened(fileName, content);
                                    });
    return true;
}
#endif
