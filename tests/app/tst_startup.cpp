// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the state of the window when the program has just started: the
// mechanism stopped with every timer still, the shared values, what is shown
// and hidden, the sensor's first paint and the list of systems.
#include "app/tform1.h"
#include "app/window_services/canvas.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/memo.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void sharedValues();
    void mechanismStopped();
    void hiddenAtStart();
    void sensorPaintedMagenta();
    void systemsListed();
    void storedValuesShownWithoutHandlers();
};

void TestStartup::sharedValues()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const EtatMecanisme &etat = form.etat();
    QCOMPARE(etat.PasDeplacement, 25);
    QCOMPARE(etat.IntervalleAnimation, 501);
    QCOMPARE(etat.PeriodeSensitive, 40);
    QCOMPARE(etat.PeriodeStimulatrice, 40);
    QCOMPARE(etat.PeriodeInhibitrice, 40);
    // Not yet read from the edits: the first change handler or tick does it.
    QCOMPARE(etat.ValeurConsigne, 0);
    QCOMPARE(etat.ValeurReglee, 0);
    QCOMPARE(etat.Ecart, 0);
    QCOMPARE(etat.PasEffecteur, 0);
    QCOMPARE(etat.ClasseEcart, 0);
    QCOMPARE(etat.PositionEnreg, 0);
    QVERIFY(!etat.InfluxSensitif && !etat.InfluxMoteur);
    for (ImageControl *image :
         {form.ImageVoieSensitive, form.ImageVoieStimulatrice, form.ImageVoieInhibitrice,
          form.ImageEffecteurStimulateur, form.ImageEffecteurInhibiteur})
        QCOMPARE(image->tag(), 1);
}

void TestStartup::mechanismStopped()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QVERIFY(!form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Marche"));
    for (IntervalTimer *timer : form.findChildren<IntervalTimer *>())
        QCOMPARE(timer->interval(), 0);
    QCOMPARE(form.TrackBarVitesse->maximum(), 10);
    QCOMPARE(form.TrackBarVitesse->value(), 5);
    QCOMPARE(form.windowTitle(), QStringLiteral("Systèmes de régulation"));
}

void TestStartup::hiddenAtStart()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const QList<Memo *> memos = form.findChildren<Memo *>();
    QCOMPARE(memos.size(), 24);
    for (Memo *memo : memos) {
        const bool toujoursVisible = memo->objectName() == QLatin1String("MemoProtocole") ||
                                     memo->objectName() == QLatin1String("MemoAProposDe");
        QVERIFY2(memo->isHidden() != toujoursVisible, qPrintable(memo->objectName()));
    }
    for (QWidget *widget :
         {static_cast<QWidget *>(form.EnregSensitif), static_cast<QWidget *>(form.EnregStimulateur),
          static_cast<QWidget *>(form.EnregInhibiteur),
          static_cast<QWidget *>(form.EnregPerturbation),
          static_cast<QWidget *>(form.LabelPerturbation),
          static_cast<QWidget *>(form.PanelAProposDe), static_cast<QWidget *>(form.GroupBoxCourbe)})
        QVERIFY2(widget->isHidden(), qPrintable(widget->objectName()));
    QVERIFY(!form.ImageEclair1->isShown() && !form.ImageEclair2->isShown());
    QVERIFY(form.ImageCapteur->isShown() && !form.ImageCapteur->isHidden());
    QVERIFY(!form.MemoProtocole->isHidden());
    QCOMPARE(form.MemoProtocole->lines(),
             (QStringList{"-Cliquer sur le bouton \"Marche\" .", "-Modifier les valeurs en faisant",
                          "glisser les curseurs.", "-Choisissez un système de ", "régulation.",
                          "-Observez les enregistrements."}));
}

void TestStartup::sensorPaintedMagenta()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const QImage &capteur = form.ImageCapteur->canvas().surface();
    QCOMPARE(capteur.size(), QSize(47, 19));
    const QColor magenta(255, 0, 255);
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x < 47; ++x) {
            const QColor attendue = x == 0 || y == 0 ? QColor(Qt::black) : magenta;
            QCOMPARE(capteur.pixelColor(x, y), attendue);
        }
    }
}

void TestStartup::systemsListed()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QStringList items;
    for (int i = 0; i < form.ComboBoxSysteme->count(); ++i)
        items << form.ComboBoxSysteme->itemText(i);
    QCOMPARE(items, (QStringList{"Glycémie directe", "Homéothermie", "Intégrité de l'organisme",
                                 "Pression artérielle (Activité cardiaque)",
                                 "Schéma général (hormonal)", "Schéma général (nerveux)"}));
    QCOMPARE(form.ComboBoxSysteme->currentText(), QStringLiteral("Schéma général (nerveux)"));
    QVERIFY(form.ComboBoxSysteme->isEditable());
    // No system was applied: the scheme keeps its stored texts and ranges.
    QCOMPARE(form.LabelCapteur->text(), QStringLiteral("Capteur"));
    QCOMPARE(form.LabelUnites->text(), QStringLiteral("en u.a"));
    QCOMPARE(form.ScrollBarValeurReglee->pageStep(), 1);
}

void TestStartup::storedValuesShownWithoutHandlers()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("50"));
    QCOMPARE(form.EditValeurConsigne->text(), QStringLiteral("50"));
    QCOMPARE(form.ScrollBarValeurReglee->value(), 50);
    QCOMPARE(form.ScrollBarValeurConsigne->value(), 50);
    QCOMPARE(form.ScrollBarValeurReglee->minimum(), 0);
    QCOMPARE(form.ScrollBarValeurReglee->maximum(), 100);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
