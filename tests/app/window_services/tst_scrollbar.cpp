// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the value bar: the change handler runs only for a real change, once,
// with the final position, and nested inside the program-made change that
// caused it; a range with its maximum below its minimum is refused.
#include "app/window_services/scrollbar.h"

#include <QSignalSpy>
#include <QTest>

class TestScrollBar : public QObject
{
    Q_OBJECT

private slots:
    void setParams_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QList<int>>("emitted");
        // The bar starts at 50 in 0..100.
        QTest::addRow("inside") << 70 << 0 << 200 << 70 << QList<int>{70};
        QTest::addRow("unchanged position, new range") << 50 << 40 << 60 << 50 << QList<int>{};
        QTest::addRow("clamped up") << 10 << 30 << 300 << 30 << QList<int>{30};
        QTest::addRow("clamped down") << 500 << 0 << 40 << 40 << QList<int>{40};
        // Setting the range alone would clamp to 80 on the way to 90.
        QTest::addRow("no intermediate position") << 90 << 80 << 120 << 90 << QList<int>{90};
        QTest::addRow("range through the position") << 50 << 50 << 50 << 50 << QList<int>{};
    }

    void setParams()
    {
        QFETCH(int, position);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, expected);
        QFETCH(QList<int>, emitted);
        ScrollBar bar;
        bar.setRange(0, 100);
        bar.setValue(50);
        QList<int> seen;
        connect(&bar, &ScrollBar::valueChanged, this, [&](int value) {
            QCOMPARE(bar.value(), value);
            seen.append(value);
        });
        bar.setParams(position, minimum, maximum);
        QCOMPARE(bar.value(), expected);
        QCOMPARE(bar.minimum(), minimum);
        QCOMPARE(bar.maximum(), maximum);
        QCOMPARE(seen, emitted);
    }

    void refusesMaximumBelowMinimum()
    {
        ScrollBar bar;
        bar.setRange(0, 100);
        bar.setValue(50);
        QSignalSpy spy(&bar, &ScrollBar::valueChanged);
        bar.setParams(10, 60, 20);
        QCOMPARE(bar.minimum(), 0);
        QCOMPARE(bar.maximum(), 100);
        QCOMPARE(bar.value(), 50);
        QCOMPARE(spy.count(), 0);
    }

    void sameValueEmitsNothing()
    {
        ScrollBar bar;
        bar.setRange(0, 100);
        bar.setValue(30);
        QSignalSpy spy(&bar, &ScrollBar::valueChanged);
        bar.setValue(30);
        QCOMPARE(spy.count(), 0);
        bar.setValue(31);
        QCOMPARE(spy.count(), 1);
    }

    // A handler that moves the bar again runs the handler nested, before the
    // outer setValue returns.
    void nestedChangeRunsAtOnce()
    {
        ScrollBar bar;
        bar.setRange(0, 100);
        QStringList trace;
        connect(&bar, &ScrollBar::valueChanged, this, [&](int value) {
            trace.append(QStringLiteral("enter %1").arg(value));
            if (value == 10)
                bar.setValue(20);
            trace.append(QStringLiteral("leave %1").arg(value));
        });
        bar.setValue(10);
        trace.append(QStringLiteral("returned"));
        QCOMPARE(trace, (QStringList{"enter 10", "enter 20", "leave 20", "leave 10", "returned"}));
        QCOMPARE(bar.value(), 20);
    }
};

QTEST_MAIN(TestScrollBar)
#include "tst_scrollbar.moc"
