// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/window_services/messageservice.h"
#include "app/window_services/selectioncopyfilter.h"
#include "recordings/imageexport.h"
#include "recordings/voiesenregistrees.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The sentence that says why a file could not be written.
QString raison(const QSaveFile &fichier)
{
    switch (fichier.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("ce dossier n'existe pas ou n'accepte pas l'écriture.");
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

void TForm1::setUpExport()
{
    m_menuEnregistrements = new QMenu(this);
    const auto ajoute = [this](const QString &texte, const QKeySequence &raccourci,
                               void (TForm1::*action)()) {
        QAction *a = m_menuEnregistrements->addAction(texte, this, action);
        a->setShortcut(raccourci);
        a->setShortcutContext(Qt::WindowShortcut);
        // Also the window's: the shortcuts work wherever the focus is.
        addAction(a);
    };
    ajoute(QStringLiteral("Copier l'image"), QKeySequence::Copy, &TForm1::CopierImage);
    ajoute(QStringLiteral("Enregistrer l'image…"), QKeySequence(Qt::CTRL | Qt::Key_S),
           &TForm1::EnregistrerImage);
    ajoute(QStringLiteral("Enregistrer les valeurs…"),
           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TForm1::EnregistrerValeurs);
    ajoute(QStringLiteral("Imprimer…"), QKeySequence(Qt::CTRL | Qt::Key_P), &TForm1::Imprimer);

    // Shift+F10 and the Menu key ask the element with the focus for its menu,
    // whatever the platform; the elements without one leave it to the
    // window, which offers the recordings'.
    auto *clavier = new QAction(this);
    clavier->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    clavier->setShortcutContext(Qt::WindowShortcut);
    connect(clavier, &QAction::triggered, this, [this] {
        QWidget *cible = QApplication::focusWidget();
        if (!cible || cible->window() != this)
            cible = this;
        const QPoint centre = cible->rect().center();
        QContextMenuEvent demande(QContextMenuEvent::Keyboard, centre, cible->mapToGlobal(centre));
        QApplication::sendEvent(cible, &demande);
    });
    addAction(clavier);

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
    if (!m_menuEnregistrements)
        return;
    for (QAction *action : m_menuEnregistrements->actions())
        action->setEnabled(!m_releve.estVide());
    actualiseReference();
}

// A right click on an element of the scheme offers its experiment; on the
// strips or the curve, the recordings' menu, which the keyboard (the Menu key,
// Shift+F10) also opens wherever the element with the focus has no menu of
// its own.
void TForm1::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        m_menuEnregistrements->exec(
            GroupBox1->mapToGlobal(QPoint(GroupBox1->width() / 4, GroupBox1->height() / 4)));
        return;
    }
    // An element of the scheme offers its own experiment.
    for (QWidget *element = childAt(event->pos()); element && element != this;
         element = element->parentWidget()) {
        if (QMenu *menu = menuElement(element)) {
            menu->popup(event->globalPos());
            return;
        }
    }
    // The curve adds its reference's actions.
    if (!GroupBoxCourbe->isHidden() && GroupBoxCourbe->geometry().contains(event->pos()))
        m_menuCourbe->exec(event->globalPos());
    else if (GroupBox1->geometry().contains(event->pos()))
        m_menuEnregistrements->exec(event->globalPos());
    else
        event->ignore();
}

QString TForm1::legendeEnregistrements() const
{
    const QString unite = ScrollBarValeurReglee->unit();
    QString consigne = EditValeurConsigne->text();
    if (!unite.isEmpty())
        consigne += QLatin1Char(' ') + unite;
    return QStringLiteral("%1 – valeur consigne : %2 – %3")
        .arg(ComboBoxSysteme->currentText(), consigne,
             QLocale(QLocale::French).toString(QDate::currentDate(), QLocale::LongFormat));
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
    if (m_releve.estVide())
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
        if (QFileInfo::exists(chemin) &&
            messages().ask(this, MessageKind::Confirmation,
                           QStringLiteral("Le fichier « %1 » existe déjà. Le remplacer ?")
                               .arg(QFileInfo(chemin).fileName()),
                           MessageButtons::OuiNon) != MessageAnswer::Oui)
            return QString();
        m_dossierExport = QFileInfo(chemin).absolutePath();
        return chemin;
    });
}

// Written whole or not at all: the file appears only once complete.
bool TForm1::ecritFichier(const QString &chemin, const QByteArray &contenu)
{
    QSaveFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly) && fichier.write(contenu) == contenu.size() &&
        fichier.commit())
        return true;
    fichier.cancelWriting();
    pendantSuspension(*this, [&] {
        return messages().ask(this, MessageKind::Avertissement,
                              QStringLiteral("Impossible d'enregistrer « %1 » : %2")
                                  .arg(QDir::toNativeSeparators(chemin), raison(fichier)),
                              MessageButtons::Ok);
    });
    return false;
}

void TForm1::EnregistrerImage()
{
    if (m_releve.estVide())
        return;
    const QImage image = imageEnregistrements();
    const QString chemin = demandeFichier(QStringLiteral("Enregistrer l'image des enregistrements"),
                                          QStringLiteral("enregistrements"),
                                          QStringLiteral("Image PNG"), QStringLiteral("png"));
    if (chemin.isEmpty())
        return;
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    ecritFichier(chemin, png);
}

void TForm1::EnregistrerValeurs()
{
    if (m_releve.estVide())
        return;
    EnTeteReleve enTete;
    enTete.unite = ScrollBarValeurReglee->unit();
    const auto voies = voiesEnregistrees(*this);
    for (std::size_t v = 0; v < voies.size(); ++v) {
        enTete.nomsVoies[v] = voies[v].nom;
        enTete.modesVoies[v] = voies[v].mode();
    }
    enTete.reference = m_reference;
    const QByteArray csv = releveEnCsv(m_releve, enTete);
    const QString chemin =
        demandeFichier(QStringLiteral("Enregistrer les valeurs"), QStringLiteral("valeurs"),
                       QStringLiteral("Valeurs CSV"), QStringLiteral("csv"));
    if (!chemin.isEmpty())
        ecritFichier(chemin, csv);
}

void TForm1::Imprimer()
{
    if (m_releve.estVide())
        return;
    // The page sets the caption above the image itself.
    const QImage image = imageAvecLegende(cadresEnregistrements(), QString());
    const QString legende = legendeEnregistrements();
    QStringList organes;
    const auto organe = [&organes](const QString &role, const QLabel *label) {
        if (!label->isHidden() && !label->text().isEmpty())
            organes << QStringLiteral("%1 : %2").arg(role, label->text());
    };
    organe(QStringLiteral("Capteur"), LabelCapteur);
    organe(QStringLiteral("Centre intégrateur"), LabelCentreIntegrateur);
    organe(QStringLiteral("Effecteur stimulateur"), LabelEffecteurStimulateur);
    organe(QStringLiteral("Effecteur inhibiteur"), LabelEffecteurInhibiteur);

    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(QPageLayout::Landscape);
    imprimante.setDocName(QStringLiteral("Enregistrements"));
    if (!pendantSuspension(*this, [&] { return messages().askPrinter(this, imprimante); }))
        return;
    if (!imprimePage(imprimante, legende, image, organes)) {
        pendantSuspension(*this, [&] {
            return messages().ask(this, MessageKind::Avertissement,
                                  QStringLiteral("L'impression n'a pas pu commencer."),
                                  MessageButtons::Ok);
        });
    }
}
