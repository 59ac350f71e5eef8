#pragma once

#include <QString>

namespace vellicor {

// Plays a short sound file; never waits for it and reports nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& fileName) = 0;
};

} // namespace vellicor
