#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace vellicor {

// What reading received text as a message gives: the message's fields, or
// the reason it could not be read ("No preamble line found"), which the
// main window shows in the status panel.
template <typename Message>
struct ReceivedReading {
    std::optional<Message> message;
    QString reason;

    static ReceivedReading read(Message fields) { return {std::move(fields), QString()}; }
    static ReceivedReading failed(const QString& why) { return {std::nullopt, why}; }
};

// Line handling shared by the readers of received messages.
namespace ReceivedText {

// The lines of a received text: CR, LF and CR LF each end a line.
QStringList lines(const QString& text);
// A line of nothing but spaces, or none at all.
bool isBlank(const QString& line);
// Blank lines dropped from both ends of a list of lines.
QStringList withoutBlankEnds(QStringList lines);
// The lines joined by CR LF, the line break of the forms' multi-line fields.
QString joined(const QStringList& lines);
// Counts the decimal digits of a text.
qsizetype digitCount(const QString& text);
// The text before the first Ctrl-Z, the end of a bulletin-board message.
QString beforeCtrlZ(const QString& text);

} // namespace ReceivedText
} // namespace vellicor
