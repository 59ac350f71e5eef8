#include "platform/qt/QtPlatform.h"

#include <QTest>
#include <QTimer>

#include <cmath>

using namespace vellicor;

// Pause waits in an event loop: what is queued meanwhile is handled, in the
// order of its timers.
class PauserTest : public QObject {
    Q_OBJECT
private slots:
    void handlesEventsWhileWaiting()
    {
        EventLoopPauser pauser;
        QStringList order;
        QTimer::singleShot(20, this, [&order] { order.append(QStringLiteral("early timer")); });
        QMetaObject::invokeMethod(this, [&order] { order.append(QStringLiteral("queued call")); }, Qt::QueuedConnection);
        QTimer::singleShot(1500, this, [&order] { order.append(QStringLiteral("late timer")); });
        pauser.Pause(0.2);
        order.append(QStringLiteral("pause over"));
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 4, 5000);
        QCOMPARE(order, QStringList({QStringLiteral("queued call"), QStringLiteral("early timer"),
                                     QStringLiteral("pause over"), QStringLiteral("late timer")}));
    }

    void nestedPausesEndInOrder()
    {
        EventLoopPauser pauser;
        QStringList order;
        QTimer::singleShot(10, this, [&] {
            order.append(QStringLiteral("inner start"));
            pauser.Pause(0.1);
            order.append(QStringLiteral("inner end"));
        });
        pauser.Pause(0.5);
        order.append(QStringLiteral("outer end"));
        QCOMPARE(order, QStringList({QStringLiteral("inner start"), QStringLiteral("inner end"),
                                     QStringLiteral("outer end")}));
    }

    void nothingToWaitForReturnsAtOnce()
    {
        EventLoopPauser pauser;
        bool handled = false;
        QTimer::singleShot(0, this, [&handled] { handled = true; });
        pauser.Pause(0);
        pauser.Pause(-1);
        pauser.Pause(std::nan(""));
        QVERIFY(!handled); // returned without entering an event loop
        QTRY_VERIFY(handled);
    }
};

QTEST_MAIN(PauserTest)
#include "PauserTest.moc"
