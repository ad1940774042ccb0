// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/messageservice.h"
#include "app/window_services/selectioncopyfilter.h"
#include "recordings/imageexport.h"
#include "recordings/voiesenregistrees.h"
#include "systems/modevoie.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPrinter>
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

// Runs `demande` with the mechanism suspended, then resumes it as it was.
template <typename Demande> auto pendantSuspension(TForm1 &form, Demande demande)
{
    const bool enMarche = form.etat().MecanismeEnMarche;
    if (enMarche)
        form.SuspendreMecanisme();
    auto reponse = demande();
    if (enMarche)
        form.ReprendreMecanisme();
    return reponse;
}

} // namespace

// The four ways out for the recordings, as actions of the window: their
// shortcuts work wherever the focus is, and the window's menus offer them.
void TForm1::setUpExport()
{
    const auto ajoute = [this](const QString &texte, const QKeySequence &raccourci,
                               void (TForm1::*action)()) {
        auto *a = new QAction(texte, this);
        a->setShortcut(raccourci);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, action);
        addAction(a);
        m_actionsExport << a;
    };
    ajoute(QStringLiteral("Copier l'image"), QKeySequence::Copy, &TForm1::CopierImage);
    // Ctrl+S saves the lesson, as in every document program.
    ajoute(QStringLiteral("Enregistrer l'image…"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
           &TForm1::EnregistrerImage);
    ajoute(QStringLiteral("Enregistrer les valeurs…"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TForm1::EnregistrerValeurs);
#ifndef Q_OS_WASM
    // A web page has no printers of its own: the browser prints the page.
    ajoute(QStringLiteral("Imprimer…"), QKeySequence(Qt::CTRL | Qt::Key_P), &TForm1::Imprimer);
#endif

    // A text field with selected text keeps Ctrl+C for that text.
    auto *filtre = new SelectionCopyFilter(this);
    for (QWidget *champ : findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(champ) || qobject_cast<QPlainTextEdit *>(champ) ||
            qobject_cast<QComboBox *>(champ))
            champ->installEventFilter(filtre);
    }
    actualiseExport();
}

// Nothing recorded yet: the actions are there, disabled.
void TForm1::actualiseExport()
{
    for (QAction *action : std::as_const(m_actionsExport))
        action->setEnabled(!m_situation.releve().estVide());
    actualiseReference();
}

// What a pasted image needs to read alone: the system, the set point and the
// date; the experiments in force; and, with the curve, what the grey curve is.
QString TForm1::legendeEnregistrements() const
{
    const QString unite = ScrollBarValeurReglee->unit();
    QString consigne = EditValeurConsigne->text();
    if (!unite.isEmpty())
        consigne += QLatin1Char(' ') + unite;
    QStringList lignes{
        QStringLiteral("%1 – valeur consigne : %2 – %3")
            .arg(ComboBoxSysteme->currentText(), consigne,
                 QLocale(QLocale::French).toString(QDate::currentDate(), QLocale::LongFormat))};
    const QString experiences = phraseExperiences();
    lignes << (experiences.isEmpty() ? QStringLiteral("Boucle intacte") : experiences);
    if (!GroupBoxCourbe->isHidden() && !m_situation.reference().isEmpty())
        lignes << QStringLiteral("Référence (courbe grise) : ") + m_situation.situationReference();
    return lignes.join(QLatin1Char('\n'));
}

QList<QWidget *> TForm1::cadresEnregistrements() const
{
    QList<QWidget *> cadres{GroupBox1};
    if (!GroupBoxCourbe->isHidden())
        cadres << GroupBoxCourbe;
    return cadres;
}

QImage TForm1::imageEnregistrements() const
{
    return imageAvecLegende(cadresEnregistrements(), legendeEnregistrements());
}

void TForm1::CopierImage()
{
    if (m_situation.releve().estVide())
        return;
    QGuiApplication::clipboard()->setImage(imageEnregistrements());
}

// The file the pupil names, with its extension added when it has none; empty
// when cancelled, or when the pupil keeps a file that already exists.
QString TForm1::demandeFichier(const QString &titre, const QString &nom, const QString &genre,
                               const QString &extension)
{
    if (m_dossierExport.isEmpty())
        m_dossierExport = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString filtre = QStringLiteral("%1 (*.%2)").arg(genre, extension);
    return pendantSuspension(*this, [&] {
        QString chemin = messages().askSaveFileName(
            this, titre, QDir(m_dossierExport).filePath(nom + QLatin1Char('.') + extension),
            filtre);
        if (chemin.isEmpty())
            return chemin;
        if (QFileInfo(chemin).suffix().isEmpty())
            chemin += QLatin1Char('.') + extension;
        if (QFileInfo(chemin).isFile() &&
            messages().ask(this, MessageKind::Confirmation,
                           QStringLiteral("Le fichier « %1 » existe déjà. Le remplacer ?")
                               .arg(QFileInfo(chemin).fileName()),
                           MessageButtons::OuiNon) != MessageAnswer::Oui)
            return QString();
        m_dossierExport = QFileInfo(chemin).absolutePath();
        return chemin;
    });
}

// The file the pupil picks to open, from where the pupil last saved or
// opened; empty when cancelled.
QString TForm1::demandeFichierAOuvrir(const QString &titre, const QString &filtre)
{
    if (m_dossierExport.isEmpty())
        m_dossierExport = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chemin = pendantSuspension(
        *this, [&] { return messages().askOpenFileName(this, titre, m_dossierExport, filtre); });
    if (!chemin.isEmpty())
        m_dossierExport = QFileInfo(chemin).absolutePath();
    return chemin;
}

// Saves the content under the name the pupil gives, `nom` with its extension
// suggested, or as a download where the program has no files of its own:
// the file saved, empty when it was not.
QString TForm1::enregistre(const QString &titre, const QString &nom, const QString &genre,
                           const QString &extension, const QByteArray &contenu)
{
    const QString telechargement = nom + QLatin1Char('.') + extension;
    if (messages().download(contenu, telechargement))
        return telechargement;
    const QString chemin = demandeFichier(titre, nom, genre, extension);
    return !chemin.isEmpty() && ecritFichier(chemin, contenu) ? chemin : QString();
}

// Written whole or not at all: the file appears only once complete. A failure
// says why, in a warning that names the file.
bool TForm1::ecritFichier(const QString &chemin, const QByteArray &contenu)
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

void TForm1::avertit(const QString &texte)
{
    pendantSuspension(*this, [&] {
        return messages().ask(this, MessageKind::Avertissement, texte, MessageButtons::Ok);
    });
}

void TForm1::EnregistrerImage()
{
    if (m_situation.releve().estVide())
        return;
    const QImage image = imageEnregistrements();
    QByteArray png;
    QBuffer tampon(&png);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG")) {
        avertit(QStringLiteral("Impossible d'enregistrer l'image : elle n'a pas pu être "
                               "encodée en PNG."));
        return;
    }
    enregistre(QStringLiteral("Enregistrer l'image des enregistrements"),
               QStringLiteral("enregistrements"), QStringLiteral("Image PNG"),
               QStringLiteral("png"), png);
}

void TForm1::EnregistrerValeurs()
{
    if (m_situation.releve().estVide())
        return;
    EnTeteReleve enTete;
    enTete.unite = ScrollBarValeurReglee->unit();
    const auto voies = voiesEnregistrees(*this);
    for (std::size_t v = 0; v < voies.size(); ++v) {
        enTete.nomsVoies[v] = voies[v].nom;
        enTete.modesVoies[v] = voies[v].mode();
    }
    enTete.reference = m_situation.reference();
    enregistre(QStringLiteral("Enregistrer les valeurs"), QStringLiteral("valeurs"),
               QStringLiteral("Valeurs CSV"), QStringLiteral("csv"),
               releveEnCsv(m_situation.releve(), enTete));
}

void TForm1::Imprimer()
{
    if (m_situation.releve().estVide())
        return;
    // The page sets the caption above the image itself.
    const QImage image = imageAvecLegende(cadresEnregistrements(), QString());
    const QString legende = legendeEnregistrements();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(QPageLayout::Landscape);
    imprimante.setDocName(QStringLiteral("Enregistrements"));
    if (!pendantSuspension(*this, [&] { return messages().askPrinter(this, imprimante); }))
        return;
    if (!imprimePage(imprimante, legende, image, m_situation.elementsDuSchema()))
        avertit(QStringLiteral("L'impression n'a pas pu commencer."));
}
