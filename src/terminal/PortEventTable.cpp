#include "terminal/PortEventTable.h"

#include "platform/api/SerialLink.h"

namespace vellicor {

namespace {

PortEventMeaning event(const char* text)
{
    return {PortEventMeaning::Kind::Event, QString::fromLatin1(text), false};
}

PortEventMeaning error(const char* text)
{
    return {PortEventMeaning::Kind::Error, QString::fromLatin1(text), false};
}

} // namespace

PortEventMeaning meaningOfPortEvent(int number)
{
    using namespace PortEvents;
    switch (number) {
    case 0:
    case kSendBufferLow: return {};
    case kDataReceived: return {PortEventMeaning::Kind::DataReceived, {}, false};
    case kCtsChanged: return event("Change in CTS Detected");
    case kDsrChanged: return event("Change in DSR Detected");
    case kCdChanged: return event("Change in CD Detected");
    case kRing: return event("The Phone is Ringing");
    case kEndOfFile: return event("End of File Detected");
    case kBreak: return error("Break Received - TNC off or not connected");
    case kCtsTimeout: return error("CTS Timeout");
    case kDsrTimeout: return error("DSR Timeout");
    case kFraming: return error("Framing Error");
    case kOverrun: return error("Overrun Error");
    case kCdTimeout: return error("Carrier Detect Timeout");
    case kReceiveOverflow: return error("Receive Buffer Overflow");
    case kParity: return error("Parity Error");
    case kTransmitFull: return error("Transmit Buffer Full");
    case kDcb: return error("Error retrieving DCB");
    case kWriteError: return error("Write Error - TNC not accepting data");
    case kTimeout: return error("Serial Port Timeout");
    case kUnsupportedOperation: return error("Operation Not Supported by the Serial Port");
    case kLinkError: return error("Serial Port Error");
    }
    return {PortEventMeaning::Kind::Error,
            QStringLiteral("Unknown error or event (%1)").arg(number), true};
}

} // namespace vellicor
