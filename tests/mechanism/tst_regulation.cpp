// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the whole road of one regulation: from a perturbation of the general
// scheme (regulated value dragged from 50 to 20) until the regulated value is
// back around the set point, with the values seen on the way.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "countingbeeper.h"
#include "instant.h"
#include "scriptedmessages.h"

#include <QTest>

class TestRegulation : public QObject
{
    Q_OBJECT

private slots:
    void perturbationIsCorrected();
    void runningKeepsValueAroundSetPoint_data();
    void runningKeepsValueAroundSetPoint();
};

void TestRegulation::perturbationIsCorrected()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ButtonMarche->click();
    form.ScrollBarValeurReglee->setValue(20);
    QCOMPARE(form.etat().ValeurConsigne, 50);
    QCOMPARE(form.etat().ValeurReglee, 20);
    QCOMPARE(form.etat().Ecart, 30);
    QCOMPARE(form.etat().PasEffecteur, 6);

    unInstant(form);
    QCOMPARE(form.etat().ClasseEcart, 3);
    QVERIFY(form.etat().InfluxSensitif);

    QList<int> valeurs;
    int instants = 0;
    while (valeurs.size() < 6 && instants++ < 1000) {
        const int avant = form.etat().ValeurReglee;
        unInstant(form);
        if (form.etat().ValeurReglee != avant)
            valeurs << form.etat().ValeurReglee;
        if (valeurs.size() == 1 && instants < 1000 && valeurs.first() == 26) {
            // The first action of the stimulating effector.
            QCOMPARE(form.etat().Ecart, 24);
            QCOMPARE(form.TimerPerturbation->interval(), 10);
            QVERIFY(!form.LabelPerturbation->isHidden());
            QCOMPARE(form.etat().Perturbation, 1);
        }
    }
    QCOMPARE(valeurs.mid(0, 4), (QList<int>{26, 32, 38, 44}));

    // Back within class 0: the lightning stops and the value stays close.
    for (int n = 0; n < 200; ++n)
        unInstant(form);
    QCOMPARE(form.etat().ClasseEcart, 0);
    QVERIFY(!form.TimerPerturbation->isRunning());
    QVERIFY(form.LabelPerturbation->isHidden());
    QVERIFY(qAbs(form.etat().Ecart) < 10);
}

void TestRegulation::runningKeepsValueAroundSetPoint_data()
{
    QTest::addColumn<int>("depart");
    QTest::addRow("from below") << 5;
    QTest::addRow("from above") << 95;
}

void TestRegulation::runningKeepsValueAroundSetPoint()
{
    QFETCH(int, depart);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ButtonMarche->click();
    form.ScrollBarValeurReglee->setValue(depart);
    for (int n = 0; n < 600; ++n)
        unInstant(form);
    // Once corrected, the value only wanders within class 0 of the set point.
    for (int n = 0; n < 600; ++n) {
        unInstant(form);
        QVERIFY2(qAbs(form.etat().Ecart) < 10, qPrintable(QString::number(form.etat().Ecart)));
        QVERIFY(!form.etat().InfluxMoteur || form.etat().InfluxMoteur->parentWidget());
    }
}

QTEST_MAIN(TestRegulation)
#include "tst_regulation.moc"
