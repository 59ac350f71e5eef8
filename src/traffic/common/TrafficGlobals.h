#pragma once

#include "terminal/TerminalGlobals.h"

namespace vellicor {

// How each kind of message is formatted and sent, as the options dialogs set it.
struct SendSettings {
    bool gNtsSendAsTraffic = true;
    bool gNtsFormatBody = true;
    int gNtsLineWidth = 70;
    bool gAresFormatBody = true;
    int gAresLineWidth = 70;
};

// What the message forms read and set: the terminal's values and their own.
struct TrafficGlobals : virtual TerminalGlobals, SendSettings {};

} // namespace vellicor
