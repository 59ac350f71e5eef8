#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace vellicor::test {

// The bytes of a file as it is on disk; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts a file on disk with exactly these bytes.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace vellicor::test
