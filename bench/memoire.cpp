// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/figures.h"

#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "bench/mesures.h"
#include "bench/pleinevitesse.h"

#include <QCoreApplication>

// The handlers are called as the event loop would call them at speed 10: a
// pathway tick per sensor tick for each running pathway timer, a perturbation
// tick every 10 sensor ticks; posted events are delivered every 1,000 ticks.
int mesureMemoire(long ticks)
{
    ReponsesOui messages;
    BipMuet bip;
    TForm1 form(messages, bip);
    lanceAPleineVitesse(form, QString::fromUtf8(SystemeNerveux));

    const auto voies = voiesAuTic(form);

    long residentApresMille = 0;
    long wraps = 0;
    for (long tick = 1; tick <= ticks; ++tick) {
        const int avant = form.etat().PositionEnreg;
        if (form.TimerCapteur->isRunning())
            form.TimerCapteurTimer();
        if (form.etat().PositionEnreg < avant)
            ++wraps;
        for (const auto &voie : voies) {
            if (voie.timer->isRunning())
                (form.*voie.tic)();
        }
        if (tick % 10 == 0 && form.TimerPerturbation->isRunning())
            form.TimerPerturbationTimer();
        if (tick % 1000 == 0)
            QCoreApplication::processEvents();
        if (tick == 1000)
            residentApresMille = residentKio();
    }
    const long residentFin = residentKio();

    afficheMesure("memoire_apres_1000", residentApresMille / 1024.0, "MiB");
    afficheMesure("memoire_apres_fin", residentFin / 1024.0, "MiB");
    afficheMesure("memoire_croissance", (residentFin - residentApresMille) / 1024.0, "MiB");
    afficheMesure("memoire_pic", picResidentKio() / 1024.0, "MiB");
    // Markers must really have travelled and the strips wrapped.
    return wraps > 0 && form.etat().MecanismeEnMarche ? 0 : 1;
}
