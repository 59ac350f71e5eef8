#include "TncRig.h"

#include <QtTest>

using namespace vellicor;
using namespace vellicor::test;

// What each kind of script line sends to the TNC and shows in the receive pane.
class ScriptInterpreterTest : public QObject {
    Q_OBJECT
private slots:
    void sendsWhatEachLineKindMeans_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<int>("pauses"); // half a second each
        const QString none;
        const QString invalid = QStringLiteral("Invalid Hex string in Settings File:\r\n%1\r\n");
        QTest::newRow("comment") << "* MYCALL N0CALL" << QByteArray() << none << 0 << 0;
        QTest::newRow("only spaces") << "     " << QByteArray() << none << 0 << 0;
        QTest::newRow("text gets CR") << "MYCALL N0CALL" << QByteArray("MYCALL N0CALL\r") << none << 0 << 0;
        QTest::newRow("trimmed of spaces") << "   MYCALL N0CALL  " << QByteArray("MYCALL N0CALL\r") << none << 0 << 0;
        QTest::newRow("tab is not trimmed") << "\tX" << QByteArray("\tX\r") << none << 0 << 0;
        QTest::newRow("semicolon is sent") << "; not a comment" << QByteArray("; not a comment\r") << none << 0 << 0;
        QTest::newRow("hash pauses") << "#" << QByteArray() << none << 0 << 1;
        QTest::newRow("ampersand without H'") << "&X'41'" << QByteArray() << none << 0 << 0;
        QTest::newRow("unknown directive") << "$WHATEVER=1" << QByteArray() << none << 0 << 0;
        QTest::newRow("mode-only directive in a script") << "$CONNECT=CONNECT" << QByteArray() << none << 0 << 0;
        QTest::newRow("cmd line at start is a directive") << "$CMD LINE" << QByteArray() << none << 0 << 0;
        QTest::newRow("hex CR LF") << "&H'0D0A'" << QByteArray("\r\n") << none << 0 << 0;
        QTest::newRow("hex lower case") << "&h'0d0a'" << QByteArray("\r\n") << none << 0 << 0;
        QTest::newRow("hex high bytes") << "&H'FF8000'" << QByteArray("\xFF\x80\x00", 3) << none << 0 << 0;
        QTest::newRow("hex text after quote") << "&H'41'IGNORED" << QByteArray("A") << none << 0 << 0;
        QTest::newRow("hex odd digits") << "&H'0D0'" << QByteArray() << invalid.arg("&H'0D0'") << 0 << 0;
        QTest::newRow("hex no closing quote") << "&H'0D0A" << QByteArray() << invalid.arg("&H'0D0A") << 0 << 0;
        // A character that is no hexadecimal digit beeps and counts as 0.
        QTest::newRow("hex bad high digit") << "&H'G1'" << QByteArray("\x01") << none << 1 << 0;
        QTest::newRow("hex bad low digit") << "&H'4Z'" << QByteArray("\x40") << none << 1 << 0;
        QTest::newRow("^C ends without CR") << "ABC^C" << QByteArray("ABC\x03") << none << 0 << 0;
        QTest::newRow("^M ends without CR") << "X^M" << QByteArray("X\r") << none << 0 << 0;
        QTest::newRow("^X below 25") << "^X" << QByteArray("\x18") << none << 0 << 0;
        QTest::newRow("^Y gets CR") << "^Y" << QByteArray("\x19\r") << none << 0 << 0;
        QTest::newRow("^@ is NUL") << "^@" << QByteArray("\x00", 1) << none << 0 << 0;
        QTest::newRow("^_ is 31") << "^_" << QByteArray("\x1F\r") << none << 0 << 0;
        QTest::newRow("lower-case letter") << "^a^b" << QByteArray("\x01\x02") << none << 0 << 0;
        QTest::newRow("trailing caret removed") << "AB^" << QByteArray("AB\r") << none << 0 << 0;
        QTest::newRow("caret before digit") << "^1X" << QByteArray("1X\r") << none << 0 << 0;
        QTest::newRow("caret before question mark") << "^?X" << QByteArray("?X\r") << none << 0 << 0;
        QTest::newRow("triple caret") << "^^^" << QByteArray("\x1E\r") << none << 0 << 0;
        QTest::newRow("caret alone sends nothing") << "^" << QByteArray() << none << 0 << 0;
        QTest::newRow("caret before the euro sign") << QStringLiteral("^\u20AC") << QByteArray("@\r") << none << 0 << 0;
        QTest::newRow("caret before accented letter") << QString::fromLatin1("^\xE9") << QByteArray("\x89\r") << none
                                                      << 0 << 0;
    }

    void sendsWhatEachLineKindMeans()
    {
        QFETCH(QString, line);
        QFETCH(int, pauses);
        TncRig rig;
        rig.run(line);
        QTEST(rig.written(), "bytes");
        QTEST(rig.host.pane, "pane");
        QTEST(rig.fakes.beeper.beeps, "beeps");
        QCOMPARE(rig.fakes.pauser.pauses, QList<double>(pauses, 0.5));
    }

    void substitutesSendBoxTextForCmdLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("with text") << "SEND $CMD LINE NOW" << "hello" << QByteArray("SEND hello NOW\r");
        QTest::newRow("empty box") << "SEND $CMD LINE NOW" << "" << QByteArray("SEND  NOW\r");
        QTest::newRow("token in lower case") << "C $cmd line" << "W1AW" << QByteArray("C W1AW\r");
        QTest::newRow("only first token") << "A $CMD LINE $CMD LINE" << "z" << QByteArray("A z $CMD LINE\r");
        QTest::newRow("caret notation in box text") << "X $CMD LINE" << "^C" << QByteArray("X \x03");
    }

    void substitutesSendBoxTextForCmdLine()
    {
        TncRig rig;
        QFETCH(QString, box);
        rig.host.sendBox = box;
        QFETCH(QString, line);
        rig.run(line);
        QTEST(rig.written(), "bytes");
        QCOMPARE(rig.host.sendBox, QString());
    }

    void ignoresEveryLineWhilePortIsNotUsable()
    {
        TncRig rig;
        rig.globals.gPortOk = false;
        rig.host.sendBox = QStringLiteral("keep");
        rig.runAll({"$TNC=KAM", "$CAPTION=Net", "$MODE MENU=&Packet", "#", "TEXT $CMD LINE", "&H'41'",
                    "$FILE=MISSING.TXT"});
        QVERIFY(rig.written().isEmpty());
        QCOMPARE(rig.control->state().tncType, QString());
        QCOMPARE(rig.host.windowCaption, QStringLiteral("Vellicor - Version 1.0.0"));
        QVERIFY(rig.host.modeItems.isEmpty());
        QVERIFY(rig.fakes.pauser.pauses.isEmpty());
        QVERIFY(rig.fakes.prompter.prompts.isEmpty());
        QCOMPARE(rig.host.sendBox, QStringLiteral("keep"));
    }

    void stopsLineAtFirstFailedWrite()
    {
        TncRig rig;
        rig.fakes.link.failWritesAfter = 1;
        rig.run(QStringLiteral("&H'414243'"));
        QCOMPARE(rig.written(), QByteArray("A"));

        TncRig closed;
        closed.fakes.link.close();
        closed.run(QStringLiteral("MYCALL N0CALL"));
        closed.fakes.link.open();
        QVERIFY(closed.written().isEmpty()); // no CR after a failed write
    }

    // "$TNC=" names the model in any case; "$SetDayTime" sends seconds only
    // to the models known to take them.
    void setDaytimeSendsSecondsOnlyForKnownModels_data()
    {
        QTest::addColumn<QString>("directive");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QByteArray>("bytes");
        // 14:43:07 UTC is 07:43:07 in the fake clock's local time (UTC-7).
        const QByteArray seconds("DAYTIME 261205074307\r");
        const QByteArray minutes("DAYTIME 2612050743\r");
        QTest::newRow("KAM") << "$TNC=KAM" << "KAM" << seconds;
        QTest::newRow("lower keyword and value, blanks") << "$tnc = pk900 " << "PK900" << seconds;
        QTest::newRow("keyword as prefix") << "$TNCMODEL=aea" << "AEA" << seconds;
        QTest::newRow("no equals gives the whole line") << "$TNC KAM" << "$TNC KAM" << minutes;
        QTest::newRow("other model") << "$TNC=TNC2" << "TNC2" << minutes;
        QTest::newRow("no model") << "" << "" << minutes;
    }

    void setDaytimeSendsSecondsOnlyForKnownModels()
    {
        QFETCH(QString, directive);
        TncRig rig;
        rig.fakes.clock.utc = QDateTime(QDate(2026, 12, 5), QTime(14, 43, 7), Qt::UTC);
        rig.run(directive);
        QVERIFY(rig.written().isEmpty());
        QTEST(rig.control->state().tncType, "type");
        rig.run(QStringLiteral("$SetDayTime"));
        QTEST(rig.written(), "bytes");
        QCOMPARE(rig.writeList().size(), 1);
    }

    void captionDirectiveAppendsEachTime()
    {
        TncRig rig;
        rig.runAll({"$CAPTION=  County ARES ", "$caption=Net 2"});
        QCOMPARE(rig.host.windowCaption,
                 QStringLiteral("Vellicor - Version 1.0.0        County ARES        Net 2"));
    }

    void survivesHugeAndBinaryLines()
    {
        TncRig rig;
        rig.run(QString(1 << 20, QLatin1Char('A')));
        QCOMPARE(rig.written().size(), (1 << 20) + 1);
        rig.written().clear();
        rig.run(QString(1 << 20, QLatin1Char('^'))); // half a million ^^ pairs
        QCOMPARE(rig.written(), QByteArray((1 << 19), '\x1E') + '\r');
        rig.written().clear();
        rig.run(QString::fromLatin1("A\0B\x01", 4));
        QCOMPARE(rig.written(), QByteArray("A\0B\x01", 4));
    }
};

QTEST_GUILESS_MAIN(ScriptInterpreterTest)
#include "ScriptInterpreterTest.moc"
