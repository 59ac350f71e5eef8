#pragma once

#include <QDateTime>

namespace vellicor {

// The system clock: local time and UTC.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime nowLocal() const = 0;
    virtual QDateTime nowUtc() const = 0;
};

} // namespace vellicor
