#pragma once

#include "platform/agw/AgwFrame.h"
#include "practice/PracticeStation.h"

#include <map>
#include <memory>

namespace vellicor {

class PracticeStations;
class Transcript;

// The practice stations on an AGW packet engine: the board (under the call
// given) and N0NET are registered with the engine, and every station that
// connects to one of them gets a station of its own. Engine bytes in, engine
// bytes out; no socket.
class PracticeAgwHost {
public:
    static constexpr int kPaclen = 128;
    static inline const QByteArray kBoard = "N0BBS";
    static inline const QByteArray kNet = "N0NET";

    PracticeAgwHost(PracticeStations& stations, Transcript& transcript, const QByteArray& boardCall);
    ~PracticeAgwHost();

    // The frames that register the stations' calls.
    QByteArray start() const;
    QByteArray fromEngine(const QByteArray& bytes);
    bool failed() const { return m_reader.failed(); }
    QString failure() const { return m_reader.failure(); }
    // The engine went away: every connection is gone.
    void engineLost();

private:
    struct Key {
        QByteArray local;
        QByteArray remote;
        bool operator<(const Key& other) const
        {
            return local != other.local ? local < other.local : remote < other.remote;
        }
    };

    QByteArray takeFrame(const AgwFrame& frame);
    QByteArray connected(const Key& key);
    QByteArray received(const Key& key, const QByteArray& data);
    QByteArray frame(char kind, const Key& key, const QByteArray& data = {}) const;
    QByteArray dataFrames(const Key& key, const QByteArray& text) const;
    std::optional<Key> keyOf(const AgwFrame& frame) const;

    PracticeStations& m_stations;
    Transcript& m_transcript;
    QByteArray m_boardCall;
    AgwFrameReader m_reader;
    std::map<Key, std::unique_ptr<PracticeStation>> m_links;
};

} // namespace vellicor
