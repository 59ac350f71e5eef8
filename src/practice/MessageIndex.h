#pragma once

#include "practice/BoardMessage.h"

#include <QByteArray>
#include <QList>

namespace vellicor {

// The text form of the board's index: one line per message, fields separated by
// ";", the title last so that it may hold ";" itself.
QByteArray formatIndex(const QList<BoardMessage>& messages);
// Lines that do not read as a heading are skipped.
QList<BoardMessage> parseIndex(const QByteArray& text);

} // namespace vellicor
