// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the choice of a system while the pupil uses the window: a system is
// applied when a pick or the last typed letter gives its exact name, and never
// for another text; the mechanism and a message in flight carry on through
// the change; and the regulation then works with the classes and effector
// steps that the new range gives.
#include "app/tform1.h"
#include "app/window_services/intervaltimer.h"
#include "app/window_services/markerlayer.h"
#include "countingbeeper.h"
#include "messageboxanswer.h"
#include "saisiesysteme.h"
#include "scriptedmessages.h"

#include <QApplication>
#include <QTest>

namespace {

const QString sentinelle = QStringLiteral("?");

} // namespace

class TestChoixSysteme : public QObject
{
    Q_OBJECT

private slots:
    void typingLetterByLetter_data();
    void typingLetterByLetter();
    void pickingAnItemApplies();
    void pickedNameShowsItsBeginning();
    void typedNameAppliedOnce_data();
    void typedNameAppliedOnce();
    void markerInFlightCarriesOn_data() { ajouteLignesSystemes(); }
    void markerInFlightCarriesOn();
    void regulationInEachSystem_data();
    void regulationInEachSystem();
};

void TestChoixSysteme::typingLetterByLetter_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<int>("lettre"); // count of letters that completes a name, 0 if none

    QTest::addRow("exact name") << QStringLiteral("Homéothermie") << 12;
    QTest::addRow("small letters") << QStringLiteral("homéothermie") << 0;
    QTest::addRow("blank after the name") << QStringLiteral("Homéothermie ") << 12;
    QTest::addRow("prefix of a name") << QStringLiteral("Glycémie") << 0;
    QTest::addRow("name with an apostrophe") << QStringLiteral("Intégrité de l'organisme") << 24;
}

void TestChoixSysteme::typingLetterByLetter()
{
    QFETCH(QString, texte);
    QFETCH(int, lettre);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QLineEdit *saisie = form.ComboBoxSysteme->lineEdit();
    saisie->selectAll();

    // The unit is written on every application, whatever the system.
    for (int i = 0; i < texte.size(); ++i) {
        form.LabelUnites->setCaption(sentinelle);
        tapeTexte(saisie, texte.mid(i, 1));
        QCOMPARE(saisie->text(), texte.left(i + 1));
        QVERIFY2((form.LabelUnites->text() != sentinelle) == (i + 1 == lettre),
                 qPrintable(saisie->text()));
    }
    if (lettre == 0) {
        QCOMPARE(form.ScrollBarValeurReglee->maximum(), 100);
        QCOMPARE(form.LabelCapteur->text(), QStringLiteral("Capteur"));
    }
}

void TestChoixSysteme::pickingAnItemApplies()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.LabelUnites->setCaption(sentinelle);

    // The list is sorted: above the nervous scheme stands the hormonal one.
    QTest::keyClick(form.ComboBoxSysteme, Qt::Key_Up);

    QCOMPARE(form.ComboBoxSysteme->currentText(), QStringLiteral("Schéma général (hormonal)"));
    QCOMPARE(form.LabelUnites->text(), QStringLiteral("u.a."));
    for (ImageControl *voie :
         {form.ImageVoieSensitive, form.ImageVoieStimulatrice, form.ImageVoieInhibitrice})
        QCOMPARE(voie->tag(), 2);
}

void TestChoixSysteme::pickedNameShowsItsBeginning()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    const QString nom = QStringLiteral("Pression artérielle (Activité cardiaque)");
    // Up from the last of the list reaches every name once.
    for (int essai = 0; essai < form.ComboBoxSysteme->count(); ++essai) {
        if (form.ComboBoxSysteme->currentText() == nom)
            break;
        QTest::keyClick(form.ComboBoxSysteme, Qt::Key_Up);
    }
    QCOMPARE(form.ComboBoxSysteme->currentText(), nom);
    QCOMPARE(form.ComboBoxSysteme->lineEdit()->cursorPosition(), 0);
}

// The end of an edit (Enter, or the focus leaving the list for another control
// or a question) is no new choice: the pupil's changes made since the name was
// typed stay.
void TestChoixSysteme::typedNameAppliedOnce_data()
{
    QTest::addColumn<QString>("fin");
    QTest::addRow("Enter") << "enter";
    QTest::addRow("Tab to the next control") << "tab";
    QTest::addRow("click on Marche") << "marche";
    QTest::addRow("question of the reset button") << "question";
}

void TestChoixSysteme::typedNameAppliedOnce()
{
    QFETCH(QString, fin);
    MessageBoxService messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.SpeedButtonEnregStimulateur->click();
    form.ComboBoxSysteme->setFocus();
    QTRY_VERIFY(form.ComboBoxSysteme->lineEdit()->hasFocus());

    tapeSysteme(form, QStringLiteral("Homéothermie"));
    QCOMPARE(form.ScrollBarValeurReglee->value(), 37);
    form.ScrollBarValeurReglee->setValue(23);
    form.etat().PositionEnreg = 12;

    QLineEdit *saisie = form.ComboBoxSysteme->lineEdit();
    if (fin == QLatin1String("enter")) {
        QTest::keyClick(saisie, Qt::Key_Return);
    } else if (fin == QLatin1String("tab")) {
        QTest::keyClick(saisie, Qt::Key_Tab);
        QTRY_VERIFY(!saisie->hasFocus());
    } else if (fin == QLatin1String("marche")) {
        QTest::mouseClick(form.ButtonMarche, Qt::LeftButton);
        QVERIFY(form.etat().MecanismeEnMarche);
    } else {
        SeenMessageBox vue;
        clickInNextMessageBox(&vue, QStringLiteral("&Non"));
        QTest::mouseClick(form.SpeedButtonEnreg, Qt::LeftButton);
        QCOMPARE(vue.text, QStringLiteral("Effacer ces enregistrements ?"));
    }

    QCOMPARE(form.ScrollBarValeurReglee->value(), 23);
    QCOMPARE(form.EditValeurReglee->text(), QStringLiteral("23"));
    QCOMPARE(form.etat().PositionEnreg, 12);
    QCOMPARE(form.ComboBoxSysteme->currentText(), QStringLiteral("Homéothermie"));
}

void TestChoixSysteme::markerInFlightCarriesOn()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    form.TimerCapteurTimer();
    const Marker *influx = form.etat().InfluxSensitif.get();
    QVERIFY(influx);
    const QPoint depart = influx->pos();

    tapeSysteme(form, nom);

    QCOMPARE(form.etat().InfluxSensitif.get(), influx);
    QCOMPARE(influx->pos(), depart);
    QVERIFY(form.etat().PhaseSensitiveMontee);
    QVERIFY(form.etat().MecanismeEnMarche);
    QCOMPARE(form.ButtonMarche->text(), QStringLiteral("Arrêt"));
    QVERIFY(form.TimerCapteur->isRunning());
    QVERIFY(form.TimerVoieSensitive->isRunning());

    form.TimerVoieSensitiveTimer();
    QCOMPARE(influx->x(), depart.x());
    QVERIFY(influx->y() < depart.y());
}

void TestChoixSysteme::regulationInEachSystem_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<int>("ecart");
    QTest::addColumn<int>("classe");
    QTest::addColumn<int>("pas");

    const QString nerveux = QStringLiteral("Schéma général (nerveux)");
    const QString hormonal = QStringLiteral("Schéma général (hormonal)");
    const QString glycemie = QStringLiteral("Glycémie directe");
    const QString integrite = QStringLiteral("Intégrité de l'organisme");
    const QString pression = QStringLiteral("Pression artérielle (Activité cardiaque)");
    const QString homeothermie = QStringLiteral("Homéothermie");

    // Range 100: classes of 10, step 5, one more for an even deviation.
    QTest::addRow("nervous, 10") << nerveux << 10 << 1 << 6;
    QTest::addRow("nervous, 9") << nerveux << 9 << 0 << 5;
    QTest::addRow("nervous, -10") << nerveux << -10 << -1 << 6;
    QTest::addRow("hormonal, 19") << hormonal << 19 << 1 << 5;
    QTest::addRow("hormonal, -45") << hormonal << -45 << -4 << 5;
    // Range 2400: classes of 240, step 120.
    QTest::addRow("glucose, 240") << glycemie << 240 << 1 << 121;
    QTest::addRow("glucose, 239") << glycemie << 239 << 0 << 120;
    QTest::addRow("glucose, -240") << glycemie << -240 << -1 << 121;
    QTest::addRow("glucose, -1439") << glycemie << -1439 << -5 << 120;
    // Range 100, the odd deviation takes the extra unit.
    QTest::addRow("integrity, 10") << integrite << 10 << 1 << 5;
    QTest::addRow("integrity, 9") << integrite << 9 << 0 << 6;
    QTest::addRow("integrity, 55") << integrite << 55 << 5 << 6;
    QTest::addRow("pressure, 29") << pression << 29 << 2 << 5;
    QTest::addRow("pressure, -30") << pression << -30 << -3 << 6;
    // Range 19: classes of 1, a step of 0 becomes 2.
    QTest::addRow("temperature, 1") << homeothermie << 1 << 1 << 2;
    QTest::addRow("temperature, 2") << homeothermie << 2 << 2 << 3;
    QTest::addRow("temperature, -5") << homeothermie << -5 << -5 << 2;
    QTest::addRow("temperature, 12") << homeothermie << 12 << 5 << 3;
}

void TestChoixSysteme::regulationInEachSystem()
{
    QFETCH(QString, nom);
    QFETCH(int, ecart);
    QFETCH(int, classe);
    QFETCH(int, pas);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.ReprendreMecanisme();
    tapeSysteme(form, nom);

    const int consigne = form.EditValeurConsigne->text().toInt();
    form.ScrollBarValeurReglee->setValue(consigne - ecart);
    QCOMPARE(form.etat().Ecart, ecart);
    form.TimerCapteurTimer();

    QCOMPARE(form.etat().ClasseEcart, classe);
    QCOMPARE(form.etat().PasEffecteur, pas);
}

QTEST_MAIN(TestChoixSysteme)
#include "tst_choixsysteme.moc"
