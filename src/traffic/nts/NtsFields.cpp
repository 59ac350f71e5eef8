#include "traffic/nts/NtsFields.h"

#include "traffic/common/TrafficPatterns.h"

namespace vellicor::NtsFields {

QString messageNumber(const QString& text)
{
    return TrafficPatterns::formatNumber000(TrafficPatterns::trimSpaces(text));
}

QString phone(const QString& text)
{
    return TrafficPatterns::formatPhone(TrafficPatterns::trimSpaces(text));
}

} // namespace vellicor::NtsFields
