#include "traffic/ares/AresMessage.h"

#include "traffic/common/TrafficPatterns.h"

namespace vellicor {

AresMessage AresMessage::cleared(const QDate& today)
{
    AresMessage message;
    message.date = TrafficPatterns::formatDateMMDDYYYY(today);
    return message;
}

} // namespace vellicor
