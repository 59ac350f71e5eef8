#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

namespace MessageFile {

// The lines of a message file (as TextFile::readLines gives them), taken
// one at a time by the readers of both forms.
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
