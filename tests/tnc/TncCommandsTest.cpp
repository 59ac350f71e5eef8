#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// "Cmd: (F3)", "Conv (F4)", the channel items and the autobaud characters.
class TncCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void commandModeSendsCtrlCOnly();
    void converseModeSendsCtrlCThenConvAfterAPause();
    void converseModeGoesOnWhenPortIsClosed();
    void channelBeforeAnyScriptSendsCtrlAAlone();
    void channelIdentifiersFollowLastScriptsModel();
    void autobaudSendsTenStarsASecondApart();
    void autobaudEndsAtFirstFailedWrite();
    void closingWindowDuringAutobaudEndsIt();
};

void TncCommandsTest::commandModeSendsCtrlCOnly()
{
    TncRig rig;
    rig.control->commandMode();
    QCOMPARE(rig.written(), QByteArray("\x03"));
    QCOMPARE(rig.host.sendBoxFocus, 1);
    QVERIFY(rig.fakes.pauser.pauses.isEmpty());
}

void TncCommandsTest::converseModeSendsCtrlCThenConvAfterAPause()
{
    TncRig rig;
    QList<QByteArray> writtenAtPauses;
    rig.fakes.pauser.during = [&](double) { writtenAtPauses.append(rig.written()); };
    rig.control->converseMode();
    QCOMPARE(rig.written(), QByteArray("\x03" "CONV\r"));
    QCOMPARE(rig.fakes.pauser.pauses, (QList<double>{0.1, 0.5}));
    QCOMPARE(writtenAtPauses, (QList<QByteArray>{"\x03", "\x03" "CONV\r"}));
    QCOMPARE(rig.host.pane, QStringLiteral("\r\nNow in converse mode\r\n"));
    QCOMPARE(rig.host.caretMovedToEnd, 1);
    QCOMPARE(rig.host.sendBoxFocus, 1);
}

void TncCommandsTest::converseModeGoesOnWhenPortIsClosed()
{
    TncRig rig;
    rig.fakes.link.close();
    rig.control->converseMode();
    QCOMPARE(rig.host.pane, QStringLiteral("\r\nNow in converse mode\r\n"));
    QCOMPARE(rig.fakes.pauser.pauses.size(), 2);
}

void TncCommandsTest::channelBeforeAnyScriptSendsCtrlAAlone()
{
    TncRig rig;
    rig.control->switchChannel(4);
    QCOMPARE(rig.written(), QByteArray("\x01"));
    QCOMPARE(rig.host.pane, QStringLiteral("Channel \r\n"));
}

void TncCommandsTest::channelIdentifiersFollowLastScriptsModel()
{
    TncRig rig;
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$TNC=PK900\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    rig.host.pane.clear();
    rig.control->switchChannel(0);
    rig.control->switchChannel(11);
    QCOMPARE(rig.written(), QByteArray("\x01" "0" "\x01" "B"));
    QCOMPARE(rig.host.pane, QStringLiteral("Channel 0\r\nChannel B\r\n"));

    // A later run for a KAM re-captions items 0 to 9; items 10 to 19 stay as they were.
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$TNC=KAM\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.host.visibleChannels().size(), 20);
    QCOMPARE(rig.host.channels[0].caption, QStringLiteral("Channel &A"));
    rig.written().clear();
    rig.control->switchChannel(0);
    QCOMPARE(rig.written(), QByteArray("\x01" "A"));

    // Back on a PK900, items 0 to 9 are the digit channels again and say so.
    rig.writeFile(QStringLiteral("VellicorStartup.txt"), "$TNC=PK900\r\n");
    rig.control->RunScript(QStringLiteral("Start"));
    QCOMPARE(rig.host.channels[0].caption, QStringLiteral("Channel &0"));
}

void TncCommandsTest::autobaudSendsTenStarsASecondApart()
{
    TncRig rig;
    QList<QByteArray> writtenAtPauses;
    rig.fakes.pauser.during = [&](double) { writtenAtPauses.append(rig.written()); };
    rig.control->sendAutobaud();
    QCOMPARE(rig.written(), QByteArray(10, '*'));
    QCOMPARE(rig.fakes.pauser.pauses, QList<double>(10, 1.0));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(writtenAtPauses.at(i), QByteArray(i + 1, '*'));
}

void TncCommandsTest::autobaudEndsAtFirstFailedWrite()
{
    TncRig rig;
    rig.fakes.link.failWritesAfter = 3;
    rig.control->sendAutobaud();
    QCOMPARE(rig.written(), QByteArray(3, '*'));
    QCOMPARE(rig.fakes.pauser.pauses.size(), 3);
}

void TncCommandsTest::closingWindowDuringAutobaudEndsIt()
{
    TncRig rig;
    rig.fakes.pauser.during = [&rig](double) { delete rig.control.data(); };
    rig.control->sendAutobaud();
    QCOMPARE(rig.written(), QByteArray("*"));
    QCOMPARE(rig.fakes.pauser.pauses.size(), 1);
}

QTEST_GUILESS_MAIN(TncCommandsTest)
#include "TncCommandsTest.moc"
