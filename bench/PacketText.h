#pragma once

#include <QByteArray>

namespace vellicor::bench {

// Realistic received packet text: monitored frames, BBS prompts and
// messages in CR LF lines, with a backspace-corrected word now and then.
// The same seed gives the same bytes.
QByteArray packetText(qsizetype size, quint32 seed = 1);

} // namespace vellicor::bench
