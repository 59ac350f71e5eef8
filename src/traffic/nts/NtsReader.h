#pragma once

#include "traffic/common/ReceivedText.h"
#include "traffic/nts/Radiogram.h"

namespace vellicor {

// Reads a radiogram from received text: a board's answer to "R n", text the
// operator selected in the receive pane, or the program's own transmission.
// It takes the text as the program sends it and as other stations write it:
//
//   Msg #3 ... / Title: QTC 1 BOULDER, CO      board headers, skipped
//   NR 207 P HXG W1AW ARL 5 NEWINGTON CT 1830Z DEC 5     the preamble
//   JOHN DOE                                  addressee
//   12 MAIN ST                                address, any number of lines
//   BOULDER CO 80302                          city, state and ZIP
//   303 555 1212                              phone, or before "  BT"
//   BT
//   the text, as many lines as it has
//   BT                                        or "  BT" after its last word
//   MARY                                      signature
//
// Lines may end in CR, LF or CR LF; blank lines around the parts and
// trailing blanks are passed over. The text keeps its lines as they came
// (a reflowed text keeps the blank at the end of each line); it ends in a
// line break when its BT stood on a line of its own.
namespace NtsReader {

inline const QString kNoPreamble = QStringLiteral("No preamble line found");
inline const QString kNoFirstBt = QStringLiteral("No BT found after the address");
inline const QString kNoAddress = QStringLiteral("No addressee and city line found before the first BT");
inline const QString kNoSecondBt = QStringLiteral("No BT found after the message text");

ReceivedReading<Radiogram> read(const QString& text);

} // namespace NtsReader
} // namespace vellicor
