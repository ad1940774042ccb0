// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one tick of the mechanism at full pace: the sensor tick with the
// three strips recording (wraps included, answered Oui), for a nervous and a
// hormonal system, and while a sequence replays (the whole instant: the
// sensor, the pathways it drives and the sequence's steps, restarts
// included); and the tick of a pathway timer moving its message.
#include "app/deroules.h"
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "bench/pleinevitesse.h"

#include <QElapsedTimer>
#include <QTest>

class BenchTick : public QObject
{
    Q_OBJECT

private slots:
    void tickCapteur_data();
    void tickCapteur();
    void tickVoie();
};

void BenchTick::tickCapteur_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<bool>("deroule");
    QTest::newRow("nerveux") << QString::fromUtf8(SystemeNerveux) << false;
    QTest::newRow("hormonal") << QString::fromUtf8(SystemeHormonal) << false;
    QTest::newRow("deroule") << QString::fromUtf8(SystemeNerveux) << true;
}

void BenchTick::tickCapteur()
{
    QFETCH(QString, systeme);
    QFETCH(bool, deroule);
    ReponsesOui messages;
    BipMuet bip;
    TForm1 form(messages, bip);
    lanceAPleineVitesse(form, systeme);
    if (deroule) {
        rejoueSansFin(form);
        QBENCHMARK
        {
            emit form.TimerCapteur->timeout();
            if (!form.deroules().rejoue())
                form.deroules().RejouerDeroule();
        }
        QVERIFY(form.deroules().rejoue());
        return;
    }

    QBENCHMARK
    {
        form.TimerCapteurTimer();
    }
    QVERIFY(form.etat().MecanismeEnMarche);
}

// Only the pathway ticks are timed: a new message leaves the sensor (an
// untimed sensor tick) whenever the previous one has arrived. The figure is
// the mean over whole trips, arrivals and effector actions included.
void BenchTick::tickVoie()
{
    ReponsesOui messages;
    BipMuet bip;
    TForm1 form(messages, bip);
    lanceAPleineVitesse(form, QString::fromUtf8(SystemeNerveux));

    const auto voies = voiesAuTic(form);
    constexpr int tours = 200000;
    qint64 nanosecondes = 0;
    int ticks = 0;
    QElapsedTimer chrono;
    for (int tour = 0; tour < tours; ++tour) {
        if (!form.etat().InfluxSensitif)
            form.TimerCapteurTimer();
        for (const auto &voie : voies) {
            if (!voie.timer->isRunning())
                continue;
            chrono.start();
            (form.*voie.tic)();
            nanosecondes += chrono.nsecsElapsed();
            ++ticks;
        }
    }
    QVERIFY(ticks > 0);
    QTest::setBenchmarkResult(qreal(nanosecondes) / ticks, QTest::WalltimeNanoseconds);
}

QTEST_MAIN(BenchTick)
#include "bench_tick.moc"
