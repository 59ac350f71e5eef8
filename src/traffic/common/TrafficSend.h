#pragma once

#include "traffic/common/Transmission.h"

#include <QString>

#include <functional>

namespace vellicor {

class Pauser;
class Prompter;
class TncWriter;

// The notes shown after a message form's send; the same for every form.
namespace TrafficSendTexts {
inline const QString kTransmitting = QStringLiteral(
    "Message is transmitting.  TNC is now in CONVerse mode.\r\n"
    "(Ignore 'cmd:' prompt embedded in text or at bottom of main screen.)");
inline const QString kPortNotOpen = QStringLiteral("The serial port is not open. The message was not sent.");
inline const QString kPortLost = QStringLiteral(
    "The serial port closed during the transmission. The message was not completely sent.");
}

enum class TrafficSendResult {
    Declined,      // the operator answered No: nothing sent, nothing changed
    NotSent,       // the port was closed: nothing sent, nothing changed
    Sent,          // the whole message went out; the form is to be hidden
    Incomplete,    // the port closed partway; the form stays shown
};

// The send of a message form: asks the question, makes sure the port is
// open before anything changes, lets the form prepare itself and build its
// transmission (prepare runs only after both checks), plays it and tells
// the operator how it went.
class TrafficSend {
public:
    TrafficSend(Prompter& prompter, TncWriter& writer, Pauser& pauser);

    TrafficSendResult run(const QString& question, const std::function<Transmission()>& prepare);

private:
    Prompter& m_prompter;
    TncWriter& m_writer;
    Pauser& m_pauser;
};

} // namespace vellicor
