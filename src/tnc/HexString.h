#pragma once

#include "platform/api/Beeper.h"

#include <QByteArray>
#include <QString>

namespace vellicor {

// HexToBytes: turns pairs of upper-case hexadecimal digits into bytes. With an
// odd number of digits it beeps and leaves bytes and upper untouched (false).
// A character that is no digit beeps once and counts as 0, and its byte is
// still produced. upper receives the highest index of bytes.
bool HexToBytes(const QString& hex, QByteArray& bytes, int& upper, Beeper& beeper);

} // namespace vellicor
