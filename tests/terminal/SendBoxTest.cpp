#include "Fakes.h"
#include "terminal/SendBox.h"

#include <QTest>

using namespace vellicor;
using vellicor::test::FakeBeeper;
using vellicor::test::FakeLink;

namespace {

// A send box wired to an open link, recording the echo and what went into the pane.
struct Box {
    explicit Box(bool wordOut = false)
    {
        globals.gMaxLineLength = 70;
        globals.gLocalEcho = true;
        globals.gWordOut = wordOut;
        link.open();
    }
    FakeLink link;
    TncWriter writer{link};
    FakeBeeper beeper;
    Globals globals;
    QStringList echoes;
    QStringList paneInserts;
    SendBox rules{globals, writer, beeper,
                  SendBox::Hooks{[this](const QString& t) { echoes.append(t); },
                                 [this](const QString& t) { paneInserts.append(t); }}};
    SendBoxState state;

    // Types keys as the text box does: a key the rules do not consume is
    // put in at the caret (Backspace deletes before it).
    void type(const QString& keys)
    {
        for (const QChar key : keys) {
            if (rules.keyTyped(key, state))
                continue;
            if (key == QLatin1Char('\b')) {
                if (state.caret > 0)
                    state.text.remove(--state.caret, 1);
            } else {
                state.text.insert(state.caret++, key);
            }
        }
    }
    void fill(const QString& text)
    {
        state.text = text;
        state.caret = text.size();
    }
};

// 69 characters whose last space is at position 65.
QString sixtyNineWithSpaces()
{
    return QStringLiteral("abcd ").repeated(13) + QStringLiteral("efgh");
}

} // namespace

// Every key path of the send box, in normal and word-out modes.
class SendBoxTest : public QObject {
    Q_OBJECT
private slots:
    void enterSendsTheLineAndEchoes();
    void enterOnEmptyBoxSendsCr();
    void textIsSentAsWindows1252();
    void wrapsAtTheLastSpaceWhenTheLineIsFull();
    void doesNotWrapWithoutASpaceAfterTheFirstPosition_data();
    void doesNotWrapWithoutASpaceAfterTheFirstPosition();
    void enterOnAFullLineSendsOnlyUpToTheLastSpace();
    void wrapDropsLineEndsAtTheStartOfTheRest();
    void beepsFrom64Characters_data();
    void beepsFrom64Characters();
    void echoOffSendsWithoutEcho();
    void controlKeys_data();
    void controlKeys();
    void controlKeyInAFilledBoxGoesInAtTheCaret();
    void backspaceOnEmptyBoxErasesOnTheTnc();
    void backspaceInTextEditsTheBox();
    void closedPortChangesNothingForTheOperator();

    void wordOutSendsEachWordWhenTheNextBegins();
    void wordOutEnterSendsTheLastWord();
    void wordOutSendsOneCrAfter68Characters();
    void wordOutEnterWithTwoWordsKeepsTheLast();
};

void SendBoxTest::enterSendsTheLineAndEchoes()
{
    Box box;
    box.type(QStringLiteral("CONNECT W1AW\r"));
    QCOMPARE(box.link.written, QByteArray("CONNECT W1AW\r"));
    QCOMPARE(box.echoes, QStringList{QStringLiteral("CONNECT W1AW\r\n")});
    QCOMPARE(box.state.text, QString());
    QCOMPARE(box.state.caret, 0);
    QCOMPARE(box.beeper.beeps, 0);
}

void SendBoxTest::enterOnEmptyBoxSendsCr()
{
    Box box;
    box.type(QStringLiteral("\r\r"));
    QCOMPARE(box.link.written, QByteArray("\r\r"));
    QCOMPARE(box.echoes, QStringList({QStringLiteral("\r\n"), QStringLiteral("\r\n")}));
}

void SendBoxTest::textIsSentAsWindows1252()
{
    Box box;
    box.type(QStringLiteral("caf\u00E9 5\u20AC \u4E2D\r"));
    QCOMPARE(box.link.written, QByteArray("caf\xE9 5\x80 ?\r"));
}

void SendBoxTest::wrapsAtTheLastSpaceWhenTheLineIsFull()
{
    Box box;
    box.fill(sixtyNineWithSpaces());
    box.type(QStringLiteral("x"));
    const QString head = QStringLiteral("abcd ").repeated(13);
    QCOMPARE(box.link.written, (head + QStringLiteral("\r")).toLatin1());
    QCOMPARE(box.echoes, QStringList{head + QStringLiteral("\r\n")});
    QCOMPARE(box.state.text, QStringLiteral("efghx"));
    QCOMPARE(box.state.caret, 5);
    QCOMPARE(box.beeper.beeps, 0);

    // A line of 68 characters is not yet wrapped.
    Box shorter;
    shorter.fill(sixtyNineWithSpaces().left(68));
    shorter.type(QStringLiteral("y"));
    QCOMPARE(shorter.link.written, QByteArray());
    QCOMPARE(shorter.state.text.size(), 69);
}

void SendBoxTest::doesNotWrapWithoutASpaceAfterTheFirstPosition_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no space") << QString(69, QLatin1Char('a'));
    QTest::newRow("only space first") << QStringLiteral(" ") + QString(68, QLatin1Char('a'));
}

void SendBoxTest::doesNotWrapWithoutASpaceAfterTheFirstPosition()
{
    QFETCH(QString, text);
    Box box;
    box.fill(text);
    box.type(QStringLiteral("xyz"));
    QCOMPARE(box.link.written, QByteArray());
    QVERIFY(box.echoes.isEmpty());
    QCOMPARE(box.state.text, text + QStringLiteral("xyz"));
    QCOMPARE(box.beeper.beeps, 3);
}

void SendBoxTest::enterOnAFullLineSendsOnlyUpToTheLastSpace()
{
    Box box;
    box.fill(sixtyNineWithSpaces());
    box.type(QStringLiteral("\r"));
    const QString head = QStringLiteral("abcd ").repeated(13);
    QCOMPARE(box.link.written, (head + QStringLiteral("\r")).toLatin1());
    QCOMPARE(box.state.text, QStringLiteral("efgh"));
    box.type(QStringLiteral("\r"));
    QCOMPARE(box.link.written, (head + QStringLiteral("\refgh\r")).toLatin1());
    QCOMPARE(box.echoes, QStringList({head + QStringLiteral("\r\n"), QStringLiteral("efgh\r\n")}));
    QCOMPARE(box.state.text, QString());
}

void SendBoxTest::wrapDropsLineEndsAtTheStartOfTheRest()
{
    Box box;
    box.fill(QString(60, QLatin1Char('a')) + QStringLiteral(" \r\nbbbbbbb"));
    box.type(QStringLiteral("c"));
    QCOMPARE(box.link.written, QByteArray(60, 'a') + QByteArray(" \r"));
    QCOMPARE(box.state.text, QStringLiteral("bbbbbbbc"));
}

void SendBoxTest::beepsFrom64Characters_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("beeps");
    QTest::newRow("63") << 63 << 0;
    QTest::newRow("64") << 64 << 1;
    QTest::newRow("68") << 68 << 1;
}

void SendBoxTest::beepsFrom64Characters()
{
    QFETCH(int, length);
    Box box;
    box.fill(QString(length, QLatin1Char('a')));
    box.type(QStringLiteral("b"));
    QTEST(box.beeper.beeps, "beeps");

    // Typing 70 characters into an empty box beeps for the last six.
    Box typing;
    typing.type(QString(70, QLatin1Char('z')));
    QCOMPARE(typing.beeper.beeps, 6);
}

void SendBoxTest::echoOffSendsWithoutEcho()
{
    Box box;
    box.globals.gLocalEcho = false;
    box.fill(sixtyNineWithSpaces());
    box.type(QStringLiteral("x\r"));
    QVERIFY(box.echoes.isEmpty());
    QCOMPARE(box.link.written, (QStringLiteral("abcd ").repeated(13) + QStringLiteral("\refghx\r")).toLatin1());
}

void SendBoxTest::controlKeys_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("shownInPane");
    for (int code : {1, 3, 7, 10, 11, 12})
        QTest::addRow("Ctrl-%c quiet", char('@' + code)) << code << false;
    for (int code : {14, 17, 19, 24, 26})
        QTest::addRow("Ctrl-%c shown", char('@' + code)) << code << true;
}

void SendBoxTest::controlKeys()
{
    QFETCH(int, code);
    QFETCH(bool, shownInPane);
    Box box;
    box.type(QString(QChar(code)));
    QCOMPARE(box.link.written, QByteArray(1, char(code)));
    QVERIFY(box.echoes.isEmpty());
    QCOMPARE(box.paneInserts, shownInPane ? QStringList{QString(QChar(code))} : QStringList());
    QCOMPARE(box.state.text, QString());

    // With text in the box it becomes part of the line.
    Box filled;
    filled.type(QStringLiteral("ab") + QChar(code) + QStringLiteral("\r"));
    QCOMPARE(filled.link.written, QByteArray("ab") + char(code) + '\r');
    QVERIFY(filled.paneInserts.isEmpty());
}

void SendBoxTest::controlKeyInAFilledBoxGoesInAtTheCaret()
{
    Box box;
    box.fill(QStringLiteral("abcd"));
    box.state.caret = 2;
    box.type(QStringLiteral("\x01"));
    QCOMPARE(box.state.text, QStringLiteral("ab\x01" "cd"));
    QCOMPARE(box.state.caret, 3);
    QCOMPARE(box.link.written, QByteArray());

    // Tab and Escape are typed into the box like letters.
    Box other;
    other.type(QStringLiteral("\t\x1b"));
    QCOMPARE(other.state.text, QStringLiteral("\t\x1b"));
    QCOMPARE(other.link.written, QByteArray());
}

void SendBoxTest::backspaceOnEmptyBoxErasesOnTheTnc()
{
    Box box;
    box.type(QStringLiteral("\b"));
    QCOMPARE(box.link.written, QByteArray("\b \b"));
    QVERIFY(box.echoes.isEmpty());
    QVERIFY(box.paneInserts.isEmpty());
}

void SendBoxTest::backspaceInTextEditsTheBox()
{
    Box box;
    box.type(QStringLiteral("ab\b\b\b"));
    QCOMPARE(box.link.written, QByteArray("\b \b"));
    // Backspace on a full line does not wrap it.
    Box full;
    full.fill(sixtyNineWithSpaces());
    full.type(QStringLiteral("\b"));
    QCOMPARE(full.link.written, QByteArray());
    QCOMPARE(full.state.text, sixtyNineWithSpaces().chopped(1));
}

void SendBoxTest::closedPortChangesNothingForTheOperator()
{
    Box box;
    box.link.close();
    box.type(QStringLiteral("hello\r"));
    QCOMPARE(box.link.written, QByteArray());
    QCOMPARE(box.echoes, QStringList{QStringLiteral("hello\r\n")});
    QCOMPARE(box.state.text, QString());
    box.type(QStringLiteral("\x03\b"));
    QCOMPARE(box.state.text, QString());
}

void SendBoxTest::wordOutSendsEachWordWhenTheNextBegins()
{
    Box box(true);
    box.type(QStringLiteral("hello "));
    QCOMPARE(box.link.written, QByteArray());
    box.type(QStringLiteral("w"));
    QCOMPARE(box.link.written, QByteArray("hello "));
    QCOMPARE(box.echoes, QStringList{QStringLiteral("hello \r\n")});
    QCOMPARE(box.state.text, QStringLiteral("w"));
    QCOMPARE(box.rules.sentOnLine(), 6);
}

void SendBoxTest::wordOutEnterSendsTheLastWord()
{
    Box box(true);
    box.type(QStringLiteral("bye\r"));
    QCOMPARE(box.link.written, QByteArray("bye\r"));
    QCOMPARE(box.echoes, QStringList{QStringLiteral("bye\r\n")});
    QCOMPARE(box.rules.sentOnLine(), 0);
}

void SendBoxTest::wordOutSendsOneCrAfter68Characters()
{
    Box box(true);
    const QString word = QStringLiteral("abcdefghi "); // ten characters
    box.type(word.repeated(6) + QStringLiteral("x"));
    QCOMPARE(box.link.written, word.repeated(6).toLatin1());
    QCOMPARE(box.rules.sentOnLine(), 60);
    box.type(QStringLiteral("bcdefghi y")); // the seventh word goes: 70 > 68
    QCOMPARE(box.link.written, word.repeated(6).toLatin1() + "xbcdefghi \r");
    QCOMPARE(box.rules.sentOnLine(), 0);
    box.type(QStringLiteral("z z"));
    QCOMPARE(box.link.written, word.repeated(6).toLatin1() + "xbcdefghi \ryz ");
    QCOMPARE(box.rules.sentOnLine(), 3);
}

void SendBoxTest::wordOutEnterWithTwoWordsKeepsTheLast()
{
    Box box(true);
    box.fill(QStringLiteral("hello world"));
    box.type(QStringLiteral("\r"));
    QCOMPARE(box.link.written, QByteArray("hello "));
    QCOMPARE(box.state.text, QStringLiteral("world"));
    box.type(QStringLiteral("\r"));
    QCOMPARE(box.link.written, QByteArray("hello world\r"));
    QCOMPARE(box.rules.sentOnLine(), 0);
}

QTEST_APPLESS_MAIN(SendBoxTest)
#include "SendBoxTest.moc"
