#include "terminal/CommandLine.h"

#include "terminal/Conversions.h"

#include <QStringList>

#include <array>

namespace vellicor {

namespace {

const std::array<QLatin1String, 4> kKeys = {
    QLatin1String("COMPORT"), QLatin1String("SETTINGS"), QLatin1String("STARTUP"), QLatin1String("SHUTDOWN")};

// A key counts only at the start of a token or right after a comma inside it
// (a token that began with a comma holds the rest of the line), so a path
// such as STARTUP=/HOME/OP/SETTINGS/KAM.TXT names no other key.
bool hasKey(const QString& token, QLatin1String key)
{
    return token.startsWith(key) || token.contains(QStringLiteral(",") + key);
}

bool containsKey(const QString& token)
{
    for (const QLatin1String key : kKeys) {
        if (hasKey(token, key))
            return true;
    }
    return false;
}

QStringList tokenize(QString rest)
{
    QStringList tokens;
    while (true) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 1) {
            tokens.append(rest);
            return tokens;
        }
        tokens.append(rest.left(comma));
        rest = rest.mid(comma + 1);
    }
}

// Joins the tokens that follow a SETTINGS token and hold no key back onto it.
QStringList rejoinSettings(const QStringList& tokens)
{
    QStringList joined;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        QString token = tokens[i];
        if (hasKey(token, kKeys[1])) {
            while (i + 1 < tokens.size() && !containsKey(tokens[i + 1]))
                token += QLatin1Char(',') + tokens[++i];
        }
        joined.append(token);
    }
    return joined;
}

void treatToken(const QString& token, CommandLineOptions& options)
{
    const qsizetype equals = token.indexOf(QLatin1Char('='));
    const QString value = equals < 0 ? token : token.mid(equals + 1);
    if (hasKey(token, kKeys[0])) {
        const qint64 port = Conversions::leadingNumber(value);
        options.commPort = (port >= 0 && port <= 32767) ? static_cast<int>(port) : 0;
    }
    if (hasKey(token, kKeys[1]))
        options.settings = value;
    if (hasKey(token, kKeys[2]))
        options.startupFile = value;
    if (hasKey(token, kKeys[3]))
        options.shutdownFile = value;
}

} // namespace

CommandLineOptions CommandLineOptions::parse(const QString& commandLine)
{
    CommandLineOptions options;
    for (const QString& token : rejoinSettings(tokenize(commandLine.toUpper())))
        treatToken(token, options);
    return options;
}

} // namespace vellicor
