// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the chains of change handlers between the value bars and their edits:
// the set point never taken equal to the regulated value, the effector step
// and its parity, the nudge at class 0, clamping by the bar, and the
// perturbation indicator.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QTest>

class TestValeurs : public QObject
{
    Q_OBJECT

private slots:
    void setPointOntoRegulatedValueTakesOneMore();
    void setPointAtTopOfRange();
    void effectorStepFollowsRangeAndParity_data();
    void effectorStepFollowsRangeAndParity();
    void setPointChangeAtClassZeroNudgesRegulatedValue();
    void setPointFrom55To50WhileRunning();
    void regulatedValueBeyondRange();
    void perturbationIndicatorFollowsClass_data();
    void perturbationIndicatorFollowsClass();
    void lightningAlternates();
    void speedChanges_data();
    void speedChanges();
    void speedChangeWhileStoppedStartsNothing();
    void startThenStopLeavesNothing();
};

void TestValeurs::setPointOntoRegulatedValueTakesOneMore()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(49);
    form.ScrollBarValeurReglee->setValue(50); // state now holds 50 / 50
    QCOMPARE(form.etat().ValeurReglee, 50);

    form.ScrollBarValeurConsigne->setValue(40);
    form.ScrollBarValeurConsigne->setValue(50);
    QCOMPARE(form.etat().ValeurConsigne, 51);
    QCOMPARE(form.EditValeurConsigne->text(), QStringLiteral("51"));
    QCOMPARE(form.ScrollBarValeurConsigne->value(), 51);
    QCOMPARE(form.etat().Ecart, 1);
}

void TestValeurs::setPointAtTopOfRange()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(100);
    form.ScrollBarValeurConsigne->setValue(100);
    QCOMPARE(form.etat().ValeurConsigne, 101);
    QCOMPARE(form.EditValeurConsigne->text(), QStringLiteral("101"));
    QCOMPARE(form.ScrollBarValeurConsigne->value(), 100);
    QCOMPARE(form.etat().Ecart, 1);
}

void TestValeurs::effectorStepFollowsRangeAndParity_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("reglee");
    QTest::addColumn<int>("ecart");
    QTest::addColumn<int>("pas");

    // The set point is 50 clamped into the range (601 at the start of the
    // glycaemia range, as the bar never takes it equal to the regulated value).
    const QString general = QStringLiteral("Schéma général (nerveux)");
    const QString integrite = QStringLiteral("Intégrité de l'organisme");
    QTest::addRow("range 100, even deviation") << general << 0 << 100 << 20 << 30 << 6;
    QTest::addRow("range 100, odd deviation") << general << 0 << 100 << 21 << 29 << 5;
    QTest::addRow("range 100, zero deviation") << general << 0 << 100 << 50 << 0 << 6;
    QTest::addRow("range 100, negative odd") << general << 0 << 100 << 53 << -3 << 5;
    QTest::addRow("integrity, odd deviation") << integrite << 0 << 100 << 21 << 29 << 6;
    QTest::addRow("integrity, even deviation") << integrite << 0 << 100 << 20 << 30 << 5;
    QTest::addRow("integrity, negative odd") << integrite << 0 << 100 << 53 << -3 << 6;
    QTest::addRow("range 19, even deviation") << "Homéothermie" << 23 << 42 << 40 << 2 << 3;
    QTest::addRow("range 19, odd deviation") << "Homéothermie" << 23 << 42 << 41 << 1 << 2;
    QTest::addRow("range 2400, even deviation")
        << "Glycémie directe" << 600 << 3000 << 1001 << -400 << 121;
    QTest::addRow("range 2400, odd deviation")
        << "Glycémie directe" << 600 << 3000 << 1000 << -399 << 120;
}

void TestValeurs::effectorStepFollowsRangeAndParity()
{
    QFETCH(QString, systeme);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, reglee);
    QFETCH(int, ecart);
    QFETCH(int, pas);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ComboBoxSysteme->setCurrentIndex(form.ComboBoxSysteme->findText(systeme));
    form.ScrollBarValeurReglee->setParams(minimum, minimum, maximum);
    form.ScrollBarValeurConsigne->setParams(minimum, minimum, maximum);
    form.EditValeurConsigne->setText(QStringLiteral("50"));
    form.ScrollBarValeurReglee->setValue(reglee);

    QCOMPARE(form.etat().ValeurReglee, reglee);
    QCOMPARE(form.etat().Ecart, ecart);
    QCOMPARE(form.etat().PasEffecteur, pas);
}

void TestValeurs::setPointChangeAtClassZeroNudgesRegulatedValue()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    QCOMPARE(form.etat().ClasseEcart, 0);

    form.ScrollBarValeurConsigne->setValue(53);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("51"));
    QCOMPARE(form.ScrollBarValeurReglee->value(), 51);
    QCOMPARE(form.etat().ValeurReglee, 51);
    form.ScrollBarValeurConsigne->setValue(54);
    QCOMPARE(form.etat().ValeurReglee, 52);
    QCOMPARE(form.etat().Ecart, 2);
    QVERIFY(!form.TimerPerturbation->isRunning());
    QVERIFY(form.LabelPerturbation->isHidden());
}

void TestValeurs::setPointFrom55To50WhileRunning()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurConsigne->setValue(55);
    form.ScrollBarValeurReglee->setValue(49);
    form.ScrollBarValeurReglee->setValue(50);
    form.ReprendreMecanisme();
    form.TimerCapteurTimer(); // Ecart 5: class 0
    QCOMPARE(form.etat().ClasseEcart, 0);
    QCOMPARE(form.etat().ValeurReglee, 50);

    form.ScrollBarValeurConsigne->setValue(50);
    QCOMPARE(form.etat().ValeurConsigne, 51);
    QCOMPARE(form.etat().ValeurReglee, 51);
    QCOMPARE(form.ScrollBarValeurConsigne->value(), 51);
    QCOMPARE(form.ScrollBarValeurReglee->value(), 51);
    QCOMPARE(form.etat().Ecart, 0);

    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ValeurReglee, 50);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("50"));
}

void TestValeurs::regulatedValueBeyondRange()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);

    // The bar moves to its end: the end value replaces the one beyond.
    form.EditValeurReglee->setText(QStringLiteral("130"));
    QCOMPARE(form.ScrollBarValeurReglee->value(), 100);
    QCOMPARE(form.etat().ValeurReglee, 100);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("100"));

    // The bar already stands at its end: the value beyond stays.
    form.EditValeurReglee->setText(QStringLiteral("104"));
    QCOMPARE(form.ScrollBarValeurReglee->value(), 100);
    QCOMPARE(form.etat().ValeurReglee, 104);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("104"));
    QCOMPARE(form.etat().Ecart, form.etat().ValeurConsigne - 104);
}

void TestValeurs::perturbationIndicatorFollowsClass_data()
{
    QTest::addColumn<int>("classe");
    QTest::addColumn<bool>("consigne"); // the change comes from the set point
    QTest::addColumn<bool>("running");
    QTest::addColumn<QColor>("pen");

    QTest::addRow("positive class") << 3 << false << true << QColor(255, 0, 0);
    QTest::addRow("negative class") << -2 << false << true << QColor(0, 255, 0);
    QTest::addRow("class 0") << 0 << false << false << QColor(128, 128, 0);
    // A set-point change keeps the colour of the last regulated-value change
    // (red, at class 2), but at class 0 it nudges the regulated value, whose
    // change sets it.
    QTest::addRow("set point, class 0") << 0 << true << false << QColor(128, 128, 0);
    QTest::addRow("set point, class 1") << 1 << true << true << QColor(255, 0, 0);
}

void TestValeurs::perturbationIndicatorFollowsClass()
{
    QFETCH(int, classe);
    QFETCH(bool, consigne);
    QFETCH(bool, running);
    QFETCH(QColor, pen);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    form.SpeedButtonEnregSensitif->click();
    // The indicator is on from an earlier change.
    form.etat().ClasseEcart = 2;
    form.ScrollBarValeurReglee->setValue(29);
    QVERIFY(form.TimerPerturbation->isRunning());
    QVERIFY(!form.LabelPerturbation->isHidden());

    form.etat().ClasseEcart = classe;
    form.etat().PasEffecteur = 99;
    if (consigne)
        form.ScrollBarValeurConsigne->setValue(30);
    else
        form.ScrollBarValeurReglee->setValue(30);

    QCOMPARE(form.TimerPerturbation->isRunning(), running);
    if (running)
        QCOMPARE(form.TimerPerturbation->interval(), 10);
    QCOMPARE(form.LabelPerturbation->isHidden(), !running);
    // The perturbation strip's next column takes the colour.
    QVERIFY(form.EnregistreColonne());
    QCOMPARE(form.EnregPerturbation->image().pixelColor(form.etat().PositionEnreg, 5), pen);
    // Only a regulated-value change computes the effector step anew (at
    // class 0 a set-point change nudges the regulated value, which does).
    QCOMPARE(form.etat().PasEffecteur == 99, consigne && classe != 0);

    // Stopped, the indicator is left alone.
    form.SuspendreMecanisme();
    form.etat().ClasseEcart = 1;
    form.ScrollBarValeurReglee->setValue(31);
    QVERIFY(!form.TimerPerturbation->isRunning());
    QVERIFY(form.LabelPerturbation->isHidden());
}

void TestValeurs::lightningAlternates()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QVERIFY(!form.ImageEclair1->isShown() && !form.ImageEclair2->isShown());
    for (int tick = 0; tick < 4; ++tick) {
        form.TimerPerturbationTimer();
        const bool premier = tick % 2 == 0;
        QCOMPARE(form.ImageEclair1->isShown(), premier);
        QCOMPARE(form.ImageEclair2->isShown(), !premier);
    }
}

void TestValeurs::speedChanges_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("intervalle");
    QTest::addColumn<int>("pas");

    QTest::addRow("slowest") << 0 << 1001 << 5;
    QTest::addRow("1") << 1 << 901 << 10;
    QTest::addRow("9") << 9 << 101 << 50;
    QTest::addRow("fastest") << 10 << 1 << 55;
}

void TestValeurs::speedChanges()
{
    QFETCH(int, position);
    QFETCH(int, intervalle);
    QFETCH(int, pas);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    form.TimerCapteurTimer(); // launches a sensory marker: its timer runs

    form.TrackBarVitesse->setValue(position);
    QCOMPARE(form.etat().IntervalleAnimation, intervalle);
    QCOMPARE(form.etat().PasDeplacement, pas);
    QCOMPARE(form.TimerCapteur->interval(), intervalle);
    QCOMPARE(form.TimerVoieSensitive->interval(), intervalle);
    QVERIFY(!form.TimerVoieStimulatrice->isRunning());
    QVERIFY(!form.TimerVoieInhibitrice->isRunning());
    QVERIFY(!form.TimerPerturbation->isRunning());
}

void TestValeurs::speedChangeWhileStoppedStartsNothing()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QCOMPARE(form.etat().PasDeplacement, 25); // until the bar is first moved
    form.TrackBarVitesse->setValue(8);
    for (IntervalTimer *timer : form.findChildren<IntervalTimer *>())
        QVERIFY(!timer->isRunning());
    form.ReprendreMecanisme();
    QCOMPARE(form.TimerCapteur->interval(), 201);
}

void TestValeurs::startThenStopLeavesNothing()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Marche"));
    form.ButtonMarche->click();
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Arrêt"));
    QVERIFY(form.etat().MecanismeEnMarche);
    form.TimerCapteurTimer();
    QVERIFY(form.etat().InfluxSensitif);
    form.ButtonMarche->click();
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Marche"));
    QVERIFY(!form.etat().MecanismeEnMarche);
    QVERIFY(!form.etat().InfluxSensitif);
    QVERIFY(!form.etat().InfluxMoteur);
    for (IntervalTimer *timer : form.findChildren<IntervalTimer *>())
        QCOMPARE(timer->interval(), 0);

    // A second start launches a fresh sensory marker at the next tick.
    form.ButtonMarche->click();
    form.TimerCapteurTimer();
    QVERIFY(form.etat().InfluxSensitif);
    QVERIFY(form.etat().PhaseSensitiveMontee);
}

QTEST_MAIN(TestValeurs)
#include "tst_valeurs.moc"
