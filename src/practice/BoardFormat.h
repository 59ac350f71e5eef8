#pragma once

#include "practice/BoardMessage.h"

#include <QByteArray>
#include <QList>

namespace vellicor {

// How the practice board writes its listings and shows a message, and how it
// reads the address of a send command.

inline constexpr qsizetype kListedTitleLength = 60;

// One line of the listing: number, type and status, size, addressee, "@" routing,
// sender, month/day and time, and the title cut to 60 characters.
QByteArray listingLine(const BoardMessage& message);
// Heading and newest message first; each line ends in CR LF.
QByteArray formatListing(const QList<BoardMessage>& messages);
// The heading, an empty line, the text with CR LF line ends (the closing
// Ctrl-Z left out) and the end marker; each line ends in CR LF.
QByteArray formatReading(const BoardMessage& message, const QByteArray& text);

// The address of "S", "SP", "SB" or "ST": a call, optionally "@" and a routing
// ("ST 80302 @NTSCO", "S W1AW@N0BBS"); anything from "<" on is not used.
struct SendAddress {
    QByteArray to;
    QByteArray at;
    QByteArray error; // non-empty when the address cannot be used
};
SendAddress parseSendAddress(const QByteArray& arguments);

} // namespace vellicor
