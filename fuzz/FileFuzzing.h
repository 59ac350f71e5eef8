#pragma once

#include "FuzzSupport.h"

#include <QFile>

namespace vellicor::fuzz {

// Writes the fuzzer's bytes to a file in the scratch folder and gives its path.
inline QString writeScratchFile(const QString& name, QByteArrayView bytes)
{
    const QString path = scratchFolder().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes.data(), bytes.size()) != bytes.size())
        fail("cannot write the scratch file");
    return path;
}

} // namespace vellicor::fuzz
