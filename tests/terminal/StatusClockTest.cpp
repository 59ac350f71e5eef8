#include "Fakes.h"
#include "terminal/FunctionKeys.h"
#include "terminal/StatusClock.h"
#include "terminal/StatusPanels.h"

#include <QSignalSpy>
#include <QTest>

using namespace vellicor;
using vellicor::test::FakeClock;

namespace {
QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}
}

// The status bar panels, the UTC clock and status reset timers, and the
// function-key map.
class StatusClockTest : public QObject {
    Q_OBJECT
private slots:
    void panelsStartWithTheirDesignTexts();
    void showPortSetsTextsAndToolTips();
    void formatsTheDatePanel_data();
    void formatsTheDatePanel();
    void firstTickShowsUtcTime();
    void refreshesOnlyWhenTheLocalMinuteChanges();
    void minuteZeroAtStartWaitsForTheNextMinute();
    void followsTheLocalMinuteNotTheUtcOne();
    void clockTimerTicksOnceStarted();
    void statusResetClearsTheStatusOnce();
    void mapsFunctionKeys_data();
    void mapsFunctionKeys();
};

void StatusClockTest::panelsStartWithTheirDesignTexts()
{
    StatusPanels panels;
    QCOMPARE(StatusPanels::keys(), QStringList({QStringLiteral("Status"), QStringLiteral("Mode"),
                                                QStringLiteral("Com Port"), QStringLiteral("Settings"),
                                                QStringLiteral("Date")}));
    QCOMPARE(panels.text(StatusPanels::kStatus), QStringLiteral("Status:"));
    QCOMPARE(panels.toolTip(StatusPanels::kStatus), QStringLiteral("Status:"));
    QCOMPARE(panels.text(StatusPanels::kMode), QString());
    QCOMPARE(panels.text(StatusPanels::kComPort), QStringLiteral("Com Port:"));
    QCOMPARE(panels.text(StatusPanels::kSettings), QStringLiteral("Settings:"));
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("Date"));
    QCOMPARE(panels.toolTip(StatusPanels::kDate), QStringLiteral("Date"));
}

void StatusClockTest::showPortSetsTextsAndToolTips()
{
    StatusPanels panels;
    QSignalSpy changed(&panels, &StatusPanels::changed);
    panels.SetStatusText(QStringLiteral("Status: Change in CTS Detected"));
    panels.setToolTip(StatusPanels::kStatus, QStringLiteral("old tip"));
    panels.showPort(4, QStringLiteral("4800,e,7,1"));
    QCOMPARE(panels.text(StatusPanels::kComPort), QStringLiteral("Com Port: 4"));
    QCOMPARE(panels.toolTip(StatusPanels::kComPort), QStringLiteral("Com Port: 4"));
    QCOMPARE(panels.text(StatusPanels::kSettings), QStringLiteral("Settings: 4800,e,7,1"));
    QCOMPARE(panels.toolTip(StatusPanels::kSettings), QStringLiteral("Settings: 4800,e,7,1"));
    QCOMPARE(panels.text(StatusPanels::kStatus), QStringLiteral("Status: Change in CTS Detected"));
    QCOMPARE(panels.toolTip(StatusPanels::kStatus), QStringLiteral("Status: Change in CTS Detected"));
    QVERIFY(changed.count() >= 3);
}

void StatusClockTest::formatsTheDatePanel_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("example") << utc(2026, 12, 5, 14, 43, 59) << "12/05/26  14:43 Z";
    QTest::newRow("leading zeros") << utc(2009, 1, 2, 3, 4) << "01/02/09  03:04 Z";
    QTest::newRow("midnight") << utc(2030, 7, 31, 0, 0) << "07/31/30  00:00 Z";
    QTest::newRow("late evening") << utc(2026, 2, 28, 23, 59, 59) << "02/28/26  23:59 Z";
}

void StatusClockTest::formatsTheDatePanel()
{
    QFETCH(QDateTime, time);
    QTEST(StatusClock::dateText(time), "text");
}

void StatusClockTest::firstTickShowsUtcTime()
{
    StatusPanels panels;
    FakeClock clock; // 5 December 2026 14:43 UTC, local 07:43
    StatusClock timers(panels, clock);
    QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/05/26  14:43 Z"));
    QCOMPARE(panels.toolTip(StatusPanels::kDate), QStringLiteral("12/05/26  14:43 Z"));
    QCOMPARE(indicatorOff.count(), 1);
}

void StatusClockTest::refreshesOnlyWhenTheLocalMinuteChanges()
{
    StatusPanels panels;
    FakeClock clock;
    clock.utc = utc(2026, 12, 31, 23, 58, 10);
    StatusClock timers(panels, clock);
    QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/31/26  23:58 Z"));
    clock.utc = clock.utc.addSecs(40);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/31/26  23:58 Z"));
    clock.utc = clock.utc.addSecs(20);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/31/26  23:59 Z"));
    clock.utc = clock.utc.addSecs(60); // across midnight and the year
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("01/01/27  00:00 Z"));
    QCOMPARE(indicatorOff.count(), 4); // every tick turns the indicator off
}

void StatusClockTest::minuteZeroAtStartWaitsForTheNextMinute()
{
    StatusPanels panels;
    FakeClock clock;
    clock.utc = utc(2026, 12, 5, 15, 0, 5);
    StatusClock timers(panels, clock);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("Date"));
    clock.utc = utc(2026, 12, 5, 15, 1, 0);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/05/26  15:01 Z"));
}

void StatusClockTest::followsTheLocalMinuteNotTheUtcOne()
{
    StatusPanels panels;
    FakeClock clock;
    clock.localOffsetSeconds = 5 * 3600 + 30 * 60; // local 20:00 when UTC is 14:30
    clock.utc = utc(2026, 12, 5, 14, 30);
    StatusClock timers(panels, clock);
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("Date"));
    clock.utc = utc(2026, 12, 5, 15, 0); // local 20:30
    timers.clockTick();
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/05/26  15:00 Z"));
}

void StatusClockTest::clockTimerTicksOnceStarted()
{
    StatusPanels panels;
    FakeClock clock;
    StatusClock timers(panels, clock);
    QVERIFY(!timers.clockRunning());
    QSignalSpy indicatorOff(&timers, &StatusClock::receiveIndicatorOff);
    timers.startClock();
    timers.startClock(); // switching it on again keeps it running
    QVERIFY(timers.clockRunning());
    QVERIFY(indicatorOff.wait(3000));
    QCOMPARE(panels.text(StatusPanels::kDate), QStringLiteral("12/05/26  14:43 Z"));
}

void StatusClockTest::statusResetClearsTheStatusOnce()
{
    StatusPanels panels;
    FakeClock clock;
    StatusClock timers(panels, clock);
    QSignalSpy reset(&timers, &StatusClock::errorCountReset);
    panels.SetStatusText(QStringLiteral("Status: Framing Error"));
    QVERIFY(!timers.statusResetPending());
    timers.startStatusReset();
    QVERIFY(timers.statusResetPending());
    QVERIFY(reset.wait(10000));
    QCOMPARE(panels.text(StatusPanels::kStatus), QStringLiteral("Status: "));
    QCOMPARE(panels.toolTip(StatusPanels::kStatus), QStringLiteral("Status: "));
    QVERIFY(!timers.statusResetPending());
    QCOMPARE(reset.count(), 1);
}

void StatusClockTest::mapsFunctionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("kind"); // -1 none, else FunctionKeyTarget::Kind
    QTest::addColumn<int>("button");
    using Kind = FunctionKeyTarget::Kind;
    QTest::newRow("F1") << int(Qt::Key_F1) << -1 << -1;
    QTest::newRow("F2") << int(Qt::Key_F2) << -1 << -1;
    QTest::newRow("F3") << int(Qt::Key_F3) << int(Kind::Command) << -1;
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Kind::Converse) << -1;
    for (int i = 0; i < 8; ++i)
        QTest::addRow("F%d", i + 5) << int(Qt::Key_F5) + i << int(Kind::FunctionButton) << i;
    QTest::newRow("F13") << int(Qt::Key_F13) << -1 << -1;
    QTest::newRow("A") << int(Qt::Key_A) << -1 << -1;
    QTest::newRow("Enter") << int(Qt::Key_Return) << -1 << -1;
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << -1 << -1;
}

void StatusClockTest::mapsFunctionKeys()
{
    QFETCH(int, key);
    QFETCH(int, kind);
    const std::optional<FunctionKeyTarget> target = functionKeyTarget(key);
    QCOMPARE(target.has_value(), kind >= 0);
    if (target) {
        QCOMPARE(int(target->kind), kind);
        if (target->kind == FunctionKeyTarget::Kind::FunctionButton)
            QTEST(target->button, "button");
    }
}

QTEST_MAIN(StatusClockTest)
#include "StatusClockTest.moc"
