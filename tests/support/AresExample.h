#pragma once

#include "traffic/ares/AresMessage.h"

#include <QByteArray>
#include <QChar>

namespace vellicor::test::aresexample {

// An ARES message as the operator fills the form: the call-sign field "By"
// holds the slashed zero the form types for the digit zero.
inline AresMessage message()
{
    return {.priority = "R", .subject = "Shelter status", .date = "12/05/2026", .time = "14:05", .to = "EOC",
            .toName = "Net control", .from = "SHELTER1", .fromName = "Shelter manager, Red Cross",
            .message = "All quiet.\r\nNeed 20 cots.\r\n", .msgSentTime = "14:20",
            .by = QStringLiteral("N") + QChar(0x00D8) + QStringLiteral("CALL")};
}

// What the TNC receives for it with the start-up send options.
inline const QByteArray kTransmission = QByteArray("\x03") + "CONV\r" + "S EOC\r" + "R, Shelter status\r"
    + "12/05/2026    14:05\r" + "\r" + "TO:   (EOC) Net control\r" + "FROM: (SHELTER1) Shelter manager, Red Cross\r"
    + "\r" + "All quiet.\r\nNeed 20 cots.\r\n\r" + "END MSG SENT 14:20    BY N0CALL\r\x1a" + "\r";

} // namespace vellicor::test::aresexample
