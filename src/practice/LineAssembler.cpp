#include "practice/LineAssembler.h"

namespace vellicor {

bool LineAssembler::feed(char byte)
{
    const bool wasAfterCr = m_afterCr;
    m_afterCr = byte == '\r';
    if (byte == '\n' && wasAfterCr)
        return false;
    if (byte == '\r' || byte == '\n') {
        m_done = m_line;
        m_lastCut = m_cut;
        m_line.clear();
        m_cut = false;
        return true;
    }
    if (m_line.size() < m_limit)
        m_line.append(byte);
    else
        m_cut = true;
    return false;
}

QByteArray LineAssembler::takeLine()
{
    QByteArray line;
    line.swap(m_done);
    return line;
}

void LineAssembler::reset(bool afterCr)
{
    m_line.clear();
    m_done.clear();
    m_cut = false;
    m_lastCut = false;
    m_afterCr = afterCr;
}

} // namespace vellicor
