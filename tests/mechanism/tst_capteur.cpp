// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the sensor tick: the deviation class for each range, the sensor's
// colour and blink, the drift when exactly on the set point, and the launch
// of the sensory message.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "countingbeeper.h"
#include "mechanism/tableclassesecart.h"
#include "scriptedmessages.h"

#include <QTest>

class TestCapteur : public QObject
{
    Q_OBJECT

private slots:
    void classOfDeviation_data();
    void classOfDeviation();
    void tableIsConsistent();
    void sensorTakesClassColourAndBlinks();
    void driftOnlyWhenExactlyOnSetPoint_data();
    void driftOnlyWhenExactlyOnSetPoint();
    void classZeroEndsPerturbationDisplay();
    void launchesOneSensoryMarker();
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

    const ClasseEcartLigne &ligne = ligneClasse(classe);
    QCOMPARE(form.etat().PeriodeSensitive, int(ligne.PeriodeSensitive));
    QCOMPARE(form.etat().PeriodeStimulatrice, int(ligne.PeriodeStimulatrice));
    QCOMPARE(form.etat().PeriodeInhibitrice, int(ligne.PeriodeInhibitrice));
}

void TestCapteur::tableIsConsistent()
{
    // The recordings divide by the periods and draw at the levels inside
    // 40-pixel strips; sensory and inhibiting activity go together.
    for (int classe = ClasseEcartMin; classe <= ClasseEcartMax; ++classe) {
        const ClasseEcartLigne &ligne = ligneClasse(classe);
        QVERIFY(ligne.PeriodeSensitive >= 1 && ligne.PeriodeStimulatrice >= 1);
        for (int niveau : {ligne.NiveauSensitif, ligne.NiveauStimulateur, ligne.NiveauInhibiteur})
            QVERIFY(niveau >= 2 && niveau <= 38);
        QCOMPARE(ligne.PeriodeSensitive, ligne.PeriodeInhibitrice);
        QCOMPARE(ligne.NiveauSensitif, ligne.NiveauInhibiteur);
        QCOMPARE(ligneClasse(-classe).NiveauStimulateur, ligne.NiveauSensitif);
    }
    QCOMPARE(couleurClasse(0), QColor(255, 0, 255));
    QCOMPARE(couleurClasse(-1), QColor(192, 128, 0));
}

void TestCapteur::sensorTakesClassColourAndBlinks()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(20); // Ecart 30: class 3
    QVERIFY(!form.ImageCapteur->isHidden());

    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ClasseEcart, 3);
    const QImage &capteur = form.ImageCapteur->canvas().surface();
    QCOMPARE(capteur.size(), QSize(47, 19));
    QCOMPARE(capteur.pixelColor(20, 10), couleurClasse(3));
    QCOMPARE(capteur.pixelColor(46, 18), couleurClasse(3));
    QCOMPARE(capteur.pixelColor(20, 0), QColor(Qt::black));
    QCOMPARE(capteur.pixelColor(0, 10), QColor(Qt::black));
    QVERIFY(form.ImageCapteur->isHidden());

    form.TimerCapteurTimer();
    QVERIFY(!form.ImageCapteur->isHidden());
    form.TimerCapteurTimer();
    QVERIFY(form.ImageCapteur->isHidden());
    form.SuspendreMecanisme();
    QVERIFY(!form.ImageCapteur->isHidden());
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
    QVERIFY(!form.ImageEclair1->isHidden());

    form.TimerCapteurTimer();
    QCOMPARE(form.etat().ClasseEcart, 0);
    QVERIFY(!form.TimerPerturbation->isRunning());
    QVERIFY(form.LabelPerturbation->isHidden());
    QVERIFY(form.ImageEclair1->isHidden());
    QVERIFY(form.ImageEclair2->isHidden());
}

void TestCapteur::launchesOneSensoryMarker()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ScrollBarValeurReglee->setValue(75); // Ecart -25: class -2
    form.ReprendreMecanisme();
    form.TimerCapteurTimer();

    ImageControl *influx = form.etat().InfluxSensitif.get();
    QVERIFY(influx);
    QCOMPARE(influx->parentWidget(), form.GroupBoxSystemeReglant);
    QVERIFY(!influx->isHidden());
    const QRect voie = form.ImageVoieSensitive->geometry();
    QCOMPARE(influx->geometry(), QRect(voie.x() + 10, voie.y() + voie.height(), 4, 10));
    QCOMPARE(influx->image().size(), QSize(10, 10));
    QCOMPARE(influx->image().pixelColor(9, 9), couleurClasse(-2));
    QVERIFY(form.etat().PhaseSensitiveMontee);
    QCOMPARE(form.TimerVoieSensitive->interval(), form.etat().IntervalleAnimation);

    // While it travels, no other leaves the sensor.
    form.TimerCapteurTimer();
    QCOMPARE(form.etat().InfluxSensitif.get(), influx);
    QCOMPARE(form.GroupBoxSystemeReglant->findChildren<ImageControl *>().size(), 8);
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
    form.ImageEffecteurStimulateur->hide();
    form.ImageEffecteurInhibiteur->hide();
    form.TimerCapteurTimer();
    form.TimerCapteurTimer(); // a marker travels: the effectors still come back
    QVERIFY(!form.ImageEffecteurStimulateur->isHidden());
    QCOMPARE(!form.ImageEffecteurInhibiteur->isHidden(), inhibiteur);

    form.ImageEffecteurInhibiteur->hide();
    form.SuspendreMecanisme();
    QVERIFY(!form.ImageEffecteurStimulateur->isHidden());
    QCOMPARE(!form.ImageEffecteurInhibiteur->isHidden(), inhibiteur);
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
