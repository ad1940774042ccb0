// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window at four moments a class meets (the start, a run of
// the loop with the strips and the curve, a lesion, a lesson opened), made
// the same way at every run: no timer runs, each moment of the loop is one
// call of each running timer's handler. captures.sh compares them with the
// pictures of another revision, pixel for pixel.
//   captures <folder> <lesson file>
#include "app/launchoptions.h"
#include "app/tform1.h"
#include "app/uniformlook.h"
#include "app/window_services/layoutfonts.h"
#include "countingbeeper.h"
#include "instant.h"
#include "scriptedmessages.h"
#include "tests/systems/saisiesysteme.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace {

// What the pupil would do through the window, never through the program's
// own functions beside the handlers: the same script runs on every revision.
struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(messages, beeper);

    Fenetre()
    {
        // Room for the curve and the status line under the strips.
        form->resize(800, 640);
        form->show();
        QApplication::processEvents();
    }
    void choisit(const QString &systeme) { tapeSysteme(*form, systeme); }
    void instants(int nombre)
    {
        for (int i = 0; i < nombre; ++i)
            unInstant(*form);
        QApplication::processEvents();
    }
    // The action of the window's menus whose text begins so.
    bool declenche(const QString &debut)
    {
        for (QAction *action : form->findChildren<QAction *>()) {
            if (action->text().startsWith(debut)) {
                action->trigger();
                return true;
            }
        }
        return false;
    }
    bool depose(const QString &fichier)
    {
        QMimeData donnees;
        donnees.setUrls({QUrl::fromLocalFile(QFileInfo(fichier).absoluteFilePath())});
        const QPoint ou = form->rect().center();
        QDragEnterEvent entree(ou, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &entree);
        QDropEvent depot(ou, Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &depot);
        QApplication::processEvents();
        return depot.isAccepted();
    }
    bool photo(const QString &dossier, const char *nom)
    {
        QApplication::processEvents();
        return form->grab().save(QStringLiteral("%1/%2.png").arg(dossier, QLatin1String(nom)));
    }
};

// A run of the loop: the value pulled down, every strip and the curve shown.
void parcours(Fenetre &f)
{
    for (GlyphButton *bouton :
         {f.form->SpeedButtonEnregSensitif, f.form->SpeedButtonEnregStimulateur,
          f.form->SpeedButtonEnregInhibiteur, f.form->SpeedButtonCourbe}) {
        if (!bouton->isHidden())
            bouton->click();
    }
    f.form->ButtonMarche->click();
    f.form->ScrollBarValeurReglee->setValue(f.form->ScrollBarValeurReglee->minimum() +
                                            f.form->ScrollBarValeurReglee->pageStep());
    f.instants(700);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: captures <folder> <lesson file>\n", stderr);
        return 2;
    }
    applyUniformStyle(LaunchOptions{});
    QApplication::setFont(windowFont());
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    bool faites = true;
    const auto verifie = [&faites](bool fait, const char *quoi) {
        if (!fait)
            std::fprintf(stderr, "captures: %s failed\n", quoi);
        faites &= fait;
    };
    {
        Fenetre f;
        verifie(f.photo(dossier, "1-demarrage"), "the start");
    }
    {
        Fenetre f;
        f.choisit(QStringLiteral("Glycémie directe"));
        parcours(f);
        verifie(f.photo(dossier, "2-parcours"), "the run");
    }
    {
        Fenetre f;
        f.choisit(QStringLiteral("Pression artérielle (Activité cardiaque)"));
        verifie(f.declenche(QStringLiteral("Sectionner : Nerfs X")), "the lesion");
        parcours(f);
        verifie(f.photo(dossier, "3-lesion"), "the lesion's picture");
    }
    {
        Fenetre f;
        verifie(f.depose(QString::fromLocal8Bit(argv[2])), "the lesson's drop");
        f.instants(200);
        verifie(f.photo(dossier, "4-seance"), "the lesson's picture");
    }
    return faites ? 0 : 1;
}
