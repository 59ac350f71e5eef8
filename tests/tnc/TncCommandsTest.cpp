#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// "Cmd: (F3)", "Conv (F4)", the channel items, the autobaud characters, and
// the window closing while the TNC control waits.
class TncCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commandAndConverseMode()
    {
        TncRig rig;
        rig.control->commandMode();
        QCOMPARE(rig.written(), QByteArray("\x03"));
        QCOMPARE(rig.host.sendBoxFocus, 1);
        QVERIFY(rig.fakes.pauser.pauses.isEmpty());

        rig.written().clear();
        QList<QByteArray> writtenAtPauses;
        rig.fakes.pauser.during = [&](double) { writtenAtPauses.append(rig.written()); };
        rig.control->converseMode();
        QCOMPARE(rig.written(), QByteArray("\x03" "CONV\r"));
        QCOMPARE(rig.fakes.pauser.pauses, (QList<double>{0.1, 0.5}));
        QCOMPARE(writtenAtPauses, (QList<QByteArray>{"\x03", "\x03" "CONV\r"}));
        QCOMPARE(rig.host.pane, QStringLiteral("\r\nNow in converse mode\r\n"));
        QCOMPARE(rig.host.caretMovedToEnd, 1);
        QCOMPARE(rig.host.sendBoxFocus, 2);

        rig.fakes.link.close(); // a closed port does not stop it
        rig.control->converseMode();
        QCOMPARE(rig.host.pane, QStringLiteral("\r\nNow in converse mode\r\n").repeated(2));
        QCOMPARE(rig.fakes.pauser.pauses.size(), 4);
    }

    void channelMenuFollowsTncModel_data()
    {
        QTest::addColumn<QString>("script"); // empty: no script has run
        QTest::addColumn<QStringList>("visible");
        QTest::addColumn<int>("item");
        QTest::addColumn<QByteArray>("bytes");
        QStringList digits;
        QStringList letters;
        for (int i = 0; i < 10; ++i) {
            digits.append(QStringLiteral("Channel &") + QString::number(i));
            letters.append(QStringLiteral("Channel &") + QChar(u'A' + i));
        }
        QTest::newRow("before any script") << "" << digits << 4 << QByteArray("\x01");
        QTest::newRow("AEA") << "$TNC=AEA" << digits + letters << 3 << QByteArray("\x01" "3");
        QTest::newRow("PK900 letter item") << "$TNC=PK900" << digits + letters << 11 << QByteArray("\x01" "B");
        QTest::newRow("KAM") << "$TNC=KAM" << letters << 1 << QByteArray("\x01" "B");
        QTest::newRow("other") << "$TNC=TNC2" << letters << 9 << QByteArray("\x01" "J");
        QTest::newRow("none") << "$TNC=" << letters << 0 << QByteArray("\x01" "A");
    }

    void channelMenuFollowsTncModel()
    {
        QFETCH(QString, script);
        QFETCH(int, item);
        TncRig rig;
        if (!script.isEmpty())
            rig.runStartup(script.toLatin1());
        rig.host.pane.clear();
        QTEST(rig.host.visibleChannels(), "visible");
        rig.control->switchChannel(item);
        QTEST(rig.written(), "bytes");
        QCOMPARE(rig.host.pane, QStringLiteral("Channel %1\r\n").arg(QString::fromLatin1(rig.written().mid(1))));
    }

    // A later run for a KAM re-captions items 0 to 9; back on a PK900 they
    // are the digit channels again and say so.
    void channelIdentifiersFollowLastScriptsModel()
    {
        TncRig rig;
        rig.runStartup("$TNC=PK900\r\n");
        rig.runStartup("$TNC=KAM\r\n");
        QCOMPARE(rig.host.visibleChannels().size(), 20);
        QCOMPARE(rig.host.channels[0], QStringLiteral("Channel &A"));
        rig.control->switchChannel(0);
        QCOMPARE(rig.written(), QByteArray("\x01" "A"));
        rig.runStartup("$TNC=PK900\r\n");
        QCOMPARE(rig.host.channels[0], QStringLiteral("Channel &0"));
    }

    void autobaudSendsTenStarsASecondApart()
    {
        TncRig rig;
        QList<QByteArray> writtenAtPauses;
        rig.fakes.pauser.during = [&](double) { writtenAtPauses.append(rig.written()); };
        rig.control->sendAutobaud();
        QCOMPARE(rig.written(), QByteArray(10, '*'));
        QCOMPARE(rig.fakes.pauser.pauses, QList<double>(10, 1.0));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(writtenAtPauses.at(i), QByteArray(i + 1, '*'));

        TncRig failing;
        failing.fakes.link.failWritesAfter = 3;
        failing.control->sendAutobaud();
        QCOMPARE(failing.written(), QByteArray(3, '*'));
        QCOMPARE(failing.fakes.pauser.pauses.size(), 3);
    }

    void closingTheWindowMidwayEndsTheWork_data()
    {
        QTest::addColumn<QString>("work");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("autobaud") << "autobaud" << QByteArray("*");
        QTest::newRow("script pause") << "script" << QByteArray("ONE\r");
        QTest::newRow("script error box") << "error" << QByteArray();
        QTest::newRow("mode selection pause") << "mode" << QByteArray();
    }

    void closingTheWindowMidwayEndsTheWork()
    {
        QFETCH(QString, work);
        TncRig rig;
        rig.runAll({"$MODE MENU=Net", "$BUTTON CAPTION=Slow", "$BUTTON FUNCTION=ONE", "$MODE FUNC=#",
                    "$MODE FUNC=AFTER"});
        rig.fakes.pauser.during = [&rig](double) { delete rig.control.data(); };
        rig.fakes.prompter.onShow = [&rig] { delete rig.control.data(); };
        const int focusBefore = rig.host.sendBoxFocus;
        if (work == QLatin1String("autobaud"))
            rig.control->sendAutobaud();
        else if (work == QLatin1String("script"))
            rig.runStartup("ONE\r\n#\r\nTWO\r\n$MODE MENU=M\r\n$MODE DEFAULT=1\r\n");
        else if (work == QLatin1String("error"))
            rig.runStartup("$FILE=GONE.TXT\r\nAFTER\r\n");
        else
            rig.control->selectMode(1);
        QVERIFY(rig.control.isNull());
        QTEST(rig.written(), "written");
        QCOMPARE(rig.host.sendBoxFocus, focusBefore);
        QVERIFY(!rig.host.busyChanges.contains(false)); // the run never told the window it ended
    }
};

QTEST_GUILESS_MAIN(TncCommandsTest)
#include "TncCommandsTest.moc"
