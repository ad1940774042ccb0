// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tform1.h"

#include "app/fichiers.h"

#include "app/window_services/messageservice.h"
#include "app/window_services/selectioncopyfilter.h"
#include "lessons/motsexperiences.h"
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
    const QString experiences = phraseExperiences(m_situation);
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

// Each pathway's strip named beside it in the scheme's words: the strips'
// own captions say only their role.
QList<BandeNommee> TForm1::bandesNommees() const
{
    const auto noms = nomsDesVoies(m_situation);
    return {{EnregSensitif, noms[0]}, {EnregStimulateur, noms[1]}, {EnregInhibiteur, noms[2]}};
}

QImage TForm1::imageEnregistrements() const
{
    return imageAvecLegende(cadresEnregistrements(), legendeEnregistrements(), bandesNommees());
}

void TForm1::CopierImage()
{
    if (m_situation.releve().estVide())
        return;
    QGuiApplication::clipboard()->setImage(imageEnregistrements());
}

void TForm1::EnregistrerImage()
{
    if (m_situation.releve().estVide())
        return;
    const QImage image = imageEnregistrements();
    QByteArray png;
    QBuffer tampon(&png);
    if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG")) {
        m_fichiers->avertit(
            QStringLiteral("Impossible d'enregistrer l'image : elle n'a pas pu être "
                           "encodée en PNG."));
        return;
    }
    m_fichiers->enregistre(QStringLiteral("Enregistrer l'image des enregistrements"),
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
    enTete.nomsVoies = nomsDesVoies(m_situation);
    for (std::size_t v = 0; v < voies.size(); ++v)
        enTete.modesVoies[v] = voies[v].mode();
    enTete.reference = m_situation.reference();
    enTete.decimales = m_situation.systeme().Decimales;
    m_fichiers->enregistre(QStringLiteral("Enregistrer les valeurs"), QStringLiteral("valeurs"),
                           QStringLiteral("Valeurs CSV"), QStringLiteral("csv"),
                           releveEnCsv(m_situation.releve(), enTete));
}

void TForm1::Imprimer()
{
    if (m_situation.releve().estVide())
        return;
    // The page sets the caption above the image itself.
    const QImage image = imageAvecLegende(cadresEnregistrements(), QString(), bandesNommees());
    const QString legende = legendeEnregistrements();
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageOrientation(QPageLayout::Landscape);
    imprimante.setDocName(QStringLiteral("Enregistrements"));
    if (!m_fichiers->suspendu([&] { return messages().askPrinter(this, imprimante); }))
        return;
    if (!imprimePage(imprimante, legende, image, m_situation.elementsDuSchema()))
        m_fichiers->avertit(QStringLiteral("L'impression n'a pas pu commencer."));
}
