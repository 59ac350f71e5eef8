#include "Fakes.h"
#include "terminal/StatusClock.h"

#include <QSignalSpy>
#include <QTest>

using namespace vellicor;

namespace {
QDateTime utc(int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, second), Qt::UTC);
}
}

// The UTC clock and status reset timers, and the function-key map.
class StatusClockTest : public QObject {
    Q_OBJECT
private slots:
    void refreshesTheDatePanelWhenTheLocalMinuteChanges_data()
    {
        QTest::addColumn<int>("offsetMinutes"); // local time minus UTC
        QTest::addColumn<QList<QDateTime>>("ticks");
        QTest::addColumn<QStringList>("shown"); // the Date panel after each tick

        QTest::newRow("first tick shows UTC") << -420 << QList<QDateTime>{utc(12, 5, 14, 43, 59)}
                                              << QStringList{"12/05/26  14:43 Z"};
        QTest::newRow("same minute, then the next")
            << -420 << QList<QDateTime>{utc(1, 2, 3, 4, 10), utc(1, 2, 3, 4, 50), utc(1, 2, 3, 5, 1)}
            << QStringList{"01/02/26  03:04 Z", "01/02/26  03:04 Z", "01/02/26  03:05 Z"};
        QTest::newRow("across midnight") << -420 << QList<QDateTime>{utc(12, 31, 23, 59), utc(12, 31, 23, 59).addSecs(60)}
                                         << QStringList{"12/31/26  23:59 Z", "01/01/27  00:00 Z"};
        QTest::newRow("started on minute 0 waits") << -420 << QList<QDateTime>{utc(7, 4, 15, 0, 5), utc(7, 4, 15, 1)}
                                                   << QStringList{"Date", "07/04/26  15:01 Z"};
        QTest::newRow("follows the local minute") << 330 << QList<QDateTime>{utc(7, 4, 14, 30), utc(7, 4, 15, 0)}
                                                  << QStringList{"Date", "07/04/26  15:00 Z"};
    }

    void refreshesTheDatePanelWhenTheLocalMinuteChanges()
    {
        QFETCH(int, offsetMinutes);
        QFETCH(QList<QDateTime>, ticks);
        QFETCH(QStringList, shown);
        StatusPanels panels;
        test::FakeClock clock;
        clock.localOffsetSeconds = offsetMinutes * 60;
        StatusClock timers(panels, clock);
        QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
        for (qsizetype i = 0; i < ticks.size(); ++i) {
            clock.utc = ticks[i];
            timers.clockTick();
            QCOMPARE(panels.text(StatusPanels::kDate), shown[i]);
            QCOMPARE(panels.toolTip(StatusPanels::kDate), shown[i]);
        }
        QCOMPARE(indicatorOff.count(), ticks.size()); // every tick turns the indicator off
    }

    void timersRunOnceSwitchedOn()
    {
        StatusPanels panels;
        test::FakeClock clock;
        StatusClock timers(panels, clock);
        QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
        QSignalSpy reset(&timers, &StatusClock::errorCountReset);
        QVERIFY(!timers.clockRunning());
        panels.SetStatusText(QStringLiteral("Status: Framing Error"));
        timers.startClock();
        timers.startStatusReset();
        QVERIFY(reset.wait(10000));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(panels.text(StatusPanels::kStatus), QStringLiteral("Status: "));
        QCOMPARE(panels.toolTip(StatusPanels::kStatus), QStringLiteral("Status: "));
        QVERIFY(!timers.statusResetPending());
        QVERIFY(timers.clockRunning());
        QVERIFY(indicatorOff.count() >= 2); // the clock ticked meanwhile
        QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/05/26  14:43 Z"));
    }
};

QTEST_MAIN(StatusClockTest)
#include "StatusClockTest.moc"
