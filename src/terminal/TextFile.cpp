#include "terminal/TextFile.h"

#include "terminal/Windows1252.h"

#include <QFile>
#include <QSaveFile>

namespace vellicor::TextFile {

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

TextResult readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, FileErrors::forFailure(file, path, FileErrors::Access::Read)};
    if (file.size() > kMaxReadBytes)
        return {{}, FileErrors::make(FileErrors::kFileTooLarge)};
    // A device or a file still growing may hold more than its size said.
    const QByteArray bytes = file.read(kMaxReadBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, FileErrors::make(FileErrors::kReadError)};
    if (bytes.size() > kMaxReadBytes)
        return {{}, FileErrors::make(FileErrors::kFileTooLarge)};
    return {decodeWindows1252(bytes), std::nullopt};
}

ReadResult readLines(const QString& path)
{
    TextResult whole = readText(path);
    if (whole.error)
        return {{}, whole.error};
    return {splitLines(whole.text), std::nullopt};
}

std::optional<FileError> saveAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return FileErrors::forFailure(file, path, FileErrors::Access::Write);
    // The write is buffered: flush here, since QSaveFile::commit() renames
    // the file into place even when its own final flush failed part-way.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const FileError error = FileErrors::forFailure(file, path, FileErrors::Access::Write);
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return FileErrors::forFailure(file, path, FileErrors::Access::Write);
    return std::nullopt;
}

std::optional<FileError> saveText(const QString& path, const QString& text)
{
    return saveAtomically(path, encodeWindows1252(text));
}

} // namespace vellicor::TextFile
