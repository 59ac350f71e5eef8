#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

#include <optional>

namespace vellicor::test::soak {

// The complete versions the save helper writes: version n is the line
// "VERSION n" and then pseudo-random bytes, of a length of its own, all
// made from n. A file holds a whole version or it does not.
inline QByteArray savedVersion(quint32 number, qint64 megabytes)
{
    const qint64 size = megabytes * 1024 * 1024 + (number * 7919) % 65536;
    QList<quint32> words((size + 3) / 4);
    QRandomGenerator(number).fillRange(words.data(), words.size());
    return "VERSION " + QByteArray::number(number) + "\r\n"
        + QByteArray(reinterpret_cast<const char*>(words.constData()), size);
}

// The version a file says it is, from its first line.
inline std::optional<quint32> versionOf(const QByteArray& file)
{
    const qsizetype end = file.indexOf("\r\n");
    if (!file.startsWith("VERSION ") || end < 0)
        return std::nullopt;
    bool ok = false;
    const quint32 number = file.mid(8, end - 8).toUInt(&ok);
    return ok ? std::optional<quint32>(number) : std::nullopt;
}

} // namespace vellicor::test::soak
