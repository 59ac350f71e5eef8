#include "terminal/TerminalPreferences.h"

#include "terminal/Conversions.h"

namespace vellicor {

TerminalPreferences TerminalPreferences::load(const SettingsStore& store)
{
    TerminalPreferences loaded;
    if (const auto text = store.value(kGroup, kSessionLog))
        loaded.sessionLog = Conversions::flag(*text).value_or(loaded.sessionLog);
    if (const auto text = store.value(kGroup, kScrollbackLines)) {
        if (const auto lines = Conversions::wholeNumber(*text, 0, 10'000'000))
            loaded.scrollbackLines = static_cast<int>(*lines);
    }
    if (const auto text = store.value(kGroup, kReconnect))
        loaded.reconnect = Conversions::flag(*text).value_or(loaded.reconnect);
    return loaded;
}

void TerminalPreferences::store(SettingsStore& store) const
{
    const auto word = [](bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); };
    store.setValue(kGroup, kSessionLog, word(sessionLog));
    store.setValue(kGroup, kScrollbackLines, QString::number(scrollbackLines));
    store.setValue(kGroup, kReconnect, word(reconnect));
}

} // namespace vellicor
