#include "Fakes.h"
#include "terminal/PaneKeys.h"
#include "terminal/SendBox.h"

#include <QTest>

using namespace vellicor;

namespace {

// 69 characters whose last space is at position 65.
const QString kFull = QStringLiteral("abcd ").repeated(13) + QStringLiteral("efgh");
const QString kHead = QStringLiteral("abcd ").repeated(13);
const QString kWord = QStringLiteral("abcdefghi "); // ten characters

QByteArray bytes(const QString& text)
{
    return text.toLatin1();
}

// Types as the text box does: a key the rules leave alone goes in at the
// caret, Backspace deletes before it.
QString typeInto(SendBox& rules, const QString& start, const QString& keys)
{
    SendBoxState box{start, start.size()};
    for (const QChar key : keys) {
        if (rules.keyTyped(key, box))
            continue;
        if (key != QLatin1Char('\b'))
            box.text.insert(box.caret++, key);
        else if (box.caret > 0)
            box.text.remove(--box.caret, 1);
    }
    return box.caret == box.text.size() ? box.text : QStringLiteral("<caret not at the end>");
}

// One typing case: the box's text, the keys typed, and then the bytes at the
// link, what stays in the box, the echoes joined by "|", what goes into the
// pane and the beeps; most type at an open port outside word-out mode.
void row(const char* name, const QString& start, const QString& keys, const QByteArray& written, const QString& box,
         const QString& echoes, const QString& pane = {}, int beeps = 0, bool wordOut = false, bool open = true)
{
    QTest::newRow(name) << wordOut << open << start << keys << written << box << echoes << pane << beeps;
}

} // namespace

// Every key path of the send box, in normal and word-out modes, with the
// line length 70: what reaches the TNC, what stays in the box, the echo.
class SendBoxTest : public QObject {
    Q_OBJECT
private slots:
    void typesKeys_data()
    {
        QTest::addColumn<bool>("wordOut");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("echoes"); // joined by "|"
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("beeps");

        row("Enter sends the line", "", "CONNECT W1AW\r", "CONNECT W1AW\r", "", "CONNECT W1AW\r\n");
        row("Enter on an empty box", "", "\r\r", "\r\r", "", "\r\n|\r\n");
        row("sent as Windows-1252", "", QStringLiteral("caf\u00E9 5\u20AC \u4E2D\r"), "caf\xE9 5\x80 ?\r", "",
            QStringLiteral("caf\u00E9 5\u20AC \u4E2D\r\n"));
        row("wraps at the last space at 69", kFull, "x", bytes(kHead + "\r"), "efghx", kHead + "\r\n");
        row("68 characters do not wrap", kFull.left(68), "y", {}, kFull.left(68) + "y", "", "", 1);
        row("no space: no wrap, beeps", QString(69, 'a'), "xyz", {}, QString(69, 'a') + "xyz", "", "", 3);
        const QString spaceFirst = " " + QString(68, 'a');
        row("only space first: no wrap", spaceFirst, "xyz", {}, spaceFirst + "xyz", "", "", 3);
        row("Enter on a full line sends up to the last space", kFull, "\r\r", bytes(kHead + "\refgh\r"), "",
            kHead + "\r\n|efgh\r\n");
        row("wrap drops line ends before the rest", QString(60, 'a') + " \r\nbbbbbbb", "c",
            bytes(QString(60, 'a') + " \r"), "bbbbbbbc", QString(60, 'a') + " \r\n");
        row("beeps from 64 characters on", QString(63, 'a'), "bc", {}, QString(63, 'a') + "bc", "", "", 1);
        row("Backspace edits text first, then goes out", "", "ab\b\b\b", "\b \b", "", "");
        row("Backspace does not wrap a full line", kFull, "\b", {}, kFull.chopped(1), "", "", 1);
        row("Tab and Escape go into the box", "", "\t\x1b", {}, "\t\x1b", "");
        row("closed port: the box goes on", "", "hello\r\x1a\b", {}, "", "hello\r\n", "\x1a", 0, false, false);
        for (int code : {1, 3, 7, 10, 11, 12, 14, 17, 26}) {
            const QString key{QChar(ushort(code))};
            const QString shown = code >= 14 ? key : QString();
            QTest::addRow("Ctrl-%c alone goes to the TNC", char('@' + code))
                << false << true << QString() << key << bytes(key) << QString() << QString() << shown << 0;
            QTest::addRow("Ctrl-%c in a line stays in it", char('@' + code))
                << false << true << QString() << "ab" + key + "\r" << bytes("ab" + key + "\r") << QString()
                << "ab" + key + "\r\n" << QString() << 0;
        }

        row("word-out: hello is sent when w is typed", "", "hello w", "hello ", "w", "hello \r\n", "", 0, true);
        row("word-out: Enter sends bye and CR", "", "bye\r", "bye\r", "", "bye\r\n", "", 0, true);
        row("word-out: Enter sends the first word only", "hello world", "\r\r", "hello world\r", "",
            "hello \r\n|world\r\n", "", 0, true);
        row("word-out: one CR after more than 68, then counting anew", "", kWord.repeated(7) + "yz z",
            bytes(kWord.repeated(7) + "\ryz "), "z", (kWord + "\r\n|").repeated(7) + "yz \r\n", "", 0, true);
    }

    // Without the echo the same bytes go out and nothing is echoed.
    void typesKeys()
    {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, echoes);
        QFETCH(bool, open);
        QFETCH(bool, wordOut);
        for (const bool echo : {true, false}) {
            test::FakeLink link;
            if (open)
                link.open();
            TncWriter writer(link);
            test::FakeBeeper beeper;
            TerminalGlobals globals;
            globals.gMaxLineLength = 70;
            globals.gLocalEcho = echo;
            globals.gWordOut = wordOut;
            QStringList echoed;
            QString inserted;
            SendBox rules(globals, writer, beeper,
                          SendBox::Hooks{[&echoed](const QString& t) { echoed.append(t); },
                                         [&inserted](const QString& t) { inserted += t; }});
            QTEST(typeInto(rules, start, keys), "box");
            QTEST(link.written, "written");
            QCOMPARE(echoed.join(QLatin1Char('|')), echo ? echoes : QString());
            QTEST(inserted, "pane");
            QTEST(beeper.beeps, "beeps");
        }
    }

    // What a key does in each pane, as the window system reports it.
    void keysOfBothPanes_data()
    {
        using K = PaneKeyAction::Kind;
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("sendBoxKind");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("receivePaneKind");
        const int ctrl = Qt::ControlModifier;
        const int type = int(K::Type);
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << type << "a" << type;
        QTest::newRow("Windows-1252 letter") << int(Qt::Key_Eacute) << 0 << "\u00e9" << type << "\u00e9" << type;
        QTest::newRow("Ctrl-A") << int(Qt::Key_A) << ctrl << "" << type << "\x01" << type;
        QTest::newRow("Ctrl-C copies in the pane") << int(Qt::Key_C) << ctrl << "" << type << "\x03" << int(K::Edit);
        QTest::newRow("Ctrl-@") << int(Qt::Key_At) << ctrl << "" << type << QString(QChar(0)) << type;
        QTest::newRow("Ctrl-_") << int(Qt::Key_Underscore) << ctrl << "" << type << "\x1f" << type;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << type << "\r" << type;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << type << "\r" << type;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << type << "\b" << type;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "\t" << type << "\t" << type;
        QTest::newRow("Ctrl-Tab") << int(Qt::Key_Tab) << ctrl << "" << int(K::Edit) << "" << int(K::Edit);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b" << type << "\x1b" << type;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << int(K::Edit) << "" << int(K::Edit);
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "" << int(K::Edit) << "" << int(K::Edit);
        QTest::newRow("Alt+letter") << int(Qt::Key_X) << int(Qt::AltModifier) << "x" << int(K::Edit) << "" << int(K::Edit);
        QTest::newRow("Ctrl+digit") << int(Qt::Key_1) << ctrl << "1" << int(K::Edit) << "" << int(K::Edit);
        QTest::newRow("F2 is not a button") << int(Qt::Key_F2) << 0 << "" << int(K::Edit) << "" << int(K::Edit);
        for (int f = Qt::Key_F3; f <= Qt::Key_F12; ++f) {
            QTest::newRow(qPrintable(QStringLiteral("F%1").arg(f - Qt::Key_F1 + 1)))
                << f << 0 << "" << int(K::FunctionKey) << "" << int(K::FunctionKey);
        }
    }

    void keysOfBothPanes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        const PaneKeyAction inBox = PaneKeys::inSendBox(press);
        QTEST(int(inBox.kind), "sendBoxKind");
        QTEST(inBox.text, "typed");
        const PaneKeyAction inPane = PaneKeys::inReceivePane(press);
        QTEST(int(inPane.kind), "receivePaneKind");
        QCOMPARE(inPane.text, inPane.kind == inBox.kind ? inBox.text : QString());
    }
};

QTEST_GUILESS_MAIN(SendBoxTest)
#include "SendBoxTest.moc"
