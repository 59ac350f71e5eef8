#pragma once

#include "platform/api/Prompter.h"

#include <QFileDevice>
#include <QString>

namespace vellicor {

// A file failure as the operator sees it: "Vellicor Error " + number.
struct FileError {
    int number = 0;
    QString description;
};

// The one table of file error numbers used by every "Vellicor Error " box.
namespace FileErrors {
inline constexpr int kFileTooLarge = 7;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kReadError = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kAccessError = 75;
inline constexpr int kPathNotFound = 76;

FileError make(int number);
enum class Access { Read, Write };
// Classifies a failed open, read or write of the given path.
FileError forFailure(const QFileDevice& file, const QString& path, Access access);
FileError forErrno(int error);
QString title(const FileError& error);
// "Vellicor Error N" box with the path, CR LF, and the description.
PromptAnswer show(Prompter& prompter, const QString& path, const FileError& error,
                  PromptButtons buttons = PromptButtons::Ok);
}

} // namespace vellicor
