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
    endOpenLine();
    sync();
}

bool SessionLog::endOpenLine()
{
    if (m_openLine == kNoOpenLine)
        return true;
    m_openLine = kNoOpenLine;
    return writeBytes(m_openLineDate, QByteArrayLiteral("\n"));
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
        endOpenLine();
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

qsizetype SessionLog::lineEndLength(const QString& text, qsizetype at)
{
    if (at >= text.size() || !isLineEnd(text[at]))
        return 0;
    return (text[at] == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n')) ? 2 : 1;
}

qsizetype SessionLog::skipEndOfEarlierLine(Direction direction, const QString& text, bool continuing) const
{
    // The LF of a CR LF split between two texts belongs to a line already ended.
    if (m_endedOnCr[slot(direction)] && text.front() == QLatin1Char('\n'))
        return 1;
    // The end of a line that text in the other direction has already closed.
    if (m_midLine[slot(direction)] && !continuing)
        return lineEndLength(text, 0);
    return 0;
}

QByteArray SessionLog::entryBytes(Direction direction, const QString& text, const QDateTime& now)
{
    const int s = slot(direction);
    bool continuing = m_openLine == s && m_openLineDate == now.date();
    const QString prefix = now.toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("Z ")
        + (direction == Direction::Received ? QLatin1Char('<') : QLatin1Char('>')) + QLatin1Char(' ');
    QString entry;
    qsizetype at = skipEndOfEarlierLine(direction, text, continuing);
    while (at < text.size()) {
        qsizetype end = at;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        if (!continuing)
            entry += prefix;
        entry += caretNotation(text.mid(at, end - at));
        continuing = end == text.size();
        if (!continuing)
            entry += QLatin1Char('\n');
        at = end + lineEndLength(text, end);
    }
    m_midLine[s] = !isLineEnd(text.back());
    m_endedOnCr[s] = text.back() == QLatin1Char('\r');
    m_openLine = continuing ? s : kNoOpenLine;
    m_openLineDate = now.date();
    return entry.toUtf8();
}

void SessionLog::closeOpenLine(const QDate& date, Direction direction)
{
    const bool continuedNow = m_openLine == slot(direction) && m_openLineDate == date;
    if (!continuedNow && !endOpenLine())
        reportFailure(m_file.errorString());
}

void SessionLog::append(Direction direction, const QString& text)
{
    if (!m_enabled || text.isEmpty())
        return;
    const QDateTime now = m_clock.nowUtc();
    closeOpenLine(now.date(), direction);
    const QByteArray bytes = entryBytes(direction, text, now);
    if (bytes.isEmpty())
        return;
    if (writeBytes(now.date(), bytes)) {
        m_healthy = true;
        return;
    }
    m_openLine = kNoOpenLine;
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
