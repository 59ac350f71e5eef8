#pragma once

#include <QList>
#include <QString>

namespace vellicor {

class Pauser;
class TncWriter;

// One step of a transmission: write these characters to the TNC, or wait.
struct TransmissionStep {
    enum class Kind { Write, Pause };
    Kind kind = Kind::Write;
    QString text;
    double seconds = 0.0;

    static TransmissionStep write(const QString& text) { return {Kind::Write, text, 0.0}; }
    static TransmissionStep pause(double seconds) { return {Kind::Pause, {}, seconds}; }
    bool operator==(const TransmissionStep&) const = default;
};

// A whole transmission as data: built from a message, compared in tests,
// played by PlayTransmission.
using Transmission = QList<TransmissionStep>;

// Characters with a meaning to the TNC and the bulletin board.
namespace TncChars {
inline const QString kCr = QStringLiteral("\r");
inline const QString kCtrlC = QString(QChar(3));
inline const QString kCtrlZ = QString(QChar(26));
}

// The steps that put the TNC into converse mode before a message: Ctrl-C,
// "CONV" and CR, then half a second for the TNC to switch.
Transmission converseModePrefix();

enum class TransmissionOutcome {
    Sent,                   // every write reached the port
    PortClosedBeforeStart,  // nothing was written
    LostPartway,            // a write failed; the rest was not written
};

// Plays the steps in order through SendToTnc and Pause. After a write fails
// the remaining writes are skipped but the remaining pauses still run, so
// the transmission takes the same time however it ends.
TransmissionOutcome PlayTransmission(const Transmission& transmission, TncWriter& writer, Pauser& pauser);

} // namespace vellicor
