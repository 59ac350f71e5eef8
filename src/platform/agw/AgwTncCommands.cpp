// The command-mode commands of the AGW TNC.
#include "platform/agw/AgwTexts.h"
#include "platform/agw/AgwTnc.h"
#include "platform/agw/TncValues.h"

#include <QRegularExpression>

namespace vellicor {

using namespace tncvalue;

namespace {

// Any AX.25 address: a station, a digipeater alias or a node name.
bool isAddress(const QByteArray& call)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z0-9]{1,6}(-([0-9]|1[0-5]))?$"));
    return pattern.match(QString::fromLatin1(call)).hasMatch();
}

QList<QByteArray> words(const QByteArray& line)
{
    QList<QByteArray> parts = line.simplified().split(' ');
    parts.removeAll(QByteArray());
    return parts;
}

// The digipeaters after VIA (or V): separated by commas, spaces or both.
std::optional<QList<QByteArray>> digipeaters(const QList<QByteArray>& args)
{
    QList<QByteArray> digis;
    for (const QByteArray& arg : args) {
        for (const QByteArray& digi : arg.toUpper().split(',')) {
            if (digi.isEmpty())
                continue;
            if (!isAddress(digi))
                return std::nullopt;
            digis.append(digi);
        }
    }
    if (digis.isEmpty() || digis.size() > AgwTnc::kMaxDigipeaters)
        return std::nullopt;
    return digis;
}

QByteArray callField(const QByteArray& call)
{
    QByteArray field = call.left(AgwFrame::kCallBytes - 1);
    field.resize(AgwFrame::kCallBytes, '\0');
    return field;
}

} // namespace

void AgwTnc::runCommand(const QByteArray& line)
{
    const QList<QByteArray> parts = words(line);
    if (parts.isEmpty()) {
        m_forTerminal += agwtext::kPrompt;
        return;
    }
    const QByteArray word = parts.first().toUpper();
    const QList<QByteArray> args = parts.mid(1);
    if (word == "MYCALL" || word == "MY")
        myCallCommand(args);
    else if (word == "CONNECT" || word == "C")
        connectCommand(args);
    else if (word == "DISCONNECT" || word == "D")
        disconnectCommand();
    else if (word == "CONV" || word == "CONVERSE" || word == "K")
        m_converse = true;
    else if (word == "MONITOR" || word == "M")
        monitorCommand(args);
    else if (word == "ECHO")
        flagCommand("ECHO", m_echo, args);
    else if (word == "PACLEN" || word == "P")
        paclenCommand(args);
    else if (word == "DAYTIME" || word == "DA")
        daytimeCommand(args);
    else if (word == "WORDOUT" || word == "WO")
        flagCommand("WORDOUT", m_wordOut, args);
    else if (word == "AUTOLF" || word == "XFLOW" || word == "PACKET")
        answer({}); // settings of a hardware TNC that mean nothing here
    else if (word == "HELP" || word == "H")
        answer({agwtext::kHelp});
    else
        answer({agwtext::kUnknownCommand});
}

void AgwTnc::myCallCommand(const QList<QByteArray>& args)
{
    if (args.isEmpty()) {
        answer({"MYCALL " + m_myCall});
        return;
    }
    const QByteArray call = args.first().toUpper();
    if (args.size() > 1 || !isStationCall(call)) {
        answer({agwtext::kBadValue});
        return;
    }
    if (call != m_myCall && m_engineUp) {
        if (!m_myCall.isEmpty())
            send('x');
        m_myCall = call;
        send('X');
    }
    m_myCall = call;
    answer({});
}

// "C call", "C call VIA digi,digi" or "C call V digi digi"; "C" alone tells
// the link state.
void AgwTnc::connectCommand(const QList<QByteArray>& args)
{
    const Link* current = link(m_channel);
    if (args.isEmpty()) {
        answer({current && current->state == LinkState::Connected ? agwtext::kLinkConnected + current->call
                                                                   : QByteArray(agwtext::kLinkDisconnected)});
        return;
    }
    if (current) {
        answer({agwtext::kAlreadyConnected + current->call});
        return;
    }
    if (m_myCall.isEmpty()) {
        answer({agwtext::kNoMyCall});
        return;
    }
    const QByteArray call = args.first().toUpper();
    const bool via = args.size() > 1 && (args.at(1).toUpper() == "VIA" || args.at(1).toUpper() == "V");
    const std::optional<QList<QByteArray>> digis = via ? digipeaters(args.mid(2)) : QList<QByteArray>();
    if (!isAddress(call) || (args.size() > 1 && !via) || !digis) {
        answer({agwtext::kBadValue});
        return;
    }
    Link& made = m_links[m_channel];
    made.call = call;
    if (digis->isEmpty()) {
        send('C', call);
    } else {
        QByteArray path(1, char(digis->size()));
        for (const QByteArray& digi : *digis)
            path += callField(digi);
        send('v', call, path);
    }
}

void AgwTnc::disconnectCommand()
{
    Link* current = link(m_channel);
    if (!current) {
        answer({agwtext::kNotConnected});
        return;
    }
    queueTyped(*current);
    current->state = LinkState::Disconnecting;
    send('d', current->call);
}

void AgwTnc::monitorCommand(const QList<QByteArray>& args)
{
    const bool was = m_monitor;
    flagCommand("MONITOR", m_monitor, args);
    if (m_monitor != was && m_engineUp)
        send('m'); // the engine's monitor request switches monitoring on and off in turn
}

void AgwTnc::paclenCommand(const QList<QByteArray>& args)
{
    if (args.isEmpty()) {
        answer({"PACLEN " + QByteArray::number(m_paclen)});
        return;
    }
    bool ok = false;
    const int value = args.first().toInt(&ok);
    if (args.size() > 1 || !ok || value < 1 || value > 256) {
        answer({agwtext::kBadValue});
        return;
    }
    m_paclen = value;
    answer({});
}

void AgwTnc::daytimeCommand(const QList<QByteArray>& args)
{
    if (args.isEmpty()) {
        if (!m_clockOffset) {
            answer({agwtext::kClockNotSet});
            return;
        }
        const QDateTime shown = wallClock().addSecs(*m_clockOffset);
        answer({"DAYTIME " + shown.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1()});
        return;
    }
    const std::optional<QDateTime> stamp = parseDaytime(args.first());
    if (args.size() > 1 || !stamp) {
        answer({agwtext::kBadValue});
        return;
    }
    m_clockOffset = wallClock().secsTo(*stamp);
    answer({});
}

void AgwTnc::flagCommand(const QByteArray& name, bool& flag, const QList<QByteArray>& args)
{
    if (args.isEmpty()) {
        answer({name + (flag ? " ON" : " OFF")});
        return;
    }
    const std::optional<bool> value = flagValue(args.first());
    if (args.size() > 1 || !value) {
        answer({agwtext::kBadValue});
        return;
    }
    flag = *value;
    answer({});
}

// The wall clock's date and time of day, without its time zone, so DAYTIME
// keeps the stamp's figures whatever zone or summer time applies.
QDateTime AgwTnc::wallClock() const
{
    const QDateTime now = m_clock();
    return QDateTime(now.date(), now.time(), Qt::UTC);
}

} // namespace vellicor
