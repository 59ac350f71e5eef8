#pragma once

#include <QString>

#include <optional>

namespace vellicor {

// Port line settings as the text "baud,parity,data,stop", e.g. "9600,n,8,1".
// This is the one parser of that text: start-up, the command line and the
// Properties dialog all go through it.
struct LineSettings {
    int baud = 9600;
    QChar parity = QLatin1Char('N'); // N, E, O, M or S, upper case
    int dataBits = 8;                // 4 to 8
    QString stopBits = QStringLiteral("1"); // "1", "1.5" or "2"

    static std::optional<LineSettings> parse(const QString& text);
    QString toString() const;
};

} // namespace vellicor
