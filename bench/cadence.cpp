// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/figures.h"

#include "app/tform1.h"
#include "app/window_services/audiobeeper.h"
#include "app/window_services/intervaltimer.h"
#include "bench/mesures.h"
#include "bench/pleinevitesse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

namespace {

void tourne(double secondes)
{
    QEventLoop boucle;
    QTimer::singleShot(int(secondes * 1000.0), Qt::PreciseTimer, &boucle, &QEventLoop::quit);
    boucle.exec();
}

} // namespace

int mesureCadence(bool montree, double secondes, bool deroule)
{
    ReponsesOui messages;
    AudioBeeper beeper; // the sound stays off: the stream is never opened
    TForm1 form(messages, beeper);
    if (montree) {
        form.showMaximized();
        while (!form.windowHandle() || !form.windowHandle()->isExposed())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    long ticks = 0;
    QObject::connect(form.TimerCapteur, &IntervalTimer::timeout, [&ticks] { ++ticks; });
    lanceAPleineVitesse(form, QString::fromUtf8(SystemeNerveux));
    if (deroule)
        rejoueSansFin(form);
    tourne(0.5); // first wraps and layout settle

    ticks = 0;
    const double processeurAvant = secondesProcesseur();
    QElapsedTimer chrono;
    chrono.start();
    tourne(secondes);
    const double ecoule = double(chrono.nsecsElapsed()) / 1e9;
    const double processeur = secondesProcesseur() - processeurAvant;

    const double parSeconde = double(ticks) / ecoule;
    const char *suffixe = deroule ? "deroule" : montree ? "xvfb" : "offscreen";
    const auto nom = [suffixe](const char *figure) { return QByteArray(figure) + '_' + suffixe; };
    afficheMesure(nom("cadence").constData(), parSeconde, "ticks/s");
    afficheMesure(nom("cadence_part").constData(), parSeconde / 10.0, "%_of_1000");
    afficheMesure(nom("processeur").constData(), 100.0 * processeur / ecoule, "%_of_one_core");
    afficheMesure(nom("memoire_pic").constData(), picResidentKio() / 1024.0, "MiB");
    return form.etat().MecanismeEnMarche ? 0 : 1;
}
