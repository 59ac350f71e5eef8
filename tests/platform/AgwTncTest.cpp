#include "platform/agw/AgwFrame.h"
#include "platform/agw/AgwTnc.h"
#include "platform/agw/AgwTexts.h"

#include <QTest>
#include <QtEndian>

using namespace vellicor;

namespace {

using Frames = QList<QByteArray>;
using Steps = QList<QByteArray>;

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
    return QByteArray(call).leftJustified(AgwFrame::kCallBytes, '\0');
}

// A 32-bit count as the frames carry it: little-endian.
QByteArray count(quint32 n)
{
    const quint32 little = qToLittleEndian(n);
    return QByteArray(reinterpret_cast<const char*>(&little), 4);
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
    // Steps: ">bytes" typed at the terminal; "<K CALL|data" a frame of kind K
    // from CALL to W1AW coming from the engine; "-" forgets what was shown
    // and sent so far; "!" the engine goes down and comes up again.
    void run(const Steps& steps)
    {
        for (const QByteArray& step : steps) {
            if (step == "-") {
                take();
            } else if (step == "!") {
                tnc.engineDown();
                tnc.engineUp();
            } else if (step.startsWith('>')) {
                type(step.mid(1));
            } else {
                const qsizetype bar = step.indexOf('|');
                const QByteArray call = step.mid(3, bar < 0 ? -1 : bar - 3);
                engine(frame(step.at(1), call, "W1AW", bar < 0 ? QByteArray() : step.mid(bar + 1)));
            }
        }
    }
};

// One case of the session table: most end in command mode with no frame sent.
void row(const char* name, const Steps& steps, const QByteArray& shown, const Frames& frames = {},
         bool converse = false)
{
    QTest::newRow(name) << steps << shown << frames << converse;
}

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
        const QByteArray stream = sent.encode() + frame('y', "").encode();
        // The PID bytes: connected data carry no layer 3 (F0), other frames 0.
        QCOMPARE(stream.mid(6, 1) + stream.mid(36 + 5 + 6, 1), QByteArray("\xF0\0", 2));
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

    void session_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QByteArray>("shown");
        QTest::addColumn<Frames>("frames");
        QTest::addColumn<bool>("converse");
        const QByteArray signOn = "\r\nVellicor TNC 1.0 on an AGW packet engine\r\ncmd:";
        row("unknown", {">XYZZY\r"}, "?EH\r\ncmd:");
        row("empty line", {">\r\n"}, "cmd:");
        row("bad mycall", {">MYCALL 123\r"}, "?BAD\r\ncmd:");
        row("mycall", {">my k1abc-2\rMY\r"}, "cmd:MYCALL K1ABC-2\r\ncmd:", {"xW1AW>|", "XK1ABC-2>|"});
        row("connect via", {">CONNECT N0BBS VIA W2X, W3Y-1\r"}, "",
            {"vW1AW>N0BBS|\x02" + callField("W2X") + callField("W3Y-1")});
        row("connect v", {">C N0BBS V W2X\r"}, "", {"vW1AW>N0BBS|\x01" + callField("W2X")});
        row("connect bad path", {">C N0BBS W2X\r"}, "?BAD\r\ncmd:");
        row("link state", {">C\r"}, "Link state is: DISCONNECTED\r\ncmd:");
        row("disconnect", {">D\r"}, "?not while disconnected\r\ncmd:");
        row("monitor", {">MONITOR ON\rM\rM OFF\r"}, "cmd:MONITOR ON\r\ncmd:cmd:", {"mW1AW>|", "mW1AW>|"});
        row("paclen", {">PACLEN 300\rPACLEN 64\rPACLEN\r"}, "?BAD\r\ncmd:cmd:PACLEN 64\r\ncmd:");
        row("daytime", {">DAYTIME\rDAYTIME 2605121430\rDA\r"},
            "?clock not set\r\ncmd:cmd:DAYTIME 2026-05-12 14:30:00\r\ncmd:");
        row("hardware settings", {">AUTOLF ON\rXFLOW OFF\rPACKET\rWO ON\rWORDOUT\r"},
            "cmd:cmd:cmd:cmd:WORDOUT ON\r\ncmd:");
        row("echo", {">ECHO ON\rAB\r\n"}, "cmd:AB\r\n?EH\r\ncmd:");
        row("channel", {">\x01" "b"}, "\r\n*** CHANNEL B: not connected\r\ncmd:");
        row("ctrl-a then text", {">\x01" "?\r"}, "?EH\r\ncmd:");
        row("ctrl-c drops the line", {">XY\x03" "C\r"}, "\r\ncmd:Link state is: DISCONNECTED\r\ncmd:");
        row("autobaud", {">**\x03*K\r*"}, signOn + "\r\ncmd:" + signOn + signOn);
        row("converse without a connection", {">K\rhello\r"}, "", {}, true);
        row("echo in converse", {">ECHO ON\rK\rhi"}, "cmd:K\r\nhi", {}, true);
        row("help", {">H\r"}, QByteArray(agwtext::kHelp) + "\r\ncmd:");
        row("engine up again", {"!"}, signOn, {"RW1AW>|", "GW1AW>|", "XW1AW>|"});

        const Steps connected{">c n0bbs\r", "<C N0BBS", "-"};
        row("connect", {">c n0bbs\r", "<C N0BBS"}, "*** CONNECTED to N0BBS\r\n", {"CW1AW>N0BBS|"}, true);
        row("no answer", {">C N0BBS\r", "<d N0BBS"},
            "*** retry count exceeded\r\n*** DISCONNECTED from N0BBS\r\ncmd:", {"CW1AW>N0BBS|"});
        row("data", connected + Steps{"<D N0BBS|N0BBS>\r\x80"}, "N0BBS>\r\x80", {}, true);
        row("disconnected", connected + Steps{">\x03" "D\r", "<d N0BBS"},
            "\r\ncmd:*** DISCONNECTED from N0BBS\r\ncmd:", {"dW1AW>N0BBS|"});
        row("already", connected + Steps{">\x03" "C N0NET\rC\r"},
            "\r\ncmd:?already connected to N0BBS\r\ncmd:Link state is: CONNECTED to N0BBS\r\ncmd:");
        row("disconnect under way", connected + Steps{">\x03" "D\rC\r"},
            "\r\ncmd:Link state is: DISCONNECTED\r\ncmd:", {"dW1AW>N0BBS|"});
        row("called", {"<C N0XYZ"}, "*** CONNECTED to N0XYZ\r\n", {}, true);
        row("other channel", {">C N0BBS\r", ">\x01" "B", "<C N0BBS", "<D N0BBS|hi\r"},
            "\r\n*** CHANNEL B: not connected\r\ncmd:*** CONNECTED to N0BBS\r\nhi\r", {"CW1AW>N0BBS|"});
        row("monitor off", {"<U N0BBS| 1:Fm N0BBS\r"}, "");
        // As Dire Wolf sends it: ended by a NUL.
        const char heard[] = "<U N0BBS| 1:Fm N0BBS To W1AW <UI pid=F0 Len=3 >[09:00:00]\rhi\r\r";
        row("monitor on", {">M ON\r", QByteArray(heard, sizeof heard)},
            "cmd: 1:Fm N0BBS To W1AW <UI pid=F0 Len=3 >[09:00:00]\r\nhi\r\n\r\n", {"mW1AW>|"});
        row("mycall refused", {QByteArray("<X W1AW|\0", 9), "<X W1AW|\x01"},
            "*** the AGW engine refused to register W1AW\r\n");
        row("stranger's data", {"<D N0XYZ|x"}, "");

        // Text typed while connected goes out in data frames.
        const QByteArray data = "DW1AW>N0BBS|";
        row("a line", connected + Steps{">a line\r"}, "", {data + "a line\r"}, true);
        row("two lines", connected + Steps{">two\rlines\r"}, "", {data + "two\r", data + "lines\r"}, true);
        row("cut at paclen", Steps{">PACLEN 4\r"} + connected + Steps{">abcdefghij\r"}, "",
            {data + "abcd", data + "efgh", data + "ij\r"}, true);
        row("ctrl-z ends a frame", connected + Steps{">73\x1a"}, "", {data + "73\x1a"}, true);
        row("windows-1252", connected + Steps{">\x80\xe9\n\xff\r"}, "", {data + "\x80\xe9\n\xff\r"}, true);
        row("held until the line ends", connected + Steps{">half"}, "", {}, true);
        row("ctrl-c sends the part line", connected + Steps{">half\x03"}, "\r\ncmd:", {data + "half"});
    }

    void session()
    {
        QFETCH(Steps, steps);
        Tnc t;
        t.run(steps);
        QTEST(t.text(), "shown");
        QTEST(t.sent(), "frames");
        QTEST(t.tnc.inConverse(), "converse");
    }

    void theEngineIsNeverHandedMoreThanAFewFrames()
    {
        Tnc t;
        t.run({">C N0BBS\r", "<C N0BBS", "-"});
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
};

QTEST_GUILESS_MAIN(AgwTncTest)
#include "AgwTncTest.moc"
