// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the help note box: read-only, no scroll bars, lines kept as given,
// long lines wrapped at the box's width, and its text selected, never dragged.
#include "app/window_services/memo.h"

#include <QApplication>

#include <QMouseEvent>
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

    // Pressed inside the selection and moved, the pointer selects anew: no
    // drag starts, and a second press while the first is held warns nothing.
    void selectedTextIsNotDragged()
    {
        Memo memo;
        memo.resize(300, 60);
        memo.setLines(QStringList{QStringLiteral("Capteur et voie sensitive")});
        memo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&memo));
        memo.selectAll();
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &,
                                      const QString &message) { warnings << message; });
        QWidget *viewport = memo.viewport();
        const QPoint from = memo.cursorRect(QTextCursor(memo.document())).center();
        const QPoint to = from + QPoint(3 * QApplication::startDragDistance(), 0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        const QString selected = memo.textCursor().selectedText();
        QTest::mousePress(viewport, Qt::LeftButton, {}, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        QVERIFY(!selected.isEmpty());
        QVERIFY(selected.size() < memo.toPlainText().size());
        QVERIFY(memo.toPlainText().startsWith(selected));
    }
};

QTEST_MAIN(TestMemo)
#include "tst_memo.moc"
