#pragma once

#include "traffic/ares/AresMessage.h"
#include "traffic/common/ReceivedText.h"

namespace vellicor {

// Reads an ARES (TORMEL) message from received text: a board's answer to
// "R n", text the operator selected in the receive pane, or the program's
// own transmission. The layout is the one the program sends:
//
//   R, Shelter status                 or the board's "Title: R, Shelter status"
//   12/05/2026    14:05               date, four blanks, time
//   (empty)
//   TO:   (EOC) Net control
//   FROM: (SHELTER1) Shelter manager, Red Cross
//   (empty)
//   the text, as many lines as it has
//   END MSG SENT 14:20    BY N0CALL
//
// The TO: and FROM: lines find the message; the date line stands before
// them with one empty line between, the subject line is the first line
// above the date that is not blank. The call-sign fields show the digit
// zero as the slashed zero, as the form shows what is typed there.
namespace AresReader {

inline const QString kNoAddressLines = QStringLiteral("No TO: and FROM: lines found");
inline const QString kNoClosingLine = QStringLiteral("No END MSG SENT line found");

ReceivedReading<AresMessage> read(const QString& text);

} // namespace AresReader
} // namespace vellicor
