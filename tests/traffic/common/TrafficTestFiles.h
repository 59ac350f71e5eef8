#pragma once

#include "TestFiles.h"
#include "terminal/Windows1252.h"
#include "traffic/common/Transmission.h"

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
inline const QString kTransmitting = QStringLiteral("Message is transmitting.  TNC is now in CONVerse mode.\r\n"
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

} // namespace vellicor::test
