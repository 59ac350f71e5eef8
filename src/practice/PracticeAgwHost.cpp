#include "practice/PracticeAgwHost.h"

#include "practice/PracticeStations.h"
#include "practice/Transcript.h"

namespace vellicor {

PracticeAgwHost::PracticeAgwHost(PracticeStations& stations, Transcript& transcript, const QByteArray& boardCall)
    : m_stations(stations), m_transcript(transcript), m_boardCall(boardCall.toUpper())
{
}

PracticeAgwHost::~PracticeAgwHost()
{
    engineLost();
}

QByteArray PracticeAgwHost::start() const
{
    return frame('X', {m_boardCall, {}}) + frame('X', {kNet, {}});
}

QByteArray PracticeAgwHost::fromEngine(const QByteArray& bytes)
{
    QByteArray out;
    for (const AgwFrame& got : m_reader.feed(bytes))
        out += takeFrame(got);
    return out;
}

void PracticeAgwHost::engineLost()
{
    for (auto& link : m_links)
        link.second->linkLost();
    m_links.clear();
}

QByteArray PracticeAgwHost::takeFrame(const AgwFrame& got)
{
    const std::optional<Key> key = keyOf(got);
    if (!key)
        return {};
    switch (got.kind) {
    case 'C':
        return connected(*key);
    case 'D':
        m_transcript.record(got.data);
        return received(*key, got.data);
    case 'd':
        if (const auto it = m_links.find(*key); it != m_links.end()) {
            it->second->linkLost();
            m_links.erase(it);
        }
        return {};
    default:
        return {};
    }
}

// Which of the frame's calls is ours, whichever way the engine writes them.
std::optional<PracticeAgwHost::Key> PracticeAgwHost::keyOf(const AgwFrame& got) const
{
    const QByteArray from = got.callFrom.toUpper();
    const QByteArray to = got.callTo.toUpper();
    auto ours = [this](const QByteArray& call) { return call == m_boardCall || call == kNet; };
    if (ours(to))
        return Key{to, from};
    if (ours(from))
        return Key{from, to};
    return std::nullopt;
}

QByteArray PracticeAgwHost::connected(const Key& key)
{
    std::unique_ptr<PracticeStation> station = m_stations.create(key.local == m_boardCall ? kBoard : kNet);
    if (!station)
        return frame('d', key);
    const QByteArray greeting = station->connect(key.remote);
    m_links[key] = std::move(station);
    return dataFrames(key, greeting);
}

QByteArray PracticeAgwHost::received(const Key& key, const QByteArray& data)
{
    const auto it = m_links.find(key);
    if (it == m_links.end())
        return {};
    QByteArray out = dataFrames(key, it->second->receive(data));
    if (it->second->hungUp()) {
        m_links.erase(it);
        out += frame('d', key);
    }
    return out;
}

QByteArray PracticeAgwHost::frame(char kind, const Key& key, const QByteArray& data) const
{
    return AgwFrame::of(kind, key.local, key.remote, data).encode();
}

QByteArray PracticeAgwHost::dataFrames(const Key& key, const QByteArray& text) const
{
    QByteArray out;
    for (qsizetype at = 0; at < text.size(); at += kPaclen)
        out += frame('D', key, text.mid(at, kPaclen));
    return out;
}

} // namespace vellicor
