// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the travel of the messages: every step of the three routes at the
// default step of 25 pixels, the turns and their shapes, the decision at the
// integrating centre, the effector's action, and the beeps.
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QTest>

namespace {

struct Forme
{
    TForm1 *form;

    // Starts the mechanism and launches a sensory message with the regulated
    // value at `reglee` under a set point of 50.
    void lance(int reglee)
    {
        form->ScrollBarValeurReglee->setValue(reglee);
        form->ReprendreMecanisme();
        form->TimerCapteurTimer();
    }

    // Runs the sensory ticks until it reaches the centre; returns their count.
    int amene()
    {
        int ticks = 0;
        while (form->etat().InfluxSensitif && ticks < 100) {
            form->TimerVoieSensitiveTimer();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace

class TestInflux : public QObject
{
    Q_OBJECT

private slots:
    void routeLegEnds_data();
    void routeLegEnds();
    void motorRoute_data();
    void motorRoute();
    void nothingLeavesTheCentreOnTheSetPoint();
    void sensoryMessageDroppedWhileMotorTravels();
    void speedChangeDuringTrip();
    void inhibitingRouteTravelledWhenAbsent();
    void beepsOnSensoryTicksOnly();
    void staleLegFlagsAreOvertaken();
};

// With a step of 25 pixels: where each marker stands, relative to its pathway
// picture, on the ticks around the end of each leg, and the tick on which it
// arrives.
void TestInflux::routeLegEnds_data()
{
    QTest::addColumn<int>("voie"); // 0 sensory, 1 stimulating, 2 inhibiting
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<QList<QRect>>("positions");
    QTest::addColumn<int>("arrivee");
    QTest::addColumn<int>("vitesse"); // steps of 5 x (speed + 1) pixels

    QTest::addRow("sensory") << 0 << QList<int>{1, 2, 12, 13, 14}
                             << QList<QRect>{{10, 25, 4, 10},
                                             {10, 10, 10, 4},
                                             {260, 10, 10, 4},
                                             {283, 10, 4, 10},
                                             {283, 35, 4, 10}}
                             << 15 << 5;
    // Steps of 5: the climb of 50 pixels stops 5 short of the top, where a
    // step would no longer leave it short of the line.
    QTest::addRow("sensory, slowest")
        << 0 << QList<int>{1, 9, 10}
        << QList<QRect>{{10, 45, 4, 10}, {10, 5, 4, 10}, {10, 10, 10, 4}} << 80 << 0;
    QTest::addRow("stimulating") << 1 << QList<int>{0, 1, 2, 11, 12}
                                 << QList<QRect>{{246, 0, 4, 10},
                                                 {246, 25, 4, 10},
                                                 {230, 38, 10, 4},
                                                 {5, 38, 10, 4},
                                                 {1, 22, 4, 10}}
                                 << 13 << 5;
    QTest::addRow("inhibiting") << 2 << QList<int>{0, 2, 3, 13, 14, 16}
                                << QList<QRect>{{297, 0, 4, 10}, {297, 50, 4, 10}, {284, 70, 10, 4},
                                                {34, 70, 10, 4}, {1, 55, 4, 10},   {1, 5, 4, 10}}
                                << 17 << 5;
}

void TestInflux::routeLegEnds()
{
    QFETCH(int, voie);
    QFETCH(QList<int>, ticks);
    QFETCH(QList<QRect>, positions);
    QFETCH(int, arrivee);
    QFETCH(int, vitesse);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.TrackBarVitesse->setValue(vitesse);
    Forme f{&form};
    f.lance(voie == 2 ? 80 : 20);
    if (voie > 0)
        QCOMPARE(f.amene(), 15);
    const ImageControl *image = voie == 0   ? form.ImageVoieSensitive
                                : voie == 1 ? form.ImageVoieStimulatrice
                                            : form.ImageVoieInhibitrice;
    const auto tick = voie == 0   ? &TForm1::TimerVoieSensitiveTimer
                      : voie == 1 ? &TForm1::TimerVoieStimulatriceTimer
                                  : &TForm1::TimerVoieInhibitriceTimer;
    const auto influx = [&form, voie] {
        return voie == 0 ? form.etat().InfluxSensitif.get() : form.etat().InfluxMoteur.get();
    };

    for (int n = 0, i = 0; n < arrivee; ++n) {
        if (i < ticks.size() && ticks[i] == n) {
            QVERIFY2(influx(), qPrintable(QString::number(n)));
            QCOMPARE(influx()->geometry().translated(-image->pos()), positions[i]);
            ++i;
        }
        (form.*tick)();
    }
    QVERIFY(!influx());
}

void TestInflux::motorRoute_data()
{
    QTest::addColumn<int>("reglee");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("apres");

    // 50 - 20 = 30: step 6 up; 50 - 80 = -30: step 6 down.
    QTest::addRow("stimulating") << 20 << 13 << 26;
    QTest::addRow("inhibiting") << 80 << 17 << 74;
}

void TestInflux::motorRoute()
{
    QFETCH(int, reglee);
    QFETCH(int, ticks);
    QFETCH(int, apres);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    f.lance(reglee);
    QCOMPARE(f.amene(), 15);

    const bool stimulant = reglee < 50;
    ImageControl *effecteur =
        stimulant ? form.ImageEffecteurStimulateur : form.ImageEffecteurInhibiteur;
    IntervalTimer *timer = stimulant ? form.TimerVoieStimulatrice : form.TimerVoieInhibitrice;
    IntervalTimer *autre = stimulant ? form.TimerVoieInhibitrice : form.TimerVoieStimulatrice;
    const auto tick =
        stimulant ? &TForm1::TimerVoieStimulatriceTimer : &TForm1::TimerVoieInhibitriceTimer;

    Marker *influx = form.etat().InfluxMoteur.get();
    QVERIFY(influx);
    QCOMPARE(influx->image().pixelColor(5, 5), QColor(Qt::black));
    QVERIFY(!form.TimerVoieSensitive->isRunning());
    QCOMPARE(timer->interval(), form.etat().IntervalleAnimation);
    QVERIFY(!autre->isRunning());

    for (int n = 1; n < ticks; ++n) {
        (form.*tick)();
        QVERIFY2(form.etat().InfluxMoteur, qPrintable(QString::number(n)));
    }
    QVERIFY(effecteur->isShown());

    (form.*tick)(); // arrival at the effector
    QVERIFY(!form.etat().InfluxMoteur);
    QVERIFY(!effecteur->isShown());
    QCOMPARE(form.etat().ValeurReglee, apres);
    QCOMPARE(form.ScrollBarValeurReglee->value(), apres);
    QCOMPARE(form.EditValeurReglee->text(), QString::number(apres));
    QCOMPARE(form.etat().Ecart, 50 - apres);
    QVERIFY(timer->isRunning()); // left running with no leg to act on

    (form.*tick)();
    QCOMPARE(form.etat().ValeurReglee, apres);
    form.TimerCapteurTimer();
    QVERIFY(effecteur->isShown());
}

void TestInflux::nothingLeavesTheCentreOnTheSetPoint()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    form.TimerVoieStimulatrice->setInterval(300);
    f.lance(20);
    form.ScrollBarValeurReglee->setValue(50); // Ecart back to 0 on the way
    QCOMPARE(form.etat().Ecart, 0);
    f.amene();
    QVERIFY(!form.etat().InfluxMoteur);
    QVERIFY(!form.TimerVoieSensitive->isRunning());
    QCOMPARE(form.TimerVoieStimulatrice->interval(), 300);
    QVERIFY(!form.TimerVoieInhibitrice->isRunning());
}

void TestInflux::sensoryMessageDroppedWhileMotorTravels()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    f.lance(20);
    f.amene();
    Marker *moteur = form.etat().InfluxMoteur.get();
    QVERIFY(moteur);

    form.TimerCapteurTimer(); // a second sensory message
    QVERIFY(form.etat().InfluxSensitif);
    f.amene();
    QCOMPARE(form.etat().InfluxMoteur.get(), moteur);
    QVERIFY(form.TimerVoieSensitive->isRunning());

    form.SpeedButtonSon->setChecked(true);
    form.TimerVoieSensitiveTimer(); // no flag set: only the beep
    QCOMPARE(beeper.count, 1);
    QVERIFY(!form.etat().InfluxSensitif);
}

void TestInflux::speedChangeDuringTrip()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    f.lance(20);
    const QRect voie = form.ImageVoieSensitive->geometry();
    form.TimerVoieSensitiveTimer();
    form.TimerVoieSensitiveTimer(); // on the top run at L + 10
    form.TrackBarVitesse->setValue(10);
    form.TimerVoieSensitiveTimer();
    QCOMPARE(form.etat().InfluxSensitif->x(), voie.x() + 10 + 55);
    QCOMPARE(form.TimerVoieSensitive->interval(), 1);
    QCOMPARE(f.amene(), 5); // 65 -> 230 in 3 steps, turn, arrival
}

void TestInflux::inhibitingRouteTravelledWhenAbsent()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    form.ImageVoieInhibitrice->setTag(0);
    form.ImageVoieInhibitrice->hide();
    f.lance(80);
    f.amene();
    for (int n = 0; n < 17; ++n)
        form.TimerVoieInhibitriceTimer();
    QCOMPARE(form.etat().ValeurReglee, 74);
}

void TestInflux::beepsOnSensoryTicksOnly()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    form.SpeedButtonSon->setChecked(true);
    f.lance(20);
    QCOMPARE(f.amene(), 15);
    QCOMPARE(beeper.count, 15);
    for (int n = 0; n < 13; ++n)
        form.TimerVoieStimulatriceTimer();
    form.TimerVoieInhibitriceTimer();
    QCOMPARE(beeper.count, 15);

    form.SpeedButtonSon->setChecked(false);
    form.TimerCapteurTimer();
    f.amene();
    QCOMPARE(beeper.count, 15);
}

void TestInflux::staleLegFlagsAreOvertaken()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    Forme f{&form};
    f.lance(20);
    for (int n = 0; n < 5; ++n)
        form.TimerVoieSensitiveTimer(); // on the top run
    form.SuspendreMecanisme();
    QVERIFY(form.etat().PhaseSensitiveTraversee);
    QVERIFY(!form.etat().InfluxSensitif);

    // A tick with a stale flag and no marker does nothing.
    form.TimerVoieSensitiveTimer();
    QVERIFY(form.etat().PhaseSensitiveTraversee);

    form.ReprendreMecanisme();
    form.TimerCapteurTimer();
    QCOMPARE(f.amene(), 15);
    QVERIFY(form.etat().InfluxMoteur);
}

QTEST_MAIN(TestInflux)
#include "tst_influx.moc"
