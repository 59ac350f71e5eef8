#pragma once

#include <QString>

namespace vellicor {

// What a port event number means to the operator.
struct PortEventMeaning {
    enum class Kind { Ignored, DataReceived, Event, Error };
    Kind kind = Kind::Ignored;
    QString text;         // the status text after "Status: "
    bool writesCr = false; // an unknown number also writes a CR to the TNC
};

PortEventMeaning meaningOfPortEvent(int number);

} // namespace vellicor
