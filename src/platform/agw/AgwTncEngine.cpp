// The AGW TNC's side towards the packet engine: frames out and in.
#include "platform/agw/AgwTexts.h"
#include "platform/agw/AgwTnc.h"

#include <QtEndian>

namespace vellicor {

namespace {

// The engine's text ends lines with CR; the terminal gets CR LF.
QByteArray withCrLf(const QByteArray& text)
{
    QByteArray out = text;
    out.replace("\r\n", "\r").replace('\n', '\r').replace("\r", "\r\n");
    return out;
}

} // namespace

void AgwTnc::send(char kind, const QByteArray& callTo, const QByteArray& data)
{
    if (!m_engineUp)
        return;
    m_forEngine += AgwFrame::of(kind, m_myCall, callTo, data, m_radioPort).encode();
}

void AgwTnc::fromEngine(const QByteArray& bytes)
{
    const bool wasFailed = m_reader.failed();
    for (const AgwFrame& frame : m_reader.feed(bytes))
        takeFrame(frame);
    if (m_reader.failed() && !wasFailed)
        m_forTerminal += "\r\n*** " + m_reader.failure().toLatin1() + "\r\n";
}

void AgwTnc::takeFrame(const AgwFrame& frame)
{
    switch (frame.kind) {
    case 'C': onConnected(remoteOf(frame)); break;
    case 'd': onDisconnected(remoteOf(frame)); break;
    case 'D': onData(remoteOf(frame), frame.data); break;
    case 'Y': onOutstanding(remoteOf(frame), frame.data); break;
    case 'X':
        if (frame.data.startsWith('\0')) // the engine's answer: 1 registered, 0 refused
            show({agwtext::kCallRefused + frame.callFrom});
        break;
    case 'U':
    case 'I':
    case 'S':
    case 'T': onMonitored(frame.data); break;
    default: break; // version, ports, registration: nothing the terminal shows
    }
}

// Whichever call of the frame is not ours, so both directions of a
// connection find their channel.
QByteArray AgwTnc::remoteOf(const AgwFrame& frame) const
{
    return frame.callFrom.toUpper() == m_myCall ? frame.callTo.toUpper() : frame.callFrom.toUpper();
}

std::optional<char> AgwTnc::channelOf(const QByteArray& remote) const
{
    for (const auto& [id, link] : m_links) {
        if (link.call == remote)
            return id;
    }
    return std::nullopt;
}

void AgwTnc::onConnected(const QByteArray& remote)
{
    std::optional<char> id = channelOf(remote);
    if (!id) { // a station calling us: the current channel if free, else the first free one
        for (char c : QByteArray("ABCDEFGHIJ0123456789")) {
            if (!m_links.count(c) && (!id || c == m_channel))
                id = c;
        }
        if (!id)
            return;
        m_links[*id].call = remote;
    }
    m_links[*id].state = LinkState::Connected;
    show({agwtext::kConnected + remote});
    if (*id == m_channel)
        m_converse = true;
}

void AgwTnc::onDisconnected(const QByteArray& remote)
{
    const std::optional<char> id = channelOf(remote);
    if (!id)
        return;
    if (m_links[*id].state == LinkState::Connecting)
        show({agwtext::kRetriesExceeded});
    m_links.erase(*id);
    show({agwtext::kDisconnected + remote});
    if (*id == m_channel) {
        m_converse = false;
        m_line.clear();
        m_forTerminal += agwtext::kPrompt;
    }
}

void AgwTnc::onData(const QByteArray& remote, const QByteArray& data)
{
    if (channelOf(remote))
        m_forTerminal += data;
}

void AgwTnc::onOutstanding(const QByteArray& remote, const QByteArray& data)
{
    const std::optional<char> id = channelOf(remote);
    if (!id || data.size() < 4)
        return;
    Link& answered = m_links[*id];
    answered.asked = false;
    answered.outstanding = int(qFromLittleEndian<quint32>(data.constData()));
    sendHeld(answered);
}

// Dire Wolf ends the monitor text with a NUL, as a C string; the terminal
// gets the text without it.
void AgwTnc::onMonitored(const QByteArray& data)
{
    if (!m_monitor)
        return;
    qsizetype end = data.size();
    while (end > 0 && data.at(end - 1) == '\0')
        --end;
    m_forTerminal += withCrLf(data.left(end));
}

void AgwTnc::queueTyped(Link& link)
{
    if (!link.typed.isEmpty())
        link.held.append(std::exchange(link.typed, {}));
}

void AgwTnc::sendHeld(Link& link)
{
    while (!link.held.isEmpty() && link.outstanding < kMaxOutstanding) {
        send('D', link.call, link.held.takeFirst());
        ++link.outstanding;
    }
    if (!link.held.isEmpty() && !link.asked) {
        link.asked = true;
        send('Y', link.call);
    }
}

void AgwTnc::pollFlow()
{
    for (auto& [id, link] : m_links) {
        if (!link.held.isEmpty() && !link.asked) {
            link.asked = true;
            send('Y', link.call);
        }
    }
}

} // namespace vellicor
