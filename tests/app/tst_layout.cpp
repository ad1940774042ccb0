// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the behaviour of the stored layout: texts that fit their stored
// boxes, help notes and the About panel above the scheme, independent
// toggles, read-only edits, and only the frame following the window's size.
#include "app/tform1.h"
#include "app/window_services/layoutfonts.h"
#include "countingbeeper.h"
#include "scriptedmessages.h"

#include <QTest>

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void labelsFitTheirStoredWidth_data();
    void labelsFitTheirStoredWidth();
    void notesAndPanelCoverTheScheme_data();
    void notesAndPanelCoverTheScheme();
    void togglesAreIndependent();
    void resetButtonSpringsBack();
    void editsRefuseTyping();
    void onlyTheFrameFollowsTheWindow();
};

void TestLayout::labelsFitTheirStoredWidth_data()
{
    QTest::addColumn<QString>("nom");
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (!label->objectName().startsWith(QLatin1String("Label")))
            continue;
        QTest::newRow(qPrintable(label->objectName())) << label->objectName();
    }
}

void TestLayout::labelsFitTheirStoredWidth()
{
    QFETCH(QString, nom);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    auto *label = form.findChild<QLabel *>(nom);
    QVERIFY(label);
    label->ensurePolished();
    const QFontMetrics metrics(label->font());
    // The window's face, or the outline face that carries its bold texts.
    const QString famille = QFontInfo(label->font()).family();
    QVERIFY2(famille == loadWindowFontFamily() || famille == QLatin1String("FreeSans"),
             qPrintable(famille));
    if (label->wordWrap()) {
        const QRect texte = metrics.boundingRect(QRect(0, 0, label->width(), 1000),
                                                 Qt::TextWordWrap, label->text());
        QVERIFY2(texte.height() <= label->height(), qPrintable(QString::number(texte.height())));
    } else {
        const int largeur = metrics.horizontalAdvance(label->text());
        QVERIFY2(largeur <= label->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(largeur).arg(label->width())));
    }
}

void TestLayout::notesAndPanelCoverTheScheme_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QPoint>("point"); // in the window, inside the note and the scheme
    QTest::addRow("sensor note") << "MemoAideCapteur" << QPoint(330, 130);
    QTest::addRow("inhibiting note") << "MemoAideVoieInhibitrice" << QPoint(300, 260);
    QTest::addRow("centre note") << "MemoAideCentreIntegrateur" << QPoint(400, 140);
    QTest::addRow("About panel") << "PanelAProposDe" << QPoint(300, 100);
}

void TestLayout::notesAndPanelCoverTheScheme()
{
    QFETCH(QString, nom);
    QFETCH(QPoint, point);
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    auto *dessus = form.findChild<QWidget *>(nom);
    QVERIFY(dessus);
    QVERIFY(form.GroupBoxSystemeReglant->geometry().contains(point));
    dessus->show();
    QWidget *touche = form.childAt(point);
    QVERIFY(touche);
    QVERIFY2(touche == dessus || dessus->isAncestorOf(touche), qPrintable(touche->objectName()));
}

void TestLayout::togglesAreIndependent()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    // Same group number, different parents: never release each other.
    form.SpeedButtonAide->click();
    form.SpeedButtonEnregStimulateur->click();
    QVERIFY(form.SpeedButtonAide->isChecked());
    QVERIFY(form.SpeedButtonEnregStimulateur->isChecked());
    form.SpeedButtonSon->click();
    QVERIFY(form.SpeedButtonSon->isChecked());
    QVERIFY(form.SpeedButtonAide->isChecked());
    // A second click releases each.
    form.SpeedButtonSon->click();
    form.SpeedButtonEnregStimulateur->click();
    QVERIFY(!form.SpeedButtonSon->isChecked());
    QVERIFY(!form.SpeedButtonEnregStimulateur->isChecked());
    QVERIFY(form.SpeedButtonAide->isChecked());
}

void TestLayout::resetButtonSpringsBack()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    form.SpeedButtonEnreg->click();
    QVERIFY(!form.SpeedButtonEnreg->isChecked());
    QVERIFY(!form.SpeedButtonEnreg->isCheckable());
}

void TestLayout::editsRefuseTyping()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    for (QLineEdit *edit : {form.EditValeurReglee, form.EditValeurConsigne}) {
        QTest::keyClicks(edit, QStringLiteral("7x"));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("50"));
    }
    QCOMPARE(form.etat().ValeurReglee, 0); // no handler ran
}

void TestLayout::onlyTheFrameFollowsTheWindow()
{
    ScriptedMessages messages;
    CountingBeeper beeper;
    TForm1 form(messages, beeper);
    QList<QPair<QWidget *, QRect>> avant;
    for (QWidget *widget : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        avant << qMakePair(widget, widget->geometry());

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(1100, 800);
    QTRY_COMPARE(form.height(), 800);
    QCOMPARE(form.StatusBar1->geometry(), QRect(0, 800 - 19, 1100, 19));
    QCOMPARE(form.Splitter1->geometry(), QRect(0, 0, 3, 800 - 19));
    QCOMPARE(form.Splitter2->geometry(), QRect(3, 0, 3, 800 - 19));
    for (const auto &[widget, geometrie] : avant) {
        if (widget == form.StatusBar1 || widget == form.Splitter1 || widget == form.Splitter2)
            continue;
        QCOMPARE(widget->geometry(), geometrie);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
