// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of one tick of the mechanism at full pace: the sensor tick with the
// three strips recording (wraps included, answered Oui), for a nervous and a
// hormonal system, and the tick of a pathway timer moving its message.
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
    QTest::newRow("nerveux") << QString::fromUtf8(SystemeNerveux);
    QTest::newRow("hormonal") << QString::fromUtf8(SystemeHormonal);
}

void BenchTick::tickCapteur()
{
    QFETCH(QString, systeme);
    ReponsesOui messages;
    BipMuet bip;
    TForm1 form(messages, bip);
    lanceAPleineVitesse(form, systeme);

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
