#pragma once

namespace vellicor {

// The platform beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};

} // namespace vellicor
