#pragma once

#include <QByteArray>
#include <QDateTime>

#include <functional>

namespace vellicor {

// The time of day as the practice programs see it; tests set it.
using PracticeClock = std::function<QDateTime()>;

// A station that the practice TNC can connect to. It is fed the bytes the
// operator sends in converse mode and answers with the bytes to show.
class PracticeStation {
public:
    virtual ~PracticeStation() = default;

    virtual QByteArray callSign() const = 0;
    // The caller's call sign is the TNC's MYCALL; the answer is the greeting.
    virtual QByteArray connect(const QByteArray& caller) = 0;
    virtual QByteArray receive(const QByteArray& bytes) = 0;
    // True once the station has ended the connection (its "bye").
    virtual bool hungUp() const = 0;
    // The link dropped under the station: whatever it was in the middle of is lost.
    virtual void linkLost() = 0;
};

} // namespace vellicor
