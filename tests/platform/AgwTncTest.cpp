#include "platform/agw/AgwFrame.h"
#include "platform/agw/AgwTnc.h"
#include "platform/agw/AgwTexts.h"

#include <QTest>

using namespace vellicor;

namespace {

using Frames = QList<QByteArray>;

// A frame as the tests write it: kind, calls and data, e.g. "DW1AW>N0BBS|hi".
QByteArray described(const AgwFrame& frame)
{
    return frame.kind + frame.callFrom + '>' + frame.callTo + '|' + frame.data;
}

Frames describedAll(const QByteArray& stream)
{
    AgwFrameReader reader;
    Frames out;
    for (const AgwFrame& frame : reader.feed(stream))
        out.append(described(frame));
    return out;
}

AgwFrame frame(char kind, const QByteArray& from, const QByteArray& to = "W1AW", const QByteArray& data = {})
{
    return AgwFrame::of(kind, from, to, data);
}

QByteArray callField(const char* call)
{
    QByteArray field(call);
    field.resize(AgwFrame::kCallBytes, '\0');
    return field;
}

QByteArray count(quint32 n)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((n >> (8 * i)) & 0xFF);
    return bytes;
}

// A TNC whose engine is up, with MYCALL W1AW registered and the sign-on taken.
struct Tnc {
    AgwTnc tnc{0, [] { return QDateTime(QDate(2026, 5, 12), QTime(9, 0)); }};

    Tnc()
    {
        tnc.engineUp();
        type("MYCALL W1AW\r");
        take();
    }
    void type(const QByteArray& bytes) { tnc.fromTerminal(bytes); }
    void engine(const AgwFrame& f) { tnc.fromEngine(f.encode()); }
    QByteArray text() { return tnc.takeForTerminal(); }
    Frames sent() { return describedAll(tnc.takeForEngine()); }
    void take()
    {
        text();
        sent();
    }
    void connectTo(const QByteArray& call)
    {
        type("C " + call + "\r");
        engine(frame('C', call));
        take();
    }
};

} // namespace

// The AGW TNC as the terminal and the engine see it: bytes typed, frames out,
// frames in, text shown.
class AgwTncTest : public QObject {
    Q_OBJECT
private slots:
    void framesSurviveAnyCutOfTheStream()
    {
        AgwFrame sent = frame('D', "W1AW-15", "N0BBS", QByteArray("\x00\x80\xff\r\x1a", 5));
        sent.port = 2;
        sent.pid = 0xF0;
        const QByteArray stream = sent.encode() + frame('y', "").encode();
        QCOMPARE(stream.mid(28, 4), count(5)); // the length field: little-endian, after the calls
        QCOMPARE(stream.mid(8, 10), callField("W1AW-15"));
        AgwFrameReader reader;
        QList<AgwFrame> got;
        for (char byte : stream)
            got += reader.feed(QByteArray(1, byte));
        QCOMPARE(got.size(), 2);
        QCOMPARE(got[0].port, 2);
        QCOMPARE(got[0].pid, 0xF0);
        QCOMPARE(described(got[0]), described(sent));
        QCOMPARE(got[1].kind, 'y');
    }

    void aLengthBeyondReasonStopsTheReaderWithAReason()
    {
        QByteArray header = frame('D', "N0BBS").encode();
        header.replace(28, 4, count(0xFFFFFFF0));
        Tnc t;
        t.tnc.fromEngine(header + frame('D', "N0BBS", "W1AW", "lost").encode());
        QVERIFY(t.tnc.engineFailed());
        QVERIFY(t.text().startsWith("\r\n*** The AGW engine sent a frame of 4294967280 bytes"));
        t.engine(frame('C', "N0BBS")); // nothing more is read
        QCOMPARE(t.text(), QByteArray());
    }

    void commands_data()
    {
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<Frames>("frames");
        QTest::newRow("unknown") << QByteArray("XYZZY\r") << QByteArray("?EH\r\ncmd:") << Frames();
        QTest::newRow("empty line") << QByteArray("\r\n") << QByteArray("cmd:") << Frames();
        QTest::newRow("bad mycall") << QByteArray("MYCALL 123\r") << QByteArray("?BAD\r\ncmd:") << Frames();
        QTest::newRow("mycall") << QByteArray("my k1abc-2\rMY\r") << QByteArray("cmd:MYCALL K1ABC-2\r\ncmd:")
                                << Frames{"xW1AW>|", "XK1ABC-2>|"};
        QTest::newRow("connect") << QByteArray("c n0bbs\r") << QByteArray() << Frames{"CW1AW>N0BBS|"};
        QTest::newRow("connect via") << QByteArray("CONNECT N0BBS VIA W2X, W3Y-1\r") << QByteArray()
                                     << Frames{"vW1AW>N0BBS|\x02" + callField("W2X") + callField("W3Y-1")};
        QTest::newRow("connect v") << QByteArray("C N0BBS V W2X\r") << QByteArray()
                                   << Frames{"vW1AW>N0BBS|\x01" + callField("W2X")};
        QTest::newRow("connect bad path") << QByteArray("C N0BBS W2X\r") << QByteArray("?BAD\r\ncmd:") << Frames();
        QTest::newRow("link state") << QByteArray("C\r") << QByteArray("Link state is: DISCONNECTED\r\ncmd:") << Frames();
        QTest::newRow("disconnect") << QByteArray("D\r") << QByteArray("?not while disconnected\r\ncmd:") << Frames();
        QTest::newRow("monitor") << QByteArray("MONITOR ON\rM\rM OFF\r") << QByteArray("cmd:MONITOR ON\r\ncmd:cmd:")
                                 << Frames{"mW1AW>|", "mW1AW>|"};
        QTest::newRow("paclen") << QByteArray("PACLEN 300\rPACLEN 64\rPACLEN\r")
                                << QByteArray("?BAD\r\ncmd:cmd:PACLEN 64\r\ncmd:") << Frames();
        QTest::newRow("daytime") << QByteArray("DAYTIME\rDAYTIME 2605121430\rDA\r")
                                 << QByteArray("?clock not set\r\ncmd:cmd:DAYTIME 2026-05-12 14:30:00\r\ncmd:") << Frames();
        QTest::newRow("hardware settings") << QByteArray("AUTOLF ON\rXFLOW OFF\rPACKET\rWO ON\rWORDOUT\r")
                                           << QByteArray("cmd:cmd:cmd:cmd:WORDOUT ON\r\ncmd:") << Frames();
        QTest::newRow("echo") << QByteArray("ECHO ON\rAB\r\n") << QByteArray("cmd:AB\r\n?EH\r\ncmd:") << Frames();
        QTest::newRow("channel") << QByteArray("\x01" "b") << QByteArray("\r\n*** CHANNEL B: not connected\r\ncmd:") << Frames();
        QTest::newRow("ctrl-a then text") << QByteArray("\x01" "?\r") << QByteArray("?EH\r\ncmd:") << Frames();
        QTest::newRow("ctrl-c drops the line") << QByteArray("XY\x03" "C\r")
                                               << QByteArray("\r\ncmd:Link state is: DISCONNECTED\r\ncmd:") << Frames();
        QTest::newRow("autobaud") << QByteArray("**\x03*K\r*") << QByteArray("\r\nVellicor TNC 1.0 on an AGW packet engine\r\ncmd:"
                                                                    "\r\ncmd:\r\nVellicor TNC 1.0 on an AGW packet engine\r\ncmd:"
                                                                    "\r\nVellicor TNC 1.0 on an AGW packet engine\r\ncmd:")
                                  << Frames();
        QTest::newRow("converse without a connection") << QByteArray("K\rhello\r") << QByteArray() << Frames();
        QTest::newRow("echo in converse") << QByteArray("ECHO ON\rK\rhi") << QByteArray("cmd:K\r\nhi") << Frames();
        QTest::newRow("help") << QByteArray("H\r") << QByteArray(agwtext::kHelp) + "\r\ncmd:" << Frames();
    }

    void commands()
    {
        QFETCH(QByteArray, typed);
        QFETCH(QByteArray, shown);
        QFETCH(Frames, frames);
        Tnc t;
        t.type(typed);
        QCOMPARE(t.text(), shown);
        QCOMPARE(t.sent(), frames);
    }

    void converseTextGoesOutInFrames_data()
    {
        QTest::addColumn<int>("paclen");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<Frames>("data");
        QTest::newRow("a line") << 128 << QByteArray("a line\r") << Frames{"a line\r"};
        QTest::newRow("two lines") << 128 << QByteArray("two\rlines\r") << Frames{"two\r", "lines\r"};
        QTest::newRow("cut at paclen") << 4 << QByteArray("abcdefghij\r") << Frames{"abcd", "efgh", "ij\r"};
        QTest::newRow("ctrl-z ends a frame") << 128 << QByteArray("73\x1a") << Frames{"73\x1a"};
        QTest::newRow("windows-1252") << 128 << QByteArray("\x80\xe9\n\xff\r") << Frames{"\x80\xe9\n\xff\r"};
        QTest::newRow("held until the line ends") << 128 << QByteArray("half") << Frames();
    }

    void converseTextGoesOutInFrames()
    {
        QFETCH(int, paclen);
        QFETCH(QByteArray, typed);
        QFETCH(Frames, data);
        Tnc t;
        t.type("PACLEN " + QByteArray::number(paclen) + "\r");
        t.connectTo("N0BBS");
        QVERIFY(t.tnc.inConverse());
        t.type(typed);
        Frames expected;
        for (const QByteArray& d : data)
            expected.append("DW1AW>N0BBS|" + d);
        QCOMPARE(t.sent(), expected);
        QCOMPARE(t.text(), QByteArray());
    }

    void theEngineIsNeverHandedMoreThanAFewFrames()
    {
        Tnc t;
        t.connectTo("N0BBS");
        t.type(QByteArray("line\r").repeated(AgwTnc::kMaxOutstanding + 2));
        Frames first = t.sent();
        QCOMPARE(first.size(), AgwTnc::kMaxOutstanding + 1);
        QCOMPARE(first.last(), QByteArray("YW1AW>N0BBS|"));
        t.type("more\r");
        QCOMPARE(t.sent(), Frames()); // still waiting for the answer

        t.engine(frame('Y', "W1AW", "N0BBS", count(AgwTnc::kMaxOutstanding - 1)));
        QCOMPARE(t.sent(), (Frames{"DW1AW>N0BBS|line\r", "YW1AW>N0BBS|"}));
        t.tnc.pollFlow();
        QCOMPARE(t.sent(), Frames()); // the query is still unanswered
        t.engine(frame('Y', "W1AW", "N0BBS", count(0)));
        QCOMPARE(t.sent(), (Frames{"DW1AW>N0BBS|line\r", "DW1AW>N0BBS|more\r"}));
    }

    // Steps: ">bytes" typed at the terminal; "<K CALL|data" a frame of kind K
    // from CALL to W1AW coming from the engine.
    void connectionEvents_data()
    {
        QTest::addColumn<QList<QByteArray>>("steps");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<bool>("converse");
        using Steps = QList<QByteArray>;
        QTest::newRow("connected") << Steps{">C N0BBS\r", "<C N0BBS"} << QByteArray("*** CONNECTED to N0BBS\r\n") << true;
        QTest::newRow("no answer") << Steps{">C N0BBS\r", "<d N0BBS"}
                                   << QByteArray("*** retry count exceeded\r\n*** DISCONNECTED from N0BBS\r\ncmd:") << false;
        QTest::newRow("data") << Steps{">C N0BBS\r", "<C N0BBS", "<D N0BBS|N0BBS>\r\x80"}
                              << QByteArray("*** CONNECTED to N0BBS\r\nN0BBS>\r\x80") << true;
        QTest::newRow("disconnected") << Steps{">C N0BBS\r", "<C N0BBS", ">\x03" "D\r", "<d N0BBS"}
                                      << QByteArray("*** CONNECTED to N0BBS\r\n\r\ncmd:*** DISCONNECTED from N0BBS\r\ncmd:") << false;
        QTest::newRow("already") << Steps{">C N0BBS\r", "<C N0BBS", ">\x03" "C N0NET\rC\r"}
                                 << QByteArray("*** CONNECTED to N0BBS\r\n\r\ncmd:?already connected to N0BBS\r\n"
                                               "cmd:Link state is: CONNECTED to N0BBS\r\ncmd:")
                                 << false;
        QTest::newRow("disconnect under way") << Steps{">C N0BBS\r", "<C N0BBS", ">\x03" "D\rC\r"}
                                              << QByteArray("*** CONNECTED to N0BBS\r\n\r\ncmd:"
                                                            "Link state is: DISCONNECTED\r\ncmd:")
                                              << false;
        QTest::newRow("called") << Steps{"<C N0XYZ"} << QByteArray("*** CONNECTED to N0XYZ\r\n") << true;
        QTest::newRow("other channel") << Steps{">C N0BBS\r", ">\x01" "B", "<C N0BBS", "<D N0BBS|hi\r"}
                                       << QByteArray("\r\n*** CHANNEL B: not connected\r\ncmd:*** CONNECTED to N0BBS\r\nhi\r")
                                       << false;
        QTest::newRow("monitor off") << Steps{"<U N0BBS| 1:Fm N0BBS\r"} << QByteArray() << false;
        // As Dire Wolf sends it: ended by a NUL.
        const char heard[] = "<U N0BBS| 1:Fm N0BBS To W1AW <UI pid=F0 Len=3 >[09:00:00]\rhi\r\r";
        QTest::newRow("monitor on") << Steps{">M ON\r", QByteArray(heard, sizeof heard)}
                                    << QByteArray("cmd: 1:Fm N0BBS To W1AW <UI pid=F0 Len=3 >[09:00:00]\r\nhi\r\n\r\n")
                                    << false;
        QTest::newRow("mycall refused") << Steps{QByteArray("<X W1AW|\0", 9), "<X W1AW|\x01"}
                                        << QByteArray("*** the AGW engine refused to register W1AW\r\n") << false;
        QTest::newRow("stranger's data") << Steps{"<D N0XYZ|x"} << QByteArray() << false;
    }

    void connectionEvents()
    {
        QFETCH(QList<QByteArray>, steps);
        QFETCH(QByteArray, shown);
        QFETCH(bool, converse);
        Tnc t;
        for (const QByteArray& step : steps) {
            if (step.startsWith('>')) {
                t.type(step.mid(1));
                continue;
            }
            const qsizetype bar = step.indexOf('|');
            const QByteArray call = step.mid(3, bar < 0 ? -1 : bar - 3);
            t.engine(frame(step.at(1), call, "W1AW", bar < 0 ? QByteArray() : step.mid(bar + 1)));
        }
        QCOMPARE(t.text(), shown);
        QCOMPARE(t.tnc.inConverse(), converse);
    }

    void disconnectAsksTheEngine()
    {
        Tnc t;
        t.connectTo("N0BBS");
        t.type("\x03" "D\r");
        QCOMPARE(t.sent(), Frames{"dW1AW>N0BBS|"});
        QCOMPARE(t.text(), QByteArray("\r\ncmd:")); // the answer waits for the engine
    }

    void startsByAskingVersionPortsAndRegistering()
    {
        Tnc t;
        t.tnc.engineDown();
        t.tnc.engineUp();
        QCOMPARE(t.sent(), (Frames{"RW1AW>|", "GW1AW>|", "XW1AW>|"}));
        QCOMPARE(t.text(), QByteArray("\r\nVellicor TNC 1.0 on an AGW packet engine\r\ncmd:"));
    }
};

QTEST_GUILESS_MAIN(AgwTncTest)
#include "AgwTncTest.moc"
