#pragma once

#include "TrafficTestFiles.h"
#include "traffic/nts/Radiogram.h"

// The example NTS and ARES messages the traffic tests share.
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

// What the TNC receives for the example with the start-up send options.
inline const QByteArray kExampleTransmission = QByteArray("\x03") + "CONV\r" + "ST 80302 @NTSCO\r"
    + "QTC 1 BOULDER, CO\r" + "12 R  W1AW 4 DENVER CO 1430Z 12/05/2026\r" + "\r" + "JOHN DOE\r" + "12 MAIN ST\r"
    + "BOULDER, CO, 80302\r" + "(303) 555-1212  BT\r" + "\r" + "ARRIVED SAFE LOVE BOB\r\n" + "  BT\r" + "\r"
    + "MARY\r" + "\x1a" + "\r";

// The ARES example as its file holds it, the slashed zero as byte 216.
inline const QByteArray kTormelFile = "R, Shelter status\r\n12/05/2026    14:05\r\n\r\nTO:    (EOC) Net control\r\n"
                                      "FROM:  (SHELTER1) Shelter manager, Red Cross\r\n\r\nAll quiet.\r\n"
                                      "Need 20 cots.\r\nEND MSG SENT 14:20 BY N\xd8" "CALL\r\n";

} // namespace vellicor::test
