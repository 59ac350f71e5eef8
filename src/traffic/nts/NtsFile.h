#pragma once

#include "terminal/FileErrors.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vellicor {

class Prompter;
struct Radiogram;

// The NTS message file: one field per line in radiogram order, CR LF line
// ends, Windows-1252. The address ends with " .AA.", the phone and the text
// with " .BT.". Every field is written trimmed of spaces; the number, time,
// date and phone are written with their patterns and read back through them
// again.
namespace NtsFile {

inline const QString kDialogFilter =
    QStringLiteral("NTS Msg Files (NTS*.txt)|NTS*.*|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
inline const QString kAddressEnd = QStringLiteral(" .AA.");
inline const QString kTextEnd = QStringLiteral(" .BT.");

// The file's contents for a radiogram, as written.
QString contents(const Radiogram& radiogram);

// Verifies the check (which may ask the operator), formats the phone on the
// form, then saves atomically: a failed save leaves the old file whole.
std::optional<FileError> WriteNtsFile(const QString& path, Radiogram& radiogram, Prompter& prompter);

// Fills the radiogram from the lines of a file as far as they go; a file
// that ends early leaves the remaining fields as they were.
void readInto(const QStringList& lines, Radiogram& radiogram);

} // namespace NtsFile
} // namespace vellicor
