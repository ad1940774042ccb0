// SPDX-License-Identifier: GPL-3.0-or-later
// Guards the window timer: 0 stops it, the same interval keeps its period, a
// new interval restarts it, a tick never re-enters its own handler, and the
// periods missed while the event loop was busy are ticked afterwards, within
// a bound. Time is judged against a second 1 ms timer used as a clock, or
// against the periods that have really elapsed.
#include "app/window_services/intervaltimer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>

#include <functional>

class TestIntervalTimer : public QObject
{
    Q_OBJECT

private:
    // Runs the event loop until a 1 ms reference timer has ticked this many
    // times, calling onTick from each of its ticks.
    static void runTicks(int ticks, const std::function<void()> &onTick = {})
    {
        IntervalTimer clock;
        int seen = 0;
        QEventLoop loop;
        connect(&clock, &IntervalTimer::timeout, &loop, [&] {
            if (onTick)
                onTick();
            if (++seen == ticks)
                loop.quit();
        });
        clock.setInterval(1);
        loop.exec();
    }

private slots:
    void ticksWhileIntervalNotZero()
    {
        IntervalTimer timer;
        QVERIFY(!timer.isRunning());
        QSignalSpy spy(&timer, &IntervalTimer::timeout);
        timer.setInterval(2);
        QVERIFY(timer.isRunning());
        QTRY_VERIFY(spy.count() >= 3);
    }

    void zeroStops()
    {
        IntervalTimer timer;
        QSignalSpy spy(&timer, &IntervalTimer::timeout);
        timer.setInterval(1);
        QTRY_VERIFY(spy.count() >= 1);
        timer.setInterval(0);
        QVERIFY(!timer.isRunning());
        QCOMPARE(timer.interval(), 0);
        spy.clear();
        runTicks(30);
        QCOMPARE(spy.count(), 0);
    }

    // Setting the interval it already has, again and again, must not keep
    // pushing the next tick away.
    void sameIntervalKeepsPeriod()
    {
        IntervalTimer timer;
        QSignalSpy spy(&timer, &IntervalTimer::timeout);
        timer.setInterval(20);
        IntervalTimer clock;
        connect(&clock, &IntervalTimer::timeout, &timer, [&timer] { timer.setInterval(20); });
        clock.setInterval(1);
        QTRY_VERIFY(spy.count() >= 2);
    }

    // A different interval starts a whole new period: changed every
    // millisecond for 400 ms or more, a 100 ms timer never gets to tick.
    void newIntervalRestartsPeriod()
    {
        IntervalTimer timer;
        QSignalSpy spy(&timer, &IntervalTimer::timeout);
        timer.setInterval(100);
        runTicks(400, [&timer] { timer.setInterval(timer.interval() == 100 ? 101 : 100); });
        QCOMPARE(spy.count(), 0);
    }

    // A long period replaced by a short one takes effect at once.
    void shorterIntervalTakesEffectNow()
    {
        IntervalTimer timer;
        QSignalSpy spy(&timer, &IntervalTimer::timeout);
        timer.setInterval(600000);
        timer.setInterval(2);
        QTRY_VERIFY(spy.count() >= 1);
    }

    // A question opened inside the handler runs a nested event loop; the timer
    // must not tick again until the handler has returned.
    void noReentryWhileHandlerRuns()
    {
        IntervalTimer timer;
        int depth = 0;
        int deepest = 0;
        int ticks = 0;
        connect(&timer, &IntervalTimer::timeout, this, [&] {
            ++depth;
            ++ticks;
            deepest = std::max(deepest, depth);
            if (ticks == 1)
                runTicks(30);
            --depth;
        });
        timer.setInterval(1);
        QTRY_VERIFY(ticks >= 3);
        QCOMPARE(deepest, 1);
    }

    void stopsItselfInsideHandler()
    {
        IntervalTimer timer;
        int ticks = 0;
        connect(&timer, &IntervalTimer::timeout, this, [&] {
            ++ticks;
            timer.setInterval(0);
        });
        timer.setInterval(1);
        QTRY_COMPARE(ticks, 1);
        runTicks(30);
        QCOMPARE(ticks, 1);
        QVERIFY(!timer.isRunning());
    }

    void changesIntervalInsideHandler()
    {
        IntervalTimer timer;
        QList<int> intervals;
        connect(&timer, &IntervalTimer::timeout, this, [&] {
            intervals.append(timer.interval());
            timer.setInterval(timer.interval() == 1 ? 2 : 1);
        });
        timer.setInterval(1);
        QTRY_VERIFY(intervals.size() >= 4);
        QCOMPARE(intervals.mid(0, 4), (QList<int>{1, 2, 1, 2}));
    }

    // The event loop is held busy (a long paint, a stall) before it can
    // deliver anything: the periods that fell due meanwhile come afterwards,
    // each as a tick of its own, up to the catch-up bound.
    void missedPeriodsTickedAfterwards_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("busyMs");
        QTest::addRow("busy 4 periods") << 10 << 40;
        QTest::addRow("busy 12 periods of 3 ms") << 3 << 36;
        QTest::addRow("stall far beyond the bound") << 10 << 300;
    }

    void missedPeriodsTickedAfterwards()
    {
        QFETCH(int, interval);
        QFETCH(int, busyMs);
        IntervalTimer timer;
        int ticks = 0;
        int depth = 0;
        connect(&timer, &IntervalTimer::timeout, this, [&] {
            QCOMPARE(++depth, 1);
            ++ticks;
            --depth;
        });
        QElapsedTimer clock;
        clock.start();
        timer.setInterval(interval);
        while (clock.elapsed() < busyMs) {
        }
        const qint64 missed = clock.elapsed() / interval;
        // A handful of event-loop passes, far shorter than a period.
        for (int pass = 0; pass < 100 && ticks < missed + 1; ++pass)
            QCoreApplication::processEvents();
        const qint64 elapsed = clock.elapsed() / interval;

        const qint64 bound = IntervalTimer::catchUpMs / interval;
        QVERIFY2(ticks >= std::min(missed, bound), qPrintable(QString::number(ticks)));
        QVERIFY2(ticks <= std::min(elapsed, bound + elapsed - missed + 1),
                 qPrintable(QString::number(ticks)));
    }

    // Ending a marker deletes its timer from another timer's handler, possibly
    // while the deleted one is already due.
    void deletesTimersInsideHandler_data()
    {
        QTest::addColumn<bool>("deleteSelf");
        QTest::addRow("another timer") << false;
        QTest::addRow("itself") << true;
    }

    void deletesTimersInsideHandler()
    {
        QFETCH(bool, deleteSelf);
        auto *killer = new IntervalTimer;
        auto *victim = new IntervalTimer;
        QPointer<IntervalTimer> killerAlive(killer);
        QPointer<IntervalTimer> victimAlive(victim);
        connect(killer, &IntervalTimer::timeout, this, [&, deleteSelf] {
            delete victimAlive.data();
            if (deleteSelf)
                delete killerAlive.data();
        });
        victim->setInterval(1);
        killer->setInterval(1);
        QTRY_VERIFY(victimAlive.isNull());
        runTicks(20);
        QCOMPARE(killerAlive.isNull(), deleteSelf);
        delete killerAlive.data();
    }
};

QTEST_MAIN(TestIntervalTimer)
#include "tst_intervaltimer.moc"
