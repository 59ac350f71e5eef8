#pragma once

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

namespace vellicor::test::soak {

// The complete versions the save helper writes: version n is the line
// "VERSION n" and then pseudo-random bytes, of a length of its own, all
// made from n.
inline QByteArray savedVersion(quint32 number, qint64 megabytes)
{
    const qint64 size = megabytes * 1024 * 1024 + (number * 7919) % 65536;
    QList<quint32> words((size + 3) / 4);
    QRandomGenerator(number).fillRange(words.data(), words.size());
    return "VERSION " + QByteArray::number(number) + "\r\n"
        + QByteArray(reinterpret_cast<const char*>(words.constData()), size);
}

} // namespace vellicor::test::soak
