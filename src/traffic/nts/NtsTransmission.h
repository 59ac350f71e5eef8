#pragma once

#include "traffic/common/TrafficGlobals.h"
#include "traffic/common/Transmission.h"

namespace vellicor {

struct Radiogram;

// The NTS radiogram as sent to a packet bulletin board: a send command
// addressed to the NTS by ZIP code and state, a subject line, the preamble,
// address, text and signature, closed with Ctrl-Z.
namespace NtsTransmission {

inline const QString kQuestion = QStringLiteral("Send the NTS formatted traffic now?");

// What a send changes on the form before it writes: the text reflowed when
// formatting is on (the width setting may be raised to 2) and the address
// stripped of trailing CRs, LFs and spaces.
void prepareForSend(Radiogram& radiogram, TrafficGlobals& globals);

// The precedence as written: the whole text when it begins with a capital
// "E" ("Emergency"), otherwise its first character. Test traffic keeps its
// "TEST " in front: "TEST P (Priority)" is written "TEST P".
QString precedenceWord(const QString& precedence);

// The exact stream for a prepared radiogram, with its pauses.
Transmission build(const Radiogram& radiogram, const TrafficGlobals& globals);

} // namespace NtsTransmission
} // namespace vellicor
