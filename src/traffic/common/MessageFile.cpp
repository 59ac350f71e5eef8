#include "traffic/common/MessageFile.h"

#include "terminal/Windows1252.h"

#include <QFile>

namespace vellicor::MessageFile {

ReadResult readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileErrors::forFailure(file, path, FileErrors::Access::Read)};
    const QByteArray bytes = file.read(kMaxReadBytes);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileErrors::make(FileErrors::kReadError)};
    return {TextFile::splitLines(decodeWindows1252(bytes)), std::nullopt};
}

} // namespace vellicor::MessageFile
