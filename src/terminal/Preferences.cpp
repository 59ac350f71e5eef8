#include "terminal/Preferences.h"

#include "terminal/Conversions.h"

namespace vellicor::Preferences {

namespace {

QString read(const SettingsStore& store, const QString& key, const QString& fallback)
{
    return store.value(kGroup, key).value_or(fallback);
}

std::optional<quint32> readColor(const SettingsStore& store, const QString& key, const QString& fallback)
{
    const std::optional<qint32> value = Conversions::int32(read(store, key, fallback));
    if (!value)
        return std::nullopt;
    return static_cast<quint32>(*value);
}

QString trueFalse(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

LoadResult load(const SettingsStore& store, TerminalGlobals& globals, SerialLink& link)
{
    LoadResult result;
    auto fail = [&result] { result.anyFailed = true; };
    if (store.unreadable())
        fail();

    if (globals.gPortSettings.isEmpty()) {
        globals.gPortSettings = read(store, kSettings, QStringLiteral("9600,n,8,1"));
        globals.gSettingsFromPrefs = true;
    }
    if (link.setSettings(globals.gPortSettings))
        fail();

    if (globals.gCommPort == 0) {
        if (const auto port = Conversions::int16(read(store, kCommPort, QStringLiteral("2"))))
            globals.gCommPort = *port;
        else
            fail();
        globals.gCommPortFromPrefs = true;
    }
    if (link.setPortNumber(globals.gCommPort))
        fail();

    const auto handshaking = Conversions::int32(read(store, kHandshaking, QStringLiteral("2")));
    if (!handshaking || link.setHandshaking(*handshaking))
        fail();

    if (const auto echo = Conversions::flag(read(store, kEcho, QStringLiteral("True"))))
        globals.gLocalEcho = *echo;
    else
        fail();
    if (const auto length = Conversions::int16(read(store, kMaxLineLength, QStringLiteral("70"))))
        globals.gMaxLineLength = *length;
    else
        fail();

    if (const auto color = readColor(store, kRxFore, QStringLiteral("&H00FFFF")))
        globals.gRxForeColor = *color;
    else
        fail();
    if (const auto color = readColor(store, kTxFore, QStringLiteral("&HFFFF00")))
        globals.gTxForeColor = *color;
    else
        fail();

    result.colors.receivedBack = readColor(store, kRxBack, QStringLiteral("0"));
    result.colors.sentBoxFore = readColor(store, kBoxFore, QStringLiteral("&H0000FFFF"));
    result.colors.sentBoxBack = readColor(store, kBoxBack, QStringLiteral("0"));
    if (!result.colors.receivedBack || !result.colors.sentBoxFore || !result.colors.sentBoxBack)
        fail();
    return result;
}

void storePortAndTyping(SettingsStore& store, const TerminalGlobals& globals, const SerialLink& link)
{
    if (globals.gSettingsFromPrefs)
        store.setValue(kGroup, kSettings, link.settings());
    if (globals.gCommPortFromPrefs)
        store.setValue(kGroup, kCommPort, QString::number(link.portNumber()));
    store.setValue(kGroup, kHandshaking, QString::number(link.handshaking()));
    store.setValue(kGroup, kEcho, trueFalse(globals.gLocalEcho));
    store.setValue(kGroup, kMaxLineLength, QString::number(globals.gMaxLineLength));
}

void storeColors(SettingsStore& store, const TerminalGlobals& globals, quint32 receivedBack,
                 quint32 sentBoxFore, quint32 sentBoxBack)
{
    store.setValue(kGroup, kRxFore, QString::number(globals.gRxForeColor));
    store.setValue(kGroup, kTxFore, QString::number(globals.gTxForeColor));
    store.setValue(kGroup, kRxBack, QString::number(receivedBack));
    store.setValue(kGroup, kBoxFore, QString::number(sentBoxFore));
    store.setValue(kGroup, kBoxBack, QString::number(sentBoxBack));
}

} // namespace vellicor::Preferences
