#pragma once

#include "terminal/FileErrors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace vellicor {

// The program's text files: Windows-1252, written with CR LF line ends and
// read with CR LF, a lone CR or a lone LF each ending a line.
namespace TextFile {

// Files are read whole up to this size and a larger one is refused
// (FileErrors::kFileTooLarge), never cut: a message is a few hundred bytes,
// and a huge file picked by mistake must not swamp the program.
inline constexpr qint64 kMaxReadBytes = 16 * 1024 * 1024;

struct ReadResult {
    QStringList lines;
    std::optional<FileError> error;
};

// Splits text into lines; a final line end does not start another line.
QStringList splitLines(const QString& text);
ReadResult readLines(const QString& path);
// The whole file decoded, with its line ends as they are.
struct TextResult {
    QString text;
    std::optional<FileError> error;
};
TextResult readText(const QString& path);

// Writes through a temporary file and a rename, so a failed save leaves the
// file that was there whole. Only where the folder forbids creating the
// temporary file, while the file itself may be written, is it written in
// place (then a failed save can leave it part-written).
std::optional<FileError> saveAtomically(const QString& path, const QByteArray& bytes);
std::optional<FileError> saveText(const QString& path, const QString& text);

} // namespace TextFile
} // namespace vellicor
