// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fichiers.h"

#include "app/tform1.h"
#include "app/window_services/messageservice.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Why the file cannot be written, said before trying: what stands at its
// place or its name. Empty when nothing does. A read-only file is left alone
// even where the system would let it be replaced.
QString obstacle(const QFileInfo &cible)
{
    if (cible.isDir())
        return QStringLiteral("c'est un dossier, pas un fichier.");
    // The longest name the usual file systems take is 255 bytes or
    // characters, and the file is first written beside its place under its
    // name and 7 more characters.
    if (cible.fileName().toUtf8().size() > 255 - 7)
        return QStringLiteral("le nom du fichier est trop long.");
    // The file's own marks, not what this user may do (an administrator may
    // do everything).
    const auto marques = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (cible.exists() && (!(cible.permissions() & marques) || !cible.isWritable()))
        return QStringLiteral("le fichier existant est en lecture seule.");
    return QString();
}

// The sentence that says why writing failed.
QString raison(const QFileInfo &cible, const QSaveFile &fichier)
{
    const QFileInfo dossier(cible.absolutePath());
    if (!dossier.isDir())
        return QStringLiteral("ce dossier n'existe pas.");
    switch (fichier.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("ce dossier n'accepte pas l'écriture.");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("l'écriture a échoué (le disque est peut-être plein).");
    case QFileDevice::RenameError:
        return QStringLiteral("le fichier n'a pas pu être remplacé.");
    default:
        return QStringLiteral("l'écriture a échoué.");
    }
}

} // namespace

Fichiers::Fichiers(TForm1 &form, MessageService &messages) : m_form(form), m_messages(messages) {}

// The file the pupil names, with its extension added when it has none; empty
// when cancelled, or when the pupil keeps a file that already exists.
QString Fichiers::demandeFichier(const QString &titre, const QString &nom, const QString &genre,
                                 const QString &extension)
{
    if (m_dossier.isEmpty())
        m_dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString filtre = QStringLiteral("%1 (*.%2)").arg(genre, extension);
    return suspendu([&] {
        QString chemin = m_messages.askSaveFileName(
            &m_form, titre, QDir(m_dossier).filePath(nom + QLatin1Char('.') + extension), filtre);
        if (chemin.isEmpty())
            return chemin;
        if (QFileInfo(chemin).suffix().isEmpty())
            chemin += QLatin1Char('.') + extension;
        if (QFileInfo(chemin).isFile() &&
            m_messages.ask(&m_form, MessageKind::Confirmation,
                           QStringLiteral("Le fichier « %1 » existe déjà. Le remplacer ?")
                               .arg(QFileInfo(chemin).fileName()),
                           MessageButtons::OuiNon) != MessageAnswer::Oui)
            return QString();
        m_dossier = QFileInfo(chemin).absolutePath();
        return chemin;
    });
}

// The file the pupil picks to open, from where the pupil last saved or
// opened; empty when cancelled.
QString Fichiers::demandeFichierAOuvrir(const QString &titre, const QString &filtre)
{
    if (m_dossier.isEmpty())
        m_dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chemin =
        suspendu([&] { return m_messages.askOpenFileName(&m_form, titre, m_dossier, filtre); });
    if (!chemin.isEmpty())
        m_dossier = QFileInfo(chemin).absolutePath();
    return chemin;
}

// Saves the content under the name the pupil gives, `nom` with its extension
// suggested, or as a download where the program has no files of its own:
// the file saved, empty when it was not.
QString Fichiers::enregistre(const QString &titre, const QString &nom, const QString &genre,
                             const QString &extension, const QByteArray &contenu)
{
    const QString telechargement = nom + QLatin1Char('.') + extension;
    if (m_messages.download(contenu, telechargement))
        return telechargement;
    const QString chemin = demandeFichier(titre, nom, genre, extension);
    return !chemin.isEmpty() && ecritFichier(chemin, contenu) ? chemin : QString();
}

// Written whole or not at all: the file appears only once complete. A failure
// says why, in a warning that names the file.
bool Fichiers::ecritFichier(const QString &chemin, const QByteArray &contenu)
{
    const QFileInfo cible(chemin);
    QString pourquoi = obstacle(cible);
    if (pourquoi.isEmpty()) {
        QSaveFile fichier(chemin);
        if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
            fichier.commit())
            return true;
        fichier.cancelWriting();
        pourquoi = raison(cible, fichier);
    }
    avertit(QStringLiteral("Impossible d'enregistrer « %1 » : %2")
                .arg(QDir::toNativeSeparators(chemin), pourquoi));
    return false;
}

void Fichiers::avertit(const QString &texte)
{
    suspendu([&] {
        return m_messages.ask(&m_form, MessageKind::Avertissement, texte, MessageButtons::Ok);
    });
}
