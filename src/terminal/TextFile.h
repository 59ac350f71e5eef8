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
// file that was there whole.
std::optional<FileError> saveAtomically(const QString& path, const QByteArray& bytes);
std::optional<FileError> saveText(const QString& path, const QString& text);

} // namespace TextFile
} // namespace vellicor
