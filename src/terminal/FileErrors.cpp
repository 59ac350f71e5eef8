#include "terminal/FileErrors.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace vellicor::FileErrors {

namespace {

QString describe(int number)
{
    switch (number) {
    case kFileTooLarge: return QStringLiteral("File too large to open (more than 16 MiB)");
    case kBadFileName: return QStringLiteral("Bad file name or number");
    case kFileNotFound: return QStringLiteral("File not found");
    case kReadError: return QStringLiteral("Device I/O error");
    case kDiskFull: return QStringLiteral("Disk full");
    case kPermissionDenied: return QStringLiteral("Permission denied");
    case kAccessError: return QStringLiteral("Path/File access error");
    case kPathNotFound: return QStringLiteral("Path not found");
    }
    return QStringLiteral("File error");
}

} // namespace

FileError make(int number)
{
    return {number, describe(number)};
}

FileError forErrno(int error)
{
    switch (error) {
    case ENOENT: return make(kFileNotFound);
    case EACCES:
    case EPERM:
    case EROFS: return make(kPermissionDenied);
    case ENOSPC:
    case EDQUOT: return make(kDiskFull);
    case ENOTDIR: return make(kPathNotFound);
    case ENAMETOOLONG: return make(kBadFileName);
    case EISDIR: return make(kAccessError);
    }
    return make(kReadError);
}

FileError forFailure(const QFileDevice& file, const QString& path, Access access)
{
    const QFileInfo info(path);
    switch (file.error()) {
    case QFileDevice::OpenError:
        if (path.isEmpty())
            return make(kBadFileName);
        if (!info.dir().exists())
            return make(kPathNotFound);
        if (info.isDir())
            return make(kAccessError);
        if (access == Access::Read && !info.exists())
            return make(kFileNotFound);
        return make(kPermissionDenied);
    case QFileDevice::PermissionsError: return make(kPermissionDenied);
    case QFileDevice::ResourceError: return make(kDiskFull);
    case QFileDevice::ReadError: return make(kReadError);
    case QFileDevice::WriteError: return make(errno == ENOSPC ? kDiskFull : kReadError);
    default: return make(kAccessError);
    }
}

QString title(const FileError& error)
{
    return QStringLiteral("Vellicor Error %1").arg(error.number);
}

PromptAnswer show(Prompter& prompter, const QString& path, const FileError& error,
                  PromptButtons buttons)
{
    return prompter.show(path + QStringLiteral("\r\n") + error.description, title(error), buttons,
                         PromptIcon::Exclamation);
}

} // namespace vellicor::FileErrors
