#pragma once

#include <QByteArray>

namespace vellicor {

// Splits a byte stream into lines the way a terminal sends them: a line ends at
// CR, at LF, or at CR LF (the LF of a CR LF pair ends nothing of its own).
// Lines longer than the limit keep their head and drop the rest, so no input can
// make the buffer grow without end.
class LineAssembler {
public:
    static constexpr qsizetype kDefaultLimit = 1024;

    explicit LineAssembler(qsizetype limit = kDefaultLimit) : m_limit(limit) {}

    // Takes one byte; true when it ended a line, which takeLine() then returns.
    bool feed(char byte);
    QByteArray takeLine();
    // True when the line last taken was longer than the limit.
    bool lastLineWasCut() const { return m_lastCut; }
    // True when the last line end was a CR (an LF may still follow it).
    bool lastEndWasCr() const { return m_afterCr; }
    bool midLine() const { return !m_line.isEmpty() || m_cut; }
    // Forgets the partial line; `afterCr` says whether a following LF is to be
    // taken as the tail of a CR LF pair.
    void reset(bool afterCr = false);

private:
    qsizetype m_limit;
    QByteArray m_line;
    QByteArray m_done;
    bool m_cut = false;
    bool m_lastCut = false;
    bool m_afterCr = false;
};

} // namespace vellicor
