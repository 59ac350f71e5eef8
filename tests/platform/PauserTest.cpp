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
    // A pause inside a pause ends first; the outer one ends in its own time.
    void handlesEventsWhileWaitingAndNestedPausesEndInOrder()
    {
        EventLoopPauser pauser;
        QStringList order;
        QTimer::singleShot(20, this, [&] {
            order.append(QStringLiteral("early timer"));
            pauser.Pause(0.1);
            order.append(QStringLiteral("inner pause over"));
        });
        const auto queued = [&order] { order.append(QStringLiteral("queued call")); };
        QMetaObject::invokeMethod(this, queued, Qt::QueuedConnection);
        QTimer::singleShot(1500, this, [&order] { order.append(QStringLiteral("late timer")); });
        pauser.Pause(0.5);
        order.append(QStringLiteral("pause over"));
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), 5, 5000);
        QCOMPARE(order.join(QStringLiteral(", ")),
                 QStringLiteral("queued call, early timer, inner pause over, pause over, late timer"));
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
