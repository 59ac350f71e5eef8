#pragma once

#include "terminal/TncWriter.h"
#include "terminal/Windows1252.h"
#include "tnc/FieldRules.h"

#include <QStringList>

namespace vellicor {

// The tactical call (alias) on a PacketCluster PBBS, set or removed through
// the TNC in converse mode.
namespace TacticalCall {

// The dialog's one field takes typed letters as capitals.
inline constexpr FieldRule kFieldRules[] = {{.name = "txtTactical", .typing = upperWindows1252}};

// The writes of OK: "SET/ALIAS " + the trimmed alias, then "SWITCH"; or, for
// an empty text or a single space, "SWITCH" then "SET/NOALIAS". Each ends in CR.
QStringList writes(const QString& tactical);
void send(TncWriter& writer, const QString& tactical);

} // namespace TacticalCall
} // namespace vellicor
