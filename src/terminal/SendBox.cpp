#include "terminal/SendBox.h"

namespace vellicor {

namespace {
constexpr ushort kBackspace = 8;
constexpr ushort kEnter = 13;
const QString kCr = QStringLiteral("\r");
const QString kCrLf = QStringLiteral("\r\n");

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}
}

SendBox::SendBox(TerminalGlobals& globals, TncWriter& writer, Beeper& beeper, Hooks hooks)
    : m_globals(globals)
    , m_writer(writer)
    , m_beeper(beeper)
    , m_hooks(std::move(hooks))
{
}

bool SendBox::keyTyped(QChar key, SendBoxState& box)
{
    bool consumed = false;
    const bool wraps = key.unicode() != kBackspace
        && (box.text.size() > m_globals.gMaxLineLength - 2 || m_globals.gWordOut);
    if (wraps) {
        const qsizetype before = box.text.size();
        wrap(box);
        consumed = key.unicode() == kEnter && box.text.size() != before;
    }
    if (!consumed)
        consumed = handleKey(key, box);
    if (box.text.size() > m_globals.gMaxLineLength - 7)
        m_beeper.beep();
    return consumed;
}

void SendBox::wrap(SendBoxState& box)
{
    const qsizetype space = box.text.lastIndexOf(QLatin1Char(' '));
    if (space < 1) // no space at position 2 or later
        return;
    const QString head = box.text.left(space + 1);
    if (m_globals.gLocalEcho && m_hooks.echo)
        m_hooks.echo(head + kCrLf);
    if (m_globals.gWordOut) {
        m_writer.SendToTnc(head);
        m_sentOnLine += static_cast<int>(head.size());
        if (m_sentOnLine > m_globals.gMaxLineLength - 2) {
            m_writer.SendToTnc(kCr);
            m_sentOnLine = 0;
        }
    } else {
        m_writer.SendToTnc(head + kCr);
    }
    box.text = box.text.mid(head.size());
    for (int i = 0; i < 2; ++i) {
        if (!box.text.isEmpty() && isLineEnd(box.text.front()))
            box.text.remove(0, 1);
    }
    box.caret = box.text.size();
}

bool SendBox::handleKey(QChar key, SendBoxState& box)
{
    const ushort code = key.unicode();
    if (code == kEnter) {
        sendLine(box);
        return true;
    }
    if (code == kBackspace) {
        if (!box.text.isEmpty())
            return false;
        m_writer.SendToTnc(QStringLiteral("\b \b"));
        return true;
    }
    const bool quietControl = (code >= 1 && code <= 7) || (code >= 10 && code <= 12);
    const bool shownControl = code >= 14 && code <= 26;
    if (!quietControl && !shownControl)
        return false;
    if (!box.text.isEmpty()) {
        box.caret = qBound<qsizetype>(0, box.caret, box.text.size());
        box.text.insert(box.caret, key);
        ++box.caret;
        return true;
    }
    m_writer.SendToTnc(QString(key));
    if (shownControl && m_hooks.insertIntoPane)
        m_hooks.insertIntoPane(QString(key));
    return true;
}

void SendBox::sendLine(SendBoxState& box)
{
    if (m_globals.gLocalEcho && m_hooks.echo)
        m_hooks.echo(box.text + kCrLf);
    m_writer.SendToTnc(box.text + kCr);
    box.text.clear();
    box.caret = 0;
    m_sentOnLine = 0;
}

} // namespace vellicor
