#pragma once

#include "terminal/FileErrors.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vellicor {

struct AresMessage;

// The ARES message file: the message in a fixed line layout close to the
// transmitted one, CR LF line ends, Windows-1252 (so the slashed zero of
// the call-sign fields is byte 216).
//
//   R, Shelter status
//   12/05/2026    14:05
//   (empty)
//   TO:    (EOC) Net control
//   FROM:  (SHELTER1) Shelter manager, Red Cross
//   (empty)
//   the message text, as many lines as it has
//   END MSG SENT 14:20 BY NØCALL
namespace AresFile {

inline const QString kDialogFilter = QStringLiteral(
    "TORMEL Msg Files (TORMELM*.txt)|TORMELM*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
inline const QString kClosingStart = QStringLiteral("END MSG SENT ");

// The file's contents for a message. The text is written as it stands and
// followed by a line break only when it does not already end in one, and
// an empty text writes no line at all, so saving a message and opening it
// again gives back the same text however often it is done.
QString contents(const AresMessage& message);

// Saves atomically: a failed save leaves the old file whole.
std::optional<FileError> WriteMessageFile(const QString& path, const AresMessage& message);

// Fills a cleared message from the lines of a file as far as they are in
// the layout: a file that ends before the address block, or whose TO or
// FROM line has no ")" at or after column 9, stops the reading there and
// leaves the remaining fields as they were. The text runs to the first
// line starting "END MSG SENT ", or to the end of the file.
void readInto(const QStringList& lines, AresMessage& message);

} // namespace AresFile
} // namespace vellicor
