// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the sensor tick: the deviation class for each range, the sensor's
// colour and blink, the drift when exactly on the set point, and the launch
// of the sensory message.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QTest>

class TestCapteur : public QObject
{
    Q_OBJECT

private slots:
    void classOfDeviation_data();
    void classOfDeviation();
    void classTable_data();
    void classTable();
    void sensorTakesClassColourAndBlinks();
    void driftOnlyWhenExactlyOnSetPoint_data();
    void driftOnlyWhenExactlyOnSetPoint();
    void classZeroEndsPerturbationDisplay();
    void launchesOneSensoryMarker();
    void blinkAndMarkerOnTheScreen();
    void effectorsShownAgain_data();
    void effectorsShownAgain();
    void firstTickAfterStartUp();
};

void TestCapteur::classOfDeviation_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("ecart");
    QTest::addColumn<int>("classe");

    const struct
    {
        int minimum, maximum, ecart, classe;
    } cas[] = {
        {0, 100, 9, 0},
        {0, 100, 10, 1},
        {0, 100, -9, 0},
        {0, 100, -10, -1},
        {0, 100, 59, 5},
        {0, 100, 60, 5},
        {0, 100, 1000, 5},
        {0, 100, -1000, -5},
        {23, 42, 3, 3},
        {23, 42, -4, -4},
        {23, 42, 7, 5},
        {23, 42, -19, -5},
        {600, 3000, -239, 0},
        {600, 3000, -240, -1},
        {600, 3000, 1199, 4},
        {600, 3000, 2400, 5},
        // Narrower than 10: one class per unit instead of a division by 0.
        {10, 15, 2, 2},
        {10, 15, -9, -5},
        {7, 7, 1, 1},
    };
    for (const auto &c : cas)
        QTest::addRow("%d..%d ecart %d", c.minimum, c.maximum, c.ecart)
            << c.minimum << c.maximum << c.ecart << c.classe;
}

void TestCapteur::classOfDeviation()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, ecart);
    QFETCH(int, classe);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setParams(minimum, minimum, maximum);
    form.etat().Ecart = ecart;
    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ClasseEcart, classe);
}

// The eleven rows of the class table as the teaching material prints them:
// colour, periods of the nervous recordings, levels of the hormonal ones.
void TestCapteur::classTable_data()
{
    QTest::addColumn<int>("classe");
    QTest::addColumn<QColor>("couleur");
    QTest::addColumn<QList<int>>("periodes"); // sensory, stimulating, inhibiting
    QTest::addColumn<QList<int>>("niveaux");  // sensory, stimulating, inhibiting

    const struct
    {
        int classe, r, v, b, ps, pst, pi, ns, nst, ni;
    } table[] = {
        {-5, 255, 0, 0, 1, 35, 1, 2, 38, 2},     {-4, 192, 0, 0, 1, 30, 1, 6, 34, 6},
        {-3, 128, 0, 0, 2, 25, 2, 10, 30, 10},   {-2, 128, 0, 0, 3, 20, 3, 14, 26, 14},
        {-1, 192, 128, 0, 5, 15, 5, 18, 24, 18}, {0, 255, 0, 255, 10, 10, 10, 20, 20, 20},
        {1, 0, 0, 192, 15, 5, 15, 24, 18, 24},   {2, 0, 0, 128, 20, 3, 20, 26, 14, 26},
        {3, 0, 0, 128, 25, 2, 25, 30, 10, 30},   {4, 0, 0, 192, 30, 1, 30, 34, 6, 34},
        {5, 0, 0, 255, 35, 1, 35, 38, 2, 38},
    };
    for (const auto &l : table)
        QTest::addRow("class %d", l.classe)
            << l.classe << QColor(l.r, l.v, l.b) << QList<int>{l.ps, l.pst, l.pi}
            << QList<int>{l.ns, l.nst, l.ni};
}

void TestCapteur::classTable()
{
    QFETCH(int, classe);
    QFETCH(QColor, couleur);
    QFETCH(QList<int>, periodes);
    QFETCH(QList<int>, niveaux);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    for (ImageControl *voie :
         {form.ImageVoieSensitive, form.ImageVoieStimulatrice, form.ImageVoieInhibitrice})
        voie->setTag(2); // hormonal: the recordings move toward the class levels
    form.etat().Ecart = classe * 10 + (classe < 0 ? -5 : 5);
    form.TimerCapteurTimer();

    QCOMPARE(form.etat().ClasseEcart, classe);
    QCOMPARE(form.ImageCapteur->canvas().surface().pixelColor(20, 10), couleur);
    QCOMPARE(form.etat().InfluxSensitif->image().pixelColor(5, 5), couleur);
    const EtatMecanisme &etat = form.etat();
    QCOMPARE((QList<int>{etat.PeriodeSensitive, etat.PeriodeStimulatrice, etat.PeriodeInhibitrice}),
             periodes);

    // The recordings draw with the class of the previous tick.
    form.TimerCapteurTimer();
    QCOMPARE((QList<int>{etat.NiveauCibleSensitif, etat.NiveauCibleStimulateur,
                         etat.NiveauCibleInhibiteur}),
             niveaux);
}

void TestCapteur::sensorTakesClassColourAndBlinks()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(20); // Ecart 30: class 3
    QVERIFY(form.ImageCapteur->isShown());

    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ClasseEcart, 3);
    const QImage &capteur = form.ImageCapteur->canvas().surface();
    QCOMPARE(capteur.size(), QSize(47, 19));
    QCOMPARE(capteur.pixelColor(20, 10), QColor(0, 0, 128));
    QCOMPARE(capteur.pixelColor(46, 18), QColor(0, 0, 128));
    QCOMPARE(capteur.pixelColor(20, 0), QColor(Qt::black));
    QCOMPARE(capteur.pixelColor(0, 10), QColor(Qt::black));
    QVERIFY(!form.ImageCapteur->isShown());

    form.TimerCapteurTimer();
    QVERIFY(form.ImageCapteur->isShown());
    form.TimerCapteurTimer();
    QVERIFY(!form.ImageCapteur->isShown());
    form.SuspendreMecanisme();
    QVERIFY(form.ImageCapteur->isShown());
}

void TestCapteur::driftOnlyWhenExactlyOnSetPoint_data()
{
    QTest::addColumn<int>("reglee");
    QTest::addColumn<int>("apres");

    QTest::addRow("on the set point") << 50 << 49;
    QTest::addRow("class 0, deviation 5") << 45 << 45;
    QTest::addRow("class 0, deviation -9") << 59 << 59;
}

void TestCapteur::driftOnlyWhenExactlyOnSetPoint()
{
    QFETCH(int, reglee);
    QFETCH(int, apres);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(reglee == 50 ? 49 : reglee);
    form.ScrollBarValeurReglee->setValue(reglee);
    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ValeurReglee, apres);
    QCOMPARE(form.EditValeurReglee->text(), QString::number(apres));
    QCOMPARE(form.ScrollBarValeurReglee->value(), apres);
}

void TestCapteur::classZeroEndsPerturbationDisplay()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    form.etat().ClasseEcart = 2;
    form.ScrollBarValeurReglee->setValue(45); // indicator on, deviation 5
    form.TimerPerturbationTimer();
    QVERIFY(form.TimerPerturbation->isRunning());
    QVERIFY(!form.LabelPerturbation->isHidden());
    QVERIFY(form.ImageEclair1->isShown());

    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ClasseEcart, 0);
    QVERIFY(!form.TimerPerturbation->isRunning());
    QVERIFY(form.LabelPerturbation->isHidden());
    QVERIFY(!form.ImageEclair1->isShown());
    QVERIFY(!form.ImageEclair2->isShown());
}

void TestCapteur::launchesOneSensoryMarker()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(75); // Ecart -25: class -2
    form.ReprendreMecanisme();
    form.TimerCapteurTimer();

    Marker *influx = form.etat().InfluxSensitif.get();
    QVERIFY(influx);
    QCOMPARE(influx->parentWidget(), form.GroupBoxSystemeReglant);
    QVERIFY(influx->isVisible());
    const QRect voie = form.ImageVoieSensitive->geometry();
    QCOMPARE(influx->geometry(), QRect(voie.x() + 10, voie.y() + voie.height(), 4, 10));
    QCOMPARE(influx->image().size(), QSize(10, 10));
    QCOMPARE(influx->image().pixelColor(9, 9), QColor(128, 0, 0));
    QVERIFY(form.etat().PhaseSensitiveMontee);
    QCOMPARE(form.TimerVoieSensitive->interval(), form.etat().IntervalleAnimation);

    // While it travels, no other leaves the sensor.
    form.TimerCapteurTimer();
    QCOMPARE(form.etat().InfluxSensitif.get(), influx);
    QCOMPARE(form.findChild<MarkerLayer *>()->markers().size(), 1);
}

// What the pupil sees: the sensor off on every other tick, and the message
// above its pathway in the sensor's colour.
void TestCapteur::blinkAndMarkerOnTheScreen()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ScrollBarValeurReglee->setValue(20); // class 3: navy
    form.ReprendreMecanisme();
    const QColor navy(0, 0, 128);
    const auto pixel = [&form](QPoint point) {
        return form.GroupBoxSystemeReglant->grab().toImage().pixelColor(point);
    };
    // Right of the foot of the sensory pathway, where the message starts.
    const QPoint capteur(form.ImageCapteur->geometry().right() - 3,
                         form.ImageCapteur->geometry().center().y());

    form.TimerCapteurTimer(); // painted navy, then off
    QVERIFY(pixel(capteur) != navy);
    form.TimerVoieSensitiveTimer(); // up into the pathway
    const QRect message = form.etat().InfluxSensitif->geometry();
    QVERIFY(form.ImageVoieSensitive->geometry().contains(message));
    QCOMPARE(pixel(message.center()), navy);
    QVERIFY(pixel(message.topLeft() - QPoint(1, 1)) != navy);
    form.TimerCapteurTimer();
    QCOMPARE(pixel(capteur), navy);
}

void TestCapteur::effectorsShownAgain_data()
{
    QTest::addColumn<QString>("systeme");
    QTest::addColumn<bool>("inhibiteur");

    QTest::addRow("general scheme") << "Schéma général (nerveux)" << true;
    QTest::addRow("integrity of the organism") << "Intégrité de l'organisme" << false;
}

void TestCapteur::effectorsShownAgain()
{
    QFETCH(QString, systeme);
    QFETCH(bool, inhibiteur);

    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ComboBoxSysteme->setCurrentIndex(form.ComboBoxSysteme->findText(systeme));
    const auto vu = [](const ImageControl *effecteur) {
        return !effecteur->isHidden() && effecteur->isShown();
    };
    form.ImageEffecteurStimulateur->setShown(false);
    form.ImageEffecteurInhibiteur->setShown(false);
    form.TimerCapteurTimer();
    form.TimerCapteurTimer(); // a marker travels: the effectors still come back
    QVERIFY(vu(form.ImageEffecteurStimulateur));
    QCOMPARE(vu(form.ImageEffecteurInhibiteur), inhibiteur);

    form.ImageEffecteurInhibiteur->setShown(false);
    form.SuspendreMecanisme();
    QVERIFY(vu(form.ImageEffecteurStimulateur));
    QCOMPARE(vu(form.ImageEffecteurInhibiteur), inhibiteur);
}

void TestCapteur::firstTickAfterStartUp()
{
    // Nothing was moved before the start: the state still holds zeros and
    // the first tick brings it in line by the drift.
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QCOMPARE(form.etat().ValeurConsigne, 0);
    QCOMPARE(form.etat().Ecart, 0);
    form.ButtonMarche->click();
    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ValeurConsigne, 50);
    QCOMPARE(form.etat().ValeurReglee, 49);
    QCOMPARE(form.etat().Ecart, 1);
    QCOMPARE(form.etat().PasEffecteur, 5);
}

QTEST_MAIN(TestCapteur)
#include "tst_capteur.moc"
