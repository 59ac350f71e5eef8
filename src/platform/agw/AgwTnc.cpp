#include "platform/agw/AgwTnc.h"

#include "platform/agw/AgwTexts.h"

namespace vellicor {

namespace {

constexpr qsizetype kLineLimit = 1024;

bool isChannelId(char id)
{
    return (id >= '0' && id <= '9') || (id >= 'A' && id <= 'J');
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

AgwTnc::AgwTnc(int radioPort, Clock clock)
    : m_radioPort(radioPort), m_clock(std::move(clock))
{
}

void AgwTnc::engineUp()
{
    m_engineUp = true;
    m_reader.reset();
    send('R');
    send('G');
    if (!m_myCall.isEmpty())
        send('X');
    if (m_monitor)
        send('m');
    signOn();
}

void AgwTnc::signOn()
{
    m_converse = false;
    m_line.clear();
    m_forTerminal += QByteArray("\r\n") + agwtext::kSignOn + "\r\n" + agwtext::kPrompt;
}

void AgwTnc::engineDown()
{
    m_engineUp = false;
    m_links.clear();
    m_converse = false;
    m_line.clear();
    m_forEngine.clear();
}

void AgwTnc::fromTerminal(const QByteArray& bytes)
{
    for (char byte : bytes)
        takeByte(byte);
    for (auto& [id, link] : m_links) {
        if (link.state == LinkState::Connected)
            sendHeld(link);
    }
}

void AgwTnc::takeByte(char byte)
{
    if (m_afterCtrlA) {
        m_afterCtrlA = false;
        if (isChannelId(upper(byte))) {
            switchChannel(upper(byte));
            return;
        }
        // Not a channel id: the Ctrl-A is dropped and the byte counts as typed.
    }
    if (byte == kCtrlC) {
        toCommandMode();
        return;
    }
    if (byte == kCtrlA) {
        m_afterCtrlA = true;
        return;
    }
    const Link* current = link(m_channel);
    const bool connected = m_converse && current && current->state == LinkState::Connected;
    const bool atLineStart = !m_converse && m_line.isEmpty();
    if (byte == '*' && !connected && (atLineStart || m_converse)) {
        takeAutobaud();
        return;
    }
    m_inAutobaud = false;
    if (m_converse)
        takeConverseByte(byte);
    else
        takeCommandByte(byte);
}

// The autobaud characters: the first of a row answers with the sign-on, as a
// TNC does once it has found the speed; the rest of the row is taken silently.
void AgwTnc::takeAutobaud()
{
    if (std::exchange(m_inAutobaud, true))
        return;
    signOn();
}

void AgwTnc::takeCommandByte(char byte)
{
    echoOf(byte);
    if (lineEnded(byte))
        runCommand(std::exchange(m_line, {}));
}

// A line ends at CR, at LF, or at CR LF; the LF of a CR LF pair ends nothing.
bool AgwTnc::lineEnded(char byte)
{
    const bool lfOfCrLf = byte == '\n' && m_afterCr;
    m_afterCr = byte == '\r';
    if (lfOfCrLf)
        return false;
    if (byte == '\r' || byte == '\n')
        return true;
    if (m_line.size() < kLineLimit)
        m_line += byte;
    return false;
}

void AgwTnc::takeConverseByte(char byte)
{
    echoOf(byte);
    Link* current = link(m_channel);
    if (!current || current->state != LinkState::Connected)
        return; // no connection: the text goes nowhere
    current->typed += byte;
    if (byte == '\r' || byte == kCtrlZ || current->typed.size() >= m_paclen)
        queueTyped(*current);
}

void AgwTnc::toCommandMode()
{
    m_converse = false;
    m_inAutobaud = false;
    m_line.clear();
    if (Link* current = link(m_channel))
        queueTyped(*current);
    m_forTerminal += QByteArray("\r\n") + agwtext::kPrompt;
}

void AgwTnc::switchChannel(char id)
{
    if (Link* current = link(m_channel))
        queueTyped(*current);
    m_channel = id;
    const Link* now = link(id);
    QByteArray line = agwtext::kChannel + QByteArray(1, id);
    line += now && now->state == LinkState::Connected ? agwtext::kChannelConnected + now->call
                                                      : QByteArray(agwtext::kChannelFree);
    m_forTerminal += "\r\n" + line + "\r\n";
    if (!m_converse)
        m_forTerminal += agwtext::kPrompt;
}

void AgwTnc::echoOf(char byte)
{
    const bool lfOfCrLf = byte == '\n' && m_echoAfterCr;
    m_echoAfterCr = byte == '\r';
    if (!m_echo || lfOfCrLf)
        return;
    m_forTerminal += byte == '\r' || byte == '\n' ? QByteArray("\r\n") : QByteArray(1, byte);
}

void AgwTnc::show(const QList<QByteArray>& lines)
{
    for (const QByteArray& line : lines)
        m_forTerminal += line + "\r\n";
}

void AgwTnc::answer(const QList<QByteArray>& lines)
{
    show(lines);
    m_forTerminal += agwtext::kPrompt;
}

AgwTnc::Link* AgwTnc::link(char channel)
{
    const auto it = m_links.find(channel);
    return it == m_links.end() ? nullptr : &it->second;
}

} // namespace vellicor
