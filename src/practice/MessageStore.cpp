#include "practice/MessageStore.h"

#include "practice/MessageIndex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace vellicor {

namespace {

const QString kIndexName = QStringLiteral("index.txt");

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace

QString MessageStore::fileNameFor(int number)
{
    return QStringLiteral("msg%1.txt").arg(number, 5, 10, QLatin1Char('0'));
}

QString MessageStore::pathOf(int number) const
{
    return QDir(m_folder).filePath(fileNameFor(number));
}

QString MessageStore::open()
{
    if (!QDir().mkpath(m_folder))
        return QStringLiteral("cannot create the folder %1").arg(m_folder);
    m_messages.clear();
    QFile index(QDir(m_folder).filePath(kIndexName));
    m_new = !index.exists() && highestNumberOnDisk() == 0;
    if (!index.exists())
        return {};
    if (!index.open(QIODevice::ReadOnly))
        return index.errorString();
    for (BoardMessage& m : parseIndex(index.readAll())) {
        const QFileInfo info(pathOf(m.number));
        if (!info.isFile() || indexOf(m.number) >= 0)
            continue; // a heading without its text, or a repeated number
        m.size = info.size();
        m_messages.append(m);
    }
    return {};
}

std::optional<BoardMessage> MessageStore::find(int number) const
{
    const qsizetype i = indexOf(number);
    if (i < 0)
        return std::nullopt;
    return m_messages.at(i);
}

QString MessageStore::add(BoardMessage& message, const QByteArray& text)
{
    message.number = nextNumber();
    message.size = text.size();
    QString failure = writeWhole(pathOf(message.number), text);
    if (!failure.isEmpty())
        return failure;
    m_messages.append(message);
    failure = saveIndex();
    if (!failure.isEmpty()) {
        m_messages.removeLast();
        QFile::remove(pathOf(message.number));
    }
    return failure;
}

QString MessageStore::remove(int number)
{
    const qsizetype i = indexOf(number);
    if (i < 0)
        return QStringLiteral("no such message");
    const BoardMessage removed = m_messages.takeAt(i);
    const QString failure = saveIndex();
    if (!failure.isEmpty()) {
        m_messages.insert(i, removed);
        return failure;
    }
    QFile::remove(pathOf(number));
    return {};
}

QString MessageStore::markRead(int number)
{
    const qsizetype i = indexOf(number);
    if (i < 0 || m_messages[i].read)
        return {};
    m_messages[i].read = true;
    return saveIndex();
}

std::optional<QByteArray> MessageStore::text(int number) const
{
    if (indexOf(number) < 0)
        return std::nullopt;
    QFile file(pathOf(number));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

int MessageStore::nextNumber() const
{
    int highest = highestNumberOnDisk();
    for (const BoardMessage& m : m_messages)
        highest = std::max(highest, m.number);
    return highest + 1;
}

// Text files left by an earlier run without a heading still keep their number,
// so a new message never replaces one.
int MessageStore::highestNumberOnDisk() const
{
    static const QRegularExpression name(QStringLiteral("^msg(\\d{5,9})\\.txt$"));
    int highest = 0;
    const QStringList files = QDir(m_folder).entryList({QStringLiteral("msg*.txt")}, QDir::Files);
    for (const QString& file : files) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch())
            highest = std::max(highest, match.captured(1).toInt());
    }
    return highest;
}

QString MessageStore::saveIndex() const
{
    return writeWhole(QDir(m_folder).filePath(kIndexName), formatIndex(m_messages));
}

qsizetype MessageStore::indexOf(int number) const
{
    for (qsizetype i = 0; i < m_messages.size(); ++i) {
        if (m_messages.at(i).number == number)
            return i;
    }
    return -1;
}

} // namespace vellicor
