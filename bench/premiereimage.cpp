// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/figures.h"

#include "app/tform1.h"
#include "app/window_services/audiobeeper.h"
#include "app/window_services/messageservice.h"
#include "bench/mesures.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

// Notes the time of the window's first paint, which the backing store then
// puts on the screen, and ends the run.
class PremierePeinture : public QObject
{
public:
    double ms = -1.0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && ms < 0.0) {
            ms = msDepuisDebutProcessus();
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

} // namespace

// The program's own start-up, step for step (app/main.cpp), up to the first
// frame.
int mesurePremiereImage()
{
    MessageBoxService messages;
    AudioBeeper beeper;
    TForm1 form(messages, beeper);
    PremierePeinture peinture;
    form.installEventFilter(&peinture);
    form.showMaximized();
    QApplication::exec();
    if (peinture.ms < 0.0)
        return 1;
    afficheMesure("premiere_image", peinture.ms, "ms");
    return form.isMaximized() ? 0 : 1;
}
