#include "practice/PracticeOptions.h"

#include <QRegularExpression>

namespace vellicor {

namespace {

ParsedPracticeOptions failure(const QString& error)
{
    return {std::nullopt, error};
}

// "127.0.0.1:PORT" or "[::1]:PORT".
QString parseListen(const QString& value, PracticeOptions& options)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return QStringLiteral("--listen wants ADDRESS:PORT, not \"%1\"").arg(value);
    QString host = value.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    const QString portText = value.mid(colon + 1);
    bool digits = !portText.isEmpty() && portText.size() <= 5;
    for (QChar c : portText)
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const uint port = portText.toUInt();
    if (!digits || port > 65535)
        return QStringLiteral("--listen: \"%1\" is not a port number (0 to 65535)").arg(portText);
    const QHostAddress address(host);
    if (address.isNull() || !address.isLoopback())
        return QStringLiteral("--listen: \"%1\" is not a loopback address such as 127.0.0.1").arg(host);
    options.address = address;
    options.port = quint16(port);
    return {};
}

// "HOST:PORT" of an AGW engine, any host.
QString parseAgw(const QString& value, PracticeOptions& options)
{
    const qsizetype colon = value.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const uint port = colon > 0 ? value.mid(colon + 1).toUInt(&ok) : 0;
    if (!ok || port == 0 || port > 65535)
        return QStringLiteral("--agw wants HOST:PORT, not \"%1\"").arg(value);
    options.agwHost = value.left(colon);
    options.agwPort = quint16(port);
    return {};
}

bool isCall(const QString& call)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z0-9]{3,6}(-([0-9]|1[0-5]))?$"));
    return pattern.match(call.toUpper()).hasMatch();
}

} // namespace

ParsedPracticeOptions parsePracticeOptions(const QStringList& arguments)
{
    PracticeOptions options;
    bool listenGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& name = arguments.at(i);
        if (name == QLatin1String("--pty")) {
            options.pty = true;
            continue;
        }
        const bool takesValue = name == QLatin1String("--listen") || name == QLatin1String("--store")
            || name == QLatin1String("--transcript") || name == QLatin1String("--agw")
            || name == QLatin1String("--call");
        if (!takesValue)
            return failure(QStringLiteral("unknown option \"%1\"").arg(name));
        if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
            return failure(QStringLiteral("%1 needs a value").arg(name));
        const QString value = arguments.at(++i);
        if (name == QLatin1String("--listen")) {
            const QString error = parseListen(value, options);
            if (!error.isEmpty())
                return failure(error);
            listenGiven = true;
        } else if (name == QLatin1String("--agw")) {
            const QString error = parseAgw(value, options);
            if (!error.isEmpty())
                return failure(error);
        } else if (name == QLatin1String("--call")) {
            if (!isCall(value))
                return failure(QStringLiteral("--call: \"%1\" is not a call sign").arg(value));
            options.boardCall = value.toUpper().toLatin1();
        } else if (name == QLatin1String("--store")) {
            options.storeDir = value;
        } else {
            options.transcriptFile = value;
        }
    }
    if (!listenGiven && options.agwHost.isEmpty())
        return failure(QStringLiteral("--listen is required"));
    options.listen = listenGiven;
    if (options.storeDir.isEmpty())
        return failure(QStringLiteral("--store is required"));
    return {options, {}};
}

} // namespace vellicor
