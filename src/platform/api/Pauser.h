#pragma once

namespace vellicor {

// Waits a number of seconds while the window system keeps handling events.
class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void Pause(double seconds) = 0;
};

} // namespace vellicor
