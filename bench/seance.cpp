// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/figures.h"

#include "app/seances.h"
#include "app/tform1.h"
#include "app/window_services/glyphbutton.h"
#include "app/window_services/imagecontrol.h"
#include "app/window_services/intervaltimer.h"
#include "bench/mesures.h"
#include "bench/pleinevitesse.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

namespace {

// Every question answered Oui, and the lesson saved where asked.
class ReponsesSeance : public ReponsesOui
{
public:
    explicit ReponsesSeance(QString chemin) : m_chemin(std::move(chemin)) {}
    QString askSaveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return m_chemin;
    }

private:
    QString m_chemin;
};

double mediane(std::vector<double> mesures)
{
    std::sort(mesures.begin(), mesures.end());
    return mesures[mesures.size() / 2];
}

} // namespace

int mesureSeance(int fois)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("pleine.regulation"));
    ReponsesSeance messages(chemin);
    BipMuet bip;
    TForm1 form(messages, bip);
    lanceAPleineVitesse(form, QString::fromUtf8(SystemeNerveux));
    form.SpeedButtonCourbe->click();

    // The heaviest lesson: every strip and the curve drawn to their last
    // column, every column's row kept, and a whole reference.
    const int derniere = form.EnregSensitif->width() - 2;
    const auto voies = voiesAuTic(form);
    while (form.etat().PositionEnreg < derniere) {
        form.TimerCapteurTimer();
        for (const auto &voie : voies) {
            if (voie.timer->isRunning())
                (form.*voie.tic)();
        }
    }
    form.GarderReference();
    form.SuspendreMecanisme();

    std::vector<double> enregistrer, ouvrir;
    QElapsedTimer chrono;
    bool ouverte = true;
    for (int i = 0; i < fois; ++i) {
        chrono.start();
        form.seances()->Enregistrer();
        enregistrer.push_back(chrono.nsecsElapsed() / 1e6);
        chrono.start();
        ouverte &= form.seances()->ouvre(chemin);
        ouvrir.push_back(chrono.nsecsElapsed() / 1e6);
    }
    afficheMesure("seance_octets", QFileInfo(chemin).size() / 1024.0, "KiB");
    afficheMesure("seance_enregistrer", mediane(enregistrer), "ms");
    afficheMesure("seance_ouvrir", mediane(ouvrir), "ms");
    return ouverte && form.etat().PositionEnreg == derniere ? 0 : 1;
}
