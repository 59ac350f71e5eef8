#pragma once

#include "platform/api/Clock.h"

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <array>

namespace vellicor {

// The station's record: every chunk received and every text sent to the TNC,
// appended to one UTF-8 file per UTC date in the log folder (YYYY-MM-DD.log).
// Each text becomes one log line per line, stamped "HH:MM:SSZ", then "<" for
// received or ">" for sent, then a space. Every text is handed to the
// operating system before the call returns; the file is synced to disk at
// most every 10 seconds and when the log closes. A line that arrives in
// pieces stays one log line: its first piece is written at once without a
// line end and the pieces that continue it are appended to it; the line is
// ended by its own line end, by text in the other direction, by a new UTC
// date or by the log closing.
class SessionLog : public QObject {
    Q_OBJECT
public:
    enum class Direction { Received, Sent };
    static constexpr int kSyncIntervalMs = 10000;

    SessionLog(const Clock& clock, QString folder, QObject* parent = nullptr);
    ~SessionLog() override;

    // Control characters other than line ends in "^" notation (^C, ^Z).
    static QString caretNotation(const QString& line);

    void setEnabled(bool enabled);
    bool enabled() const { return m_enabled; }
    // On, and the last write reached the file.
    bool writing() const { return m_enabled && m_healthy; }
    QString folder() const { return m_folder; }
    QString fileNameFor(const QDate& utcDate) const;

    void logReceived(const QString& text) { append(Direction::Received, text); }
    void logSent(const QString& text) { append(Direction::Sent, text); }
    void sync();

signals:
    // Once per failure spell: the log could not be written.
    void failed(const QString& reason);

private:
    void append(Direction direction, const QString& text);
    static constexpr int kNoOpenLine = -1;
    static qsizetype lineEndLength(const QString& text, qsizetype at);
    qsizetype skipEndOfEarlierLine(Direction direction, const QString& text, bool continuing) const;
    QByteArray entryBytes(Direction direction, const QString& text, const QDateTime& now);
    void closeOpenLine(const QDate& date, Direction direction);
    bool endOpenLine();
    bool writeBytes(const QDate& date, const QByteArray& bytes);
    bool openFor(const QDate& date);
    void reportFailure(const QString& reason);

    const Clock& m_clock;
    QString m_folder;
    QFile m_file;
    QDate m_fileDate;
    QTimer m_syncTimer;
    bool m_enabled = true;
    bool m_healthy = true;
    bool m_dirty = false;
    std::array<bool, 2> m_midLine{};    // the last text of that direction ended inside a line
    std::array<bool, 2> m_endedOnCr{};  // ... or on a CR whose LF may follow
    int m_openLine = kNoOpenLine;       // the direction whose line the file ends inside
    QDate m_openLineDate;
};

} // namespace vellicor
