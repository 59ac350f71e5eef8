#pragma once

#include <QByteArray>

namespace vellicor {

// Collects the text of a board message byte for byte, exactly as it arrives,
// until a Ctrl-Z (kept as the last byte) or a line holding only "/EX" (which is
// not kept, nor is its line end). A text that grows past the limit is dropped,
// but its end is still watched for, so what follows it is not taken as commands.
class BodyCollector {
public:
    static constexpr qsizetype kDefaultLimit = 1024 * 1024;
    static constexpr char kCtrlZ = 26;

    // `skipLeadingLf`: the title line ended with CR, so an LF coming first is the
    // rest of its CR LF and not part of the text.
    explicit BodyCollector(bool skipLeadingLf, qsizetype limit = kDefaultLimit)
        : m_limit(limit), m_skipLf(skipLeadingLf) {}

    // Takes one byte; true when it ended the message.
    bool feed(char byte);
    bool tooLong() const { return m_tooLong; }
    // True when the message was ended by "/EX" and a CR (an LF may follow).
    bool endedOnCr() const { return m_endedOnCr; }
    const QByteArray& text() const { return m_text; }

private:
    bool lineEnds(char byte);
    void append(char byte);

    qsizetype m_limit;
    QByteArray m_text;
    QByteArray m_line; // the current line, as far as "/EX" needs it
    qsizetype m_lineStart = 0;
    bool m_lineLong = false;
    bool m_skipLf;
    bool m_tooLong = false;
    bool m_endedOnCr = false;
};

} // namespace vellicor
