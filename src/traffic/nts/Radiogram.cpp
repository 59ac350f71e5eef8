#include "traffic/nts/Radiogram.h"

#include "traffic/common/TrafficPatterns.h"

namespace vellicor {

Radiogram Radiogram::cleared(const QDate& today)
{
    Radiogram radiogram;
    radiogram.dateFiled = TrafficPatterns::formatDateMMDDYYYY(today);
    return radiogram;
}

} // namespace vellicor
