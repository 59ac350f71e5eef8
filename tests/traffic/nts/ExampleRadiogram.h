#pragma once

#include "TrafficTestFiles.h"
#include "traffic/nts/Radiogram.h"

namespace vellicor::test {

// The complete example radiogram, with some of its fields changed.
inline Radiogram exampleRadiogram(std::initializer_list<std::pair<QString Radiogram::*, QString>> changes = {})
{
    using R = Radiogram;
    const Radiogram example = with(R{}, {{&R::msgNum, "12"}, {&R::station, "W1AW"}, {&R::check, "4"},
                                         {&R::place, "DENVER CO"}, {&R::timeFiled, "1430Z"},
                                         {&R::dateFiled, "12/05/2026"}, {&R::name, "JOHN DOE"},
                                         {&R::address, "12 MAIN ST"}, {&R::city, "BOULDER"}, {&R::state, "CO"},
                                         {&R::zip, "80302"}, {&R::phone, "(303) 555-1212"},
                                         {&R::message, "ARRIVED SAFE LOVE BOB"}, {&R::signedBy, "MARY"}});
    return with(example, changes);
}

} // namespace vellicor::test
