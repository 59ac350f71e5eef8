#pragma once

#include "practice/PracticeStation.h"

#include <memory>

namespace vellicor {

class MessageStore;

// The stations on the practice "air": N0BBS, the bulletin board, and N0NET, a
// net control operator. Every connection gets a station of its own; the
// board's messages are shared through one store.
class PracticeStations {
public:
    PracticeStations(MessageStore& store, PracticeClock clock)
        : m_store(store), m_clock(std::move(clock)) {}

    // Null when no station answers to `call` (letter case and a "-0" SSID do not matter).
    std::unique_ptr<PracticeStation> create(const QByteArray& call);

private:
    MessageStore& m_store;
    PracticeClock m_clock;
};

} // namespace vellicor
