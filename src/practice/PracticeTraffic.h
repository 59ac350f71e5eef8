#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vellicor {

class MessageStore;

// The traffic a new practice board holds for the practice station, so a
// drill can list and read it, open it in the message forms, print it and
// relay it: a radiogram written as another station writes one, and an ARES
// message for the tactical call SHELTER1.
namespace PracticeTraffic {

// The texts as the board stores them: what followed the title line, through
// the Ctrl-Z.
extern const QByteArray kRadiogram;
extern const QByteArray kAresMessage;

// Adds both to the store, posted now; empty on success, else the reason.
QString addTo(MessageStore& store, const QDateTime& now);

} // namespace PracticeTraffic
} // namespace vellicor
