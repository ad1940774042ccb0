// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the auxiliary controls: the About panel, the confirmed quit (once
// through the real message box) and the beep of every sensory step.
#include "app/window_services/memo.h"
#include "app/window_services/messageservice.h"
#include "fenetre.h"
#include "messageboxanswer.h"

#include <QSignalSpy>
#include <QTest>

class TestAuxiliaires : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void aboutPanelOpensAndCloses_data();
    void aboutPanelOpensAndCloses();
    void quitInHelpModeOnlyShowsItsNote();
    void quitNotConfirmedRestartsTheMechanism_data();
    void quitNotConfirmedRestartsTheMechanism();
    void quitConfirmedClosesTheWindow();
    void quitAskedThroughTheRealMessageBox();
    void noBeepWhileStopped();
    void oneBeepPerSensoryTick();
};

void TestAuxiliaires::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestAuxiliaires::aboutPanelOpensAndCloses_data()
{
    QTest::addColumn<bool>("aide");
    QTest::addRow("help mode") << true;
    QTest::addRow("mechanism running") << false;
}

// The panel ignores help mode and leaves the mechanism as it is.
void TestAuxiliaires::aboutPanelOpensAndCloses()
{
    QFETCH(bool, aide);
    Fenetre f;
    TForm1 &form = f.form;
    if (aide)
        QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    else
        f.lanceDesMessages();
    const bool enMarche = form.etat().MecanismeEnMarche;
    const bool moteur = bool(form.etat().InfluxMoteur);

    for (int fois = 0; fois < 2; ++fois) {
        QTest::mouseClick(form.ButtonAProposDe, Qt::LeftButton);
        QVERIFY(!form.PanelAProposDe->isHidden());
    }
    QVERIFY(!form.MemoAProposDe->isHidden());
    QCOMPARE(form.etat().MecanismeEnMarche, enMarche);
    QCOMPARE(bool(form.etat().InfluxMoteur), moteur);
    QCOMPARE(form.SpeedButtonAide->isChecked(), aide);

    for (int fois = 0; fois < 2; ++fois) {
        QTest::mouseClick(form.ButtonFermerAProposDe, Qt::LeftButton);
        QVERIFY(form.PanelAProposDe->isHidden());
    }
    QCOMPARE(form.etat().MecanismeEnMarche, enMarche);
    QVERIFY(f.messages.asked.isEmpty());
}

void TestAuxiliaires::quitInHelpModeOnlyShowsItsNote()
{
    Fenetre f;
    TForm1 &form = f.form;
    f.messages.answers.enqueue(MessageAnswer::Oui);
    QVERIFY(f.montre());
    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);

    QTest::mouseClick(form.ButtonQuitter, Qt::LeftButton);
    QVERIFY(f.messages.asked.isEmpty());
    QVERIFY(form.isVisible());
    QVERIFY(!form.MemoAideButtonQuitter->isHidden());
    QVERIFY(!form.MemoSpeedButtonAide->isHidden());
    QVERIFY(form.SpeedButtonAide->isChecked());
    QVERIFY(!form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QString("Marche"));
    QVERIFY(f.aucuneMinuterie());
}

void TestAuxiliaires::quitNotConfirmedRestartsTheMechanism_data()
{
    QTest::addColumn<bool>("enMarche");
    QTest::addColumn<MessageAnswer>("reponse");
    QTest::addRow("stopped, Non") << false << MessageAnswer::Non;
    QTest::addRow("running, Non") << true << MessageAnswer::Non;
    QTest::addRow("running, box dismissed") << true << MessageAnswer::Aucune;
}

void TestAuxiliaires::quitNotConfirmedRestartsTheMechanism()
{
    QFETCH(bool, enMarche);
    QFETCH(MessageAnswer, reponse);
    Fenetre f;
    TForm1 &form = f.form;
    f.messages.answers.enqueue(reponse);
    QVERIFY(f.montre());
    if (enMarche) {
        f.lanceDesMessages();
        QVERIFY(form.etat().InfluxMoteur);
        QVERIFY(form.TimerVoieStimulatrice->isRunning());
    }

    QTest::mouseClick(form.ButtonQuitter, Qt::LeftButton);
    QCOMPARE(f.messages.asked.size(), 1);
    const ScriptedMessages::Question &question = f.messages.asked.first();
    QCOMPARE(question.parent, &form);
    QCOMPARE(question.kind, MessageKind::Avertissement);
    QCOMPARE(question.text, QString("Quitter ?"));
    QCOMPARE(question.buttons, MessageButtons::OuiNon);

    QVERIFY(form.isVisible());
    QVERIFY(form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QString("Arrêt"));
    QVERIFY(form.TimerCapteur->isRunning());
    // The suspension removed the messages in flight; the next sensor tick
    // starts afresh.
    QVERIFY(!form.etat().InfluxMoteur && !form.etat().InfluxSensitif);
    QVERIFY(!form.TimerVoieStimulatrice->isRunning());
}

void TestAuxiliaires::quitConfirmedClosesTheWindow()
{
    Fenetre f;
    TForm1 &form = f.form;
    f.messages.answers.enqueue(MessageAnswer::Oui);
    QVERIFY(f.montre());
    f.lanceDesMessages();

    QTest::mouseClick(form.ButtonQuitter, Qt::LeftButton);
    QCOMPARE(f.messages.asked.size(), 1);
    QVERIFY(!form.isVisible());
    QVERIFY(f.aucuneMinuterie());
}

void TestAuxiliaires::quitAskedThroughTheRealMessageBox()
{
    MessageBoxService messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    SeenMessageBox vue;
    clickInNextMessageBox(&vue, "&Oui");

    QTest::mouseClick(form.ButtonQuitter, Qt::LeftButton);
    QCOMPARE(vue.title, QString("Avertissement"));
    QCOMPARE(vue.text, QString("Quitter ?"));
    QCOMPARE(vue.icon, QMessageBox::Warning);
    QCOMPARE(vue.buttons, QStringList({"&Oui", "&Non"}));
    QVERIFY(!form.isVisible());
}

// Sound on, mechanism stopped or paused by help mode: no timer runs, so
// nothing can beep.
void TestAuxiliaires::noBeepWhileStopped()
{
    Fenetre f;
    TForm1 &form = f.form;
    QTest::mouseClick(form.SpeedButtonSon, Qt::LeftButton);
    QVERIFY(form.SpeedButtonSon->isChecked());
    QVERIFY(f.aucuneMinuterie());

    f.lanceDesMessages();
    const int avant = f.beeper.count;
    QVERIFY(avant > 0);
    QTest::mouseClick(form.SpeedButtonAide, Qt::LeftButton);
    QVERIFY(f.aucuneMinuterie());
    QCoreApplication::processEvents();
    QCOMPARE(f.beeper.count, avant);
}

// Through the real timers at full speed: one beep per tick of the sensory
// timer, none from the sensor or the motor timers; the toggle's second click
// silences the next ticks.
void TestAuxiliaires::oneBeepPerSensoryTick()
{
    Fenetre f;
    TForm1 &form = f.form;
    form.TrackBarVitesse->setValue(form.TrackBarVitesse->maximum());
    form.ScrollBarValeurReglee->setValue(10);
    QSignalSpy sensitif(form.TimerVoieSensitive, &IntervalTimer::timeout);
    QSignalSpy moteur(form.TimerVoieStimulatrice, &IntervalTimer::timeout);
    QTest::mouseClick(form.SpeedButtonSon, Qt::LeftButton);

    QTest::mouseClick(form.ButtonMarche, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(sensitif.count() >= 30 && moteur.count() >= 10, 20000);
    QTest::mouseClick(form.ButtonMarche, Qt::LeftButton);
    QVERIFY(f.aucuneMinuterie());
    QCOMPARE(f.beeper.count, sensitif.count());

    QTest::mouseClick(form.SpeedButtonSon, Qt::LeftButton);
    QVERIFY(!form.SpeedButtonSon->isChecked());
    const int sonnes = f.beeper.count;
    QTest::mouseClick(form.ButtonMarche, Qt::LeftButton);
    const int depart = sensitif.count();
    QTRY_VERIFY_WITH_TIMEOUT(sensitif.count() >= depart + 10, 20000);
    QCOMPARE(f.beeper.count, sonnes);
}

QTEST_MAIN(TestAuxiliaires)
#include "tst_auxiliaires.moc"
