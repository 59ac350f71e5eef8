#pragma once

#include "traffic/ares/AresMessage.h"
#include "traffic/nts/Radiogram.h"

#include <QStringList>

namespace vellicor::test {

// Every field of a message in the form's order, so a comparison shows which differ.
inline QStringList fieldsOf(const Radiogram& r)
{
    return {r.msgNum, r.precedence, r.handling, r.station, r.check, r.place, r.timeFiled, r.dateFiled, r.name,
            r.address, r.city, r.state, r.zip, r.phone, r.message, r.signedBy};
}

inline QStringList fieldsOf(const AresMessage& m)
{
    return {m.priority, m.subject, m.date, m.time, m.to, m.toName, m.from, m.fromName, m.message, m.msgSentTime, m.by};
}

} // namespace vellicor::test
