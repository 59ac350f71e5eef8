#pragma once

#include "practice/LineAssembler.h"
#include "practice/PracticeStation.h"

namespace vellicor {

// N0NET, the net control station of a practice ARES net. It answers each line
// the way a net control operator would: takes check-ins, asks for traffic,
// sends traffic to the board, and signs off on "73".
class NetControl final : public PracticeStation {
public:
    QByteArray callSign() const override;
    QByteArray connect(const QByteArray& caller) override;
    QByteArray receive(const QByteArray& bytes) override;
    bool hungUp() const override { return m_hungUp; }
    void linkLost() override { m_lines.reset(); }

private:
    QByteArray answer(const QByteArray& line);

    LineAssembler m_lines;
    QByteArray m_caller;
    bool m_checkedIn = false;
    bool m_hungUp = false;
};

} // namespace vellicor
