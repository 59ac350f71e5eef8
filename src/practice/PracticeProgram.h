#pragma once

#include "practice/MessageStore.h"
#include "practice/PracticeOptions.h"
#include "practice/PracticeStations.h"
#include "practice/Transcript.h"

#include <memory>

namespace vellicor {

class PracticeAgwClient;
class PracticeServer;
class PtyEndpoint;

// The whole practice TNC as the executable runs it: the board's store (a new
// one gets the practice traffic), the transcript, the TCP port and, on
// request, the pseudo-terminal and the AGW packet engine.
class PracticeProgram {
public:
    PracticeProgram(const PracticeOptions& options, PracticeClock clock);
    ~PracticeProgram();

    // Empty on success, else the reason.
    QString start();
    // The first line the executable prints: "port 40123", or with --pty
    // "port 40123 pty /dev/pts/5", with an AGW engine "... agw HOST:PORT"
    // (alone when there is no TCP port); no line end.
    QByteArray announcement() const;
    // The AGW engine's client, when the stations are served through one.
    PracticeAgwClient* agwClient() const { return m_agw.get(); }

private:
    PracticeOptions m_options;
    PracticeClock m_clock;
    MessageStore m_store;
    Transcript m_transcript;
    PracticeStations m_stations;
    std::unique_ptr<PracticeServer> m_server;
    std::unique_ptr<PtyEndpoint> m_pty;
    std::unique_ptr<PracticeAgwClient> m_agw;
};

} // namespace vellicor
