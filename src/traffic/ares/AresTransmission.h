#pragma once

#include "traffic/common/TrafficGlobals.h"
#include "traffic/common/Transmission.h"

#include <QTime>

namespace vellicor {

struct AresMessage;

// The ARES message as sent to a packet mailbox: a send command addressed
// to the addressee's tactical call, a subject line, the header, the address
// block, the text and the closing line, ended with Ctrl-Z.
namespace AresTransmission {

inline const QString kQuestion = QStringLiteral("Send the TORMEL formatted traffic now?");

// What a send changes on the form before it writes: slashed zeros in To,
// From and By back to "0"; the text reflowed when formatting is on (the
// width setting may be raised to 2); an empty (or one-blank) sent time set
// to the local time now as HH:MM; an empty (or one-blank) By taken from From.
void prepareForSend(AresMessage& message, TrafficGlobals& globals, const QTime& localTimeNow);

// The exact stream for a prepared message, with its pauses. No field is
// trimmed or reformatted: every one goes out as it stands.
Transmission build(const AresMessage& message, const TrafficGlobals& globals);

} // namespace AresTransmission
} // namespace vellicor
