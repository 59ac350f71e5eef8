#pragma once

// What the traffic tests share: the example messages, their fields as lists,
// transmissions as text, and copies of messages and bytes with changes.
#include "TestFiles.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/common/Transmission.h"
#include "traffic/nts/Radiogram.h"

#include <QByteArray>

#include <initializer_list>
#include <utility>

namespace vellicor::test {

// What the TNC receives from a transmission, with "<0.5>" standing where it
// pauses half a second: one text tells the bytes and where the waits fall.
inline QByteArray streamOf(const Transmission& transmission)
{
    QByteArray stream;
    for (const TransmissionStep& step : transmission) {
        stream += step.kind == TransmissionStep::Kind::Write ? encodeWindows1252(step.text)
                                                             : "<" + QByteArray::number(step.seconds) + ">";
    }
    return stream;
}

// A message form's bytes with the two waits every send makes: half a second
// after "CONV", a second between the Ctrl-Z and the final CR.
inline QByteArray withPauses(QByteArray bytes)
{
    return bytes.replace("\x03" "CONV\r", "\x03" "CONV\r<0.5>").replace("\x1a\r", "\x1a<1>\r");
}

// The bytes with each pair's first text replaced by its second.
inline QByteArray swapped(QByteArray bytes, std::initializer_list<std::pair<QByteArray, QByteArray>> swaps)
{
    for (const auto& [from, to] : swaps)
        bytes.replace(from, to);
    return bytes;
}

// The notes a send shows once it has started, and when the port closed during it.
inline const QString kTransmitting =
    QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
                   "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)");
inline const QString kLost =
    QStringLiteral("The serial port closed during the transmission. The message was not completely sent.");

// A copy of a message with some of its text fields set.
template <typename Message>
Message with(Message message, std::initializer_list<std::pair<QString Message::*, QString>> changes)
{
    for (const auto& [field, text] : changes)
        message.*field = text;
    return message;
}

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
