#pragma once

#include "terminal/TextFile.h"

#include <QString>
#include <QStringList>

namespace vellicor {

// What the message files of both forms have in common: how a file is read
// into lines, and how those lines are taken one at a time.
namespace MessageFile {

// Only this much of a file is read: a message is a few kilobytes, and a
// huge file picked by mistake must not swamp the form.
inline constexpr qint64 kMaxReadBytes = 1024 * 1024;

using ReadResult = TextFile::ReadResult;

// The lines of a file (CR LF, CR or LF ends), at most kMaxReadBytes of it.
ReadResult readLines(const QString& path);

// The lines of a file, taken one at a time.
class LineReader {
public:
    explicit LineReader(const QStringList& lines) : m_lines(lines) {}
    bool atEnd() const { return m_next >= m_lines.size(); }
    QString take() { return m_lines[m_next++]; }

private:
    const QStringList& m_lines;
    qsizetype m_next = 0;
};

} // namespace MessageFile
} // namespace vellicor
