#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

// The values a command-mode TNC's commands take, as every built-in TNC reads them.
namespace vellicor::tncvalue {

// An operator's call: 3 to 6 letters and digits with at least one of each,
// then an optional SSID from 0 to 15 (upper case).
bool isStationCall(const QByteArray& call);
// ON/YES/Y or OFF/NO/N, any case.
std::optional<bool> flagValue(const QByteArray& word);
// "yymmddhhmm" or "yymmddhhmmss", years 2000 to 2099, as a UTC stamp.
std::optional<QDateTime> parseDaytime(const QByteArray& stamp);

} // namespace vellicor::tncvalue
