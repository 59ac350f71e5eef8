#include "terminal/SessionLog.h"

#include <QDir>

#include <unistd.h>

namespace vellicor {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

int slot(SessionLog::Direction direction)
{
    return direction == SessionLog::Direction::Received ? 0 : 1;
}

} // namespace

SessionLog::SessionLog(const Clock& clock, QString folder, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_folder(std::move(folder))
{
    m_syncTimer.setInterval(kSyncIntervalMs);
    m_syncTimer.setSingleShot(true);
    connect(&m_syncTimer, &QTimer::timeout, this, &SessionLog::sync);
}

SessionLog::~SessionLog()
{
    sync();
}

QString SessionLog::caretNotation(const QString& line)
{
    QString shown;
    shown.reserve(line.size());
    for (const QChar c : line) {
        const ushort code = c.unicode();
        if (code < 32) {
            shown += QLatin1Char('^');
            shown += QChar(code + 64);
        } else if (code == 127) {
            shown += QStringLiteral("^?");
        } else {
            shown += c;
        }
    }
    return shown;
}

void SessionLog::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (!enabled) {
        sync();
        m_file.close();
        m_fileDate = QDate();
    }
    m_healthy = true;
}

QString SessionLog::fileNameFor(const QDate& utcDate) const
{
    return m_folder + QLatin1Char('/') + utcDate.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

QStringList SessionLog::linesOf(Direction direction, const QString& text)
{
    bool& midLine = m_midLine[slot(direction)];
    bool& endedOnCr = m_endedOnCr[slot(direction)];
    qsizetype start = 0;
    // A line end that finishes the line of the previous text starts nothing new.
    if (start < text.size() && endedOnCr && text[start] == QLatin1Char('\n'))
        ++start;
    else if (start < text.size() && midLine && isLineEnd(text[start]))
        start += (text[start] == QLatin1Char('\r') && start + 1 < text.size() && text[start + 1] == QLatin1Char('\n')) ? 2 : 1;

    QStringList lines;
    qsizetype lineStart = start;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (!isLineEnd(text[i]))
            continue;
        lines.append(text.mid(lineStart, i - lineStart));
        if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size())
        lines.append(text.mid(lineStart));
    if (!text.isEmpty()) {
        midLine = !isLineEnd(text.back());
        endedOnCr = text.back() == QLatin1Char('\r');
    }
    return lines;
}

void SessionLog::append(Direction direction, const QString& text)
{
    if (!m_enabled || text.isEmpty())
        return;
    const QStringList lines = linesOf(direction, text);
    if (lines.isEmpty())
        return;
    const QDateTime now = m_clock.nowUtc();
    const QString prefix = now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("Z ")
        + (direction == Direction::Received ? QLatin1Char('<') : QLatin1Char('>')) + QLatin1Char(' ');
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += (prefix + caretNotation(line) + QLatin1Char('\n')).toUtf8();
    if (writeBytes(now.date(), bytes)) {
        m_healthy = true;
        return;
    }
    reportFailure(m_file.errorString());
}

bool SessionLog::writeBytes(const QDate& date, const QByteArray& bytes)
{
    if ((m_fileDate != date || !m_file.isOpen()) && !openFor(date))
        return false;
    if (m_file.write(bytes) != bytes.size() || !m_file.flush()) {
        m_file.close(); // reopened by the next text, which tries again
        return false;
    }
    m_dirty = true;
    if (!m_syncTimer.isActive())
        m_syncTimer.start();
    return true;
}

bool SessionLog::openFor(const QDate& date)
{
    sync();
    m_file.close();
    m_fileDate = QDate();
    if (!QDir().mkpath(m_folder)) {
        m_file.setFileName(fileNameFor(date));
        return false;
    }
    m_file.setFileName(fileNameFor(date));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    m_fileDate = date;
    return true;
}

void SessionLog::sync()
{
    if (m_dirty && m_file.isOpen())
        ::fsync(m_file.handle());
    m_dirty = false;
}

void SessionLog::reportFailure(const QString& reason)
{
    const bool firstOfSpell = m_healthy;
    m_healthy = false;
    if (firstOfSpell)
        emit failed(reason.isEmpty() ? QStringLiteral("the log folder cannot be written") : reason);
}

} // namespace vellicor
