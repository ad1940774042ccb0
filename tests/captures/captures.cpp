// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window at four moments a class meets (the start, a run of
// the loop with the strips and the curve, a lesion, a lesson opened), made
// the same way at every run: no timer runs, each moment of the loop is one
// call of each running timer's handler. captures.sh compares them with the
// pictures of another revision, pixel for pixel. Given a third folder, it
// also makes there the README's pictures of the window and of an export.
//   captures <folder> <lesson file> [README's pictures folder]
#include "app/launchoptions.h"
#include "app/tform1.h"
#include "app/uniformlook.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/layoutfonts.h"
#include "countingbeeper.h"
#include "instant.h"
#include "scriptedmessages.h"
#include "tests/systems/saisiesysteme.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

// What the pupil would do through the window, never through the program's
// own functions beside the handlers: the same script runs on every revision.
struct Fenetre
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    std::unique_ptr<TForm1> form = std::make_unique<TForm1>(messages, beeper);

    explicit Fenetre(const QSize &taille = QSize(800, 640))
    {
        // Room for the curve and the status line under the strips.
        form->resize(taille);
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
    // The sensor's timer ticking as the event loop makes it, the sequence's
    // handler with the window's.
    void tops(int nombre)
    {
        for (int i = 0; i < nombre && form->TimerCapteur->isRunning(); ++i)
            emit form->TimerCapteur->timeout();
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
void parcours(Fenetre &f, std::optional<int> valeur = {}, int instants = 700)
{
    for (GlyphButton *bouton :
         {f.form->SpeedButtonEnregSensitif, f.form->SpeedButtonEnregStimulateur,
          f.form->SpeedButtonEnregInhibiteur, f.form->SpeedButtonCourbe}) {
        if (!bouton->isHidden())
            bouton->click();
    }
    f.form->ButtonMarche->click();
    f.form->ScrollBarValeurReglee->setValue(valeur.value_or(
        f.form->ScrollBarValeurReglee->minimum() + f.form->ScrollBarValeurReglee->pageStep()));
    f.instants(instants);
}

// The recordings cleared, the question answered Oui.
void efface(Fenetre &f)
{
    f.messages.answers.enqueue(MessageAnswer::Oui);
    f.form->SpeedButtonEnreg->click();
}

// The normal return from that value kept as the reference, the recordings
// cleared, then the same perturbation after the lesion.
bool comparaison(Fenetre &f, int valeur, const QString &lesion, int instants)
{
    parcours(f, valeur, 200);
    bool fait = f.declenche(QStringLiteral("Garder comme référence"));
    efface(f);
    fait &= f.declenche(lesion);
    f.form->ScrollBarValeurReglee->setValue(valeur);
    f.instants(instants);
    return fait;
}

// The README's pictures: the example lessons run; a perturbation corrected; the normal return kept
// as the reference, then the stimulating pathway cut; the blood pressure
// after the sinus and aortic nerves are cut, on screen and exported (its
// values in the other folder).
bool illustrations(const QString &dossier, const QString &valeurs, const QString &lecons)
{
    // Numbers written as the program writes them, in French (the editor's).
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    bool faites = true;
    // Each example lesson dropped on the window, then "Marche".
    for (const auto &[lecon, photo] :
         {std::pair{"diabete-type-1", "seance-diabete"}, std::pair{"fievre", "seance-fievre"},
          std::pair{"calcemie", "seance-calcemie"},
          std::pair{"glycemie-g-par-litre", "seance-glycemie"}}) {
        Fenetre f(QSize(640, 590));
        faites &= f.depose(QStringLiteral("%1/%2.regulation").arg(lecons, QLatin1String(lecon)));
        faites &= f.messages.asked.isEmpty();
        f.form->ButtonMarche->click();
        f.instants(300);
        faites &= f.photo(dossier, photo);
        // The editor on the system with decimals, as the teacher opens it.
        if (QLatin1String(photo) == QLatin1String("seance-glycemie")) {
            QTimer::singleShot(0, [&] {
                QWidget *editeur = QApplication::activeModalWidget();
                faites &= editeur &&
                          editeur->grab().save(dossier + QStringLiteral("/editeur-systeme.png"));
                if (editeur)
                    editeur->close();
            });
            faites &= f.declenche(QStringLiteral("Modifier le système"));
        }
    }
    // The lessons with a sequence, replayed to its end beside the intact
    // loop's reference, each step marked on the curve.
    for (const auto &[lecon, photo] : {std::pair{"diabete-type-1", "deroule-diabete"},
                                       std::pair{"hemorragie", "deroule-hemorragie"}}) {
        Fenetre f(QSize(640, 590));
        faites &= f.depose(QStringLiteral("%1/%2.regulation").arg(lecons, QLatin1String(lecon)));
        faites &= f.declenche(QStringLiteral("Rejouer le déroulé"));
        f.tops(550);
        faites &= f.photo(dossier, photo);
    }
    {
        Fenetre f(QSize(600, 600));
        parcours(f, 20, 260);
        faites &= f.photo(dossier, "screenshot");
    }
    {
        Fenetre f(QSize(640, 600));
        faites &= comparaison(f, 20, QStringLiteral("Sectionner : Voie motrice stimulatrice"), 350);
        faites &= f.photo(dossier, "comparaison");
    }
    {
        Fenetre f(QSize(640, 600));
        f.choisit(QStringLiteral("Pression artérielle (Activité cardiaque)"));
        faites &= comparaison(f, 110, QStringLiteral("Sectionner : Nerfs X"), 355);
        faites &= f.photo(dossier, "experience");
        faites &= f.form->imageEnregistrements().save(dossier + QStringLiteral("/export.png"));
        f.messages.fileNames << valeurs + QStringLiteral("/valeurs.csv");
        f.form->EnregistrerValeurs();
    }
    return faites;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fputs("usage: captures <folder> <lesson file> [README's pictures folder]\n", stderr);
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
    if (argc == 4)
        verifie(illustrations(QString::fromLocal8Bit(argv[3]), dossier,
                              QFileInfo(QString::fromLocal8Bit(argv[2])).absolutePath()),
                "the README's pictures");
    return faites ? 0 : 1;
}
