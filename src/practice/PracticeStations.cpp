#include "practice/PracticeStations.h"

#include "practice/NetControl.h"
#include "practice/PracticeBoard.h"

namespace vellicor {

std::unique_ptr<PracticeStation> PracticeStations::create(const QByteArray& call)
{
    QByteArray wanted = call.toUpper();
    if (wanted.endsWith("-0"))
        wanted.chop(2);
    if (wanted == "N0BBS")
        return std::make_unique<PracticeBoard>(m_store, m_clock);
    if (wanted == "N0NET")
        return std::make_unique<NetControl>();
    return nullptr;
}

} // namespace vellicor
