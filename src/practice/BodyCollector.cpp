#include "practice/BodyCollector.h"

namespace vellicor {

namespace {
constexpr qsizetype kLongestEndLine = 16; // "/EX" with some spaces around it
}

bool BodyCollector::feed(char byte)
{
    const bool skip = m_skipLf && byte == '\n';
    m_skipLf = false;
    if (skip)
        return false;
    if (byte == kCtrlZ) {
        append(byte);
        return true;
    }
    if (byte == '\r' || byte == '\n')
        return lineEnds(byte);
    append(byte);
    if (m_line.size() < kLongestEndLine)
        m_line.append(byte);
    else
        m_lineLong = true;
    return false;
}

bool BodyCollector::lineEnds(char byte)
{
    if (!m_lineLong && m_line.trimmed().toUpper() == "/EX") {
        if (!m_tooLong)
            m_text.truncate(m_lineStart);
        m_endedOnCr = byte == '\r';
        return true;
    }
    append(byte);
    m_line.clear();
    m_lineLong = false;
    m_lineStart = m_text.size();
    return false;
}

void BodyCollector::append(char byte)
{
    if (m_tooLong)
        return;
    if (m_text.size() >= m_limit) {
        m_tooLong = true;
        m_text.clear();
        m_lineStart = 0;
        return;
    }
    m_text.append(byte);
}

} // namespace vellicor
