// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the help note box: read-only, no scroll bars, lines kept as given
// and long lines wrapped at the box's width.
#include "app/window_services/memo.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

class TestMemo : public QObject
{
    Q_OBJECT

private slots:
    void linesRoundTrip_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("one") << QStringList{
            QStringLiteral("Permet de réinitialiser les enregistrements.")};
        QTest::addRow("several") << QStringList{QStringLiteral("Première ligne"), QString(),
                                                QStringLiteral("Troisième ligne")};
    }

    void linesRoundTrip()
    {
        QFETCH(QStringList, lines);
        Memo memo;
        memo.setLines(QStringList{QStringLiteral("ancien texte")});
        memo.setLines(lines);
        QCOMPARE(memo.lines(), lines);
        QCOMPARE(memo.document()->blockCount(), lines.size());
    }

    void typingChangesNothing()
    {
        Memo memo;
        memo.setLines(QStringList{QStringLiteral("Capteur")});
        QTest::keyClicks(&memo, QStringLiteral("xyz"));
        QCOMPARE(memo.lines(), QStringList{QStringLiteral("Capteur")});
    }

    void longLineWrapsAtWidth()
    {
        Memo memo;
        memo.resize(80, 200);
        memo.setLines(
            QStringList{QStringLiteral("Une note d'aide assez longue pour passer à la ligne.")});
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        QTRY_VERIFY(memo.document()->firstBlock().layout()->lineCount() > 1);
        memo.resize(80, 20);
        QTRY_COMPARE(memo.viewport()->width(), memo.width() - 2 * memo.frameWidth());
        QVERIFY(!memo.verticalScrollBar()->isVisible());
        QVERIFY(!memo.horizontalScrollBar()->isVisible());
    }
};

QTEST_MAIN(TestMemo)
#include "tst_memo.moc"
