#include "practice/PracticeTnc.h"

#include "practice/PracticeStations.h"
#include "practice/PracticeText.h"
#include "practice/TncTexts.h"

namespace vellicor {

namespace {

bool isChannelId(char id)
{
    return (id >= '0' && id <= '9') || (id >= 'A' && id <= 'J');
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

PracticeTnc::PracticeTnc(PracticeStations& stations, PracticeClock clock)
    : m_stations(stations), m_clock(std::move(clock))
{
}

PracticeTnc::~PracticeTnc() = default;

QByteArray PracticeTnc::signOn() const
{
    return "\r\n" + crLfLines({tnctext::kSignOn}) + tnctext::kPrompt;
}

QByteArray PracticeTnc::receive(const QByteArray& bytes)
{
    QByteArray out;
    for (char byte : bytes)
        out += takeByte(byte);
    return out;
}

void PracticeTnc::linkLost()
{
    for (auto& link : m_links)
        link.second->linkLost();
    m_links.clear();
    m_converse = false;
    m_lines.reset();
}

QByteArray PracticeTnc::connectedTo(char channel) const
{
    PracticeStation* peer = station(channel);
    return peer ? peer->callSign() : QByteArray();
}

QByteArray PracticeTnc::takeByte(char byte)
{
    if (m_afterCtrlA) {
        m_afterCtrlA = false;
        if (isChannelId(upper(byte)))
            return switchChannel(upper(byte));
        // Not a channel id: the Ctrl-A is dropped and the byte counts as typed.
    }
    if (byte == kCtrlC)
        return toCommandMode();
    if (byte == kCtrlA) {
        m_afterCtrlA = true;
        return {};
    }
    const bool connected = m_converse && station(m_channel);
    const bool atLineStart = !m_converse && !m_lines.midLine();
    if (byte == '*' && !connected && (atLineStart || m_converse))
        return takeAutobaud();
    m_inAutobaud = false;
    return m_converse ? takeConverseByte(byte) : takeCommandByte(byte);
}

// The autobaud characters: the first of a row answers with the sign-on, as a
// TNC does once it has found the speed; the rest of the row is taken silently.
QByteArray PracticeTnc::takeAutobaud()
{
    if (m_inAutobaud)
        return {};
    m_inAutobaud = true;
    m_converse = false;
    m_lines.reset();
    return signOn();
}

QByteArray PracticeTnc::takeCommandByte(char byte)
{
    QByteArray out = echoOf(byte);
    if (m_lines.feed(byte))
        out += runCommand(m_lines.takeLine());
    return out;
}

QByteArray PracticeTnc::takeConverseByte(char byte)
{
    QByteArray out = echoOf(byte);
    PracticeStation* peer = station(m_channel);
    if (!peer)
        return out; // no connection: the text goes out unconnected, nobody answers
    out += peer->receive(QByteArray(1, byte));
    return out + afterStationSpoke(m_channel);
}

QByteArray PracticeTnc::afterStationSpoke(char channel)
{
    PracticeStation* peer = station(channel);
    if (!peer || !peer->hungUp())
        return {};
    const QByteArray call = peer->callSign();
    m_links.erase(channel);
    QByteArray out = crLfLines({fillText(tnctext::kDisconnected, call)});
    if (channel == m_channel) {
        m_converse = false;
        m_lines.reset();
        out += tnctext::kPrompt;
    }
    return out;
}

QByteArray PracticeTnc::toCommandMode()
{
    m_converse = false;
    m_inAutobaud = false;
    m_lines.reset();
    return QByteArray("\r\n") + tnctext::kPrompt;
}

QByteArray PracticeTnc::switchChannel(char id)
{
    m_channel = id;
    const QByteArray call = connectedTo(id);
    const QByteArray line = call.isEmpty() ? fillText(tnctext::kChannelFree, QByteArray(1, id))
                                           : fillText(tnctext::kChannelConnected, QByteArray(1, id), call);
    QByteArray out = "\r\n" + crLfLines({line});
    if (!m_converse)
        out += tnctext::kPrompt;
    return out;
}

QByteArray PracticeTnc::echoOf(char byte)
{
    const bool lfOfCrLf = byte == '\n' && m_echoAfterCr;
    m_echoAfterCr = byte == '\r';
    if (!m_echo || lfOfCrLf)
        return {};
    if (byte == '\r' || byte == '\n')
        return "\r\n";
    return QByteArray(1, byte);
}

PracticeStation* PracticeTnc::station(char channel) const
{
    const auto it = m_links.find(channel);
    return it == m_links.end() ? nullptr : it->second.get();
}

} // namespace vellicor
