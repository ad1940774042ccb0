// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the edge-aligned children: the status bar stays along the bottom at
// full width and the splitters along the left edge, above the status bar, on
// every resize of the window.
#include "app/window_services/edgealignment.h"

#include <QTest>
#include <QWidget>

class TestEdgeAlignment : public QObject
{
    Q_OBJECT

private slots:
    void followsParentSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addRow("larger") << QSize(1024, 700);
        QTest::addRow("smaller") << QSize(300, 200);
    }

    void followsParentSize()
    {
        QFETCH(QSize, size);
        QWidget window;
        window.resize(624, 453);
        QWidget outer(&window);
        QWidget inner(&window);
        QWidget status(&window);
        QWidget fixed(&window);
        outer.setGeometry(0, 0, 3, 434);
        inner.setGeometry(3, 0, 3, 434);
        status.setGeometry(0, 434, 624, 19);
        fixed.setGeometry(40, 50, 10, 10);
        alignToEdge(&outer, Edge::Left);
        alignToEdge(&inner, Edge::Left);
        alignToEdge(&status, Edge::Bottom);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        window.resize(size);
        QTRY_COMPARE(status.geometry(), QRect(0, size.height() - 19, size.width(), 19));
        QCOMPARE(outer.geometry(), QRect(0, 0, 3, size.height() - 19));
        QCOMPARE(inner.geometry(), QRect(3, 0, 3, size.height() - 19));
        QCOMPARE(fixed.geometry(), QRect(40, 50, 10, 10));
    }

    // The status bar never covers another child: in a window too short for
    // the curve shown under the strips it goes below the window's edge.
    void bottomNeverCoversAChild()
    {
        QWidget window;
        window.resize(624, 453);
        QWidget strips(&window);
        QWidget curve(&window);
        QWidget status(&window);
        QWidget splitter(&window);
        strips.setGeometry(15, 279, 568, 155);
        curve.setGeometry(15, 436, 568, 135);
        curve.hide();
        status.resize(624, 19);
        alignToEdge(&status, Edge::Bottom);
        alignToEdge(&splitter, Edge::Left);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(status.y(), 434);

        curve.show();
        QCOMPARE(status.y(), 571);
        QCOMPARE(splitter.height(), 453);
        window.resize(624, 700);
        QCOMPARE(status.y(), 681);
        curve.hide();
        window.resize(624, 453);
        QCOMPARE(status.y(), 434);
    }

    // Aligned in any order, the left child ends above the bottom one.
    void bottomAlignedLaterShortensLeft()
    {
        QWidget window;
        window.resize(200, 100);
        QWidget left(&window);
        QWidget status(&window);
        left.resize(3, 10);
        status.resize(10, 19);
        alignToEdge(&left, Edge::Left);
        QCOMPARE(left.height(), 100);
        alignToEdge(&status, Edge::Bottom);
        QCOMPARE(left.geometry(), QRect(0, 0, 3, 81));
        QCOMPARE(status.geometry(), QRect(0, 81, 200, 19));
    }
};

QTEST_MAIN(TestEdgeAlignment)
#include "tst_edgealignment.moc"
