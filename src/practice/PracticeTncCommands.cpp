// The practice TNC's command-mode commands.
#include "platform/agw/TncValues.h"
#include "practice/PracticeStations.h"
#include "practice/PracticeText.h"
#include "practice/PracticeTnc.h"
#include "practice/TncTexts.h"

namespace vellicor {

using namespace tncvalue;

namespace {

QByteArray answer(const QList<QByteArray>& lines)
{
    return crLfLines(lines) + tnctext::kPrompt;
}

} // namespace

QByteArray PracticeTnc::runCommand(const QByteArray& line)
{
    const QList<QByteArray> parts = words(line);
    if (parts.isEmpty())
        return tnctext::kPrompt;
    const QByteArray word = parts.first().toUpper();
    const QList<QByteArray> args = parts.mid(1);
    if (word == "MYCALL" || word == "MY")
        return myCallCommand(args);
    if (word == "CONNECT" || word == "C")
        return connectCommand(args);
    if (word == "DISCONNECT" || word == "D")
        return disconnectCommand();
    if (word == "DAYTIME" || word == "DA")
        return daytimeCommand(args);
    if (word == "ECHO")
        return flagCommand("ECHO", m_echo, args);
    if (word == "WORDOUT" || word == "WO")
        return flagCommand("WORDOUT", m_wordOut, args);
    if (word == "CONV" || word == "CONVERSE" || word == "K") {
        m_converse = true;
        return {};
    }
    return answer({tnctext::kUnknownCommand});
}

QByteArray PracticeTnc::myCallCommand(const QList<QByteArray>& args)
{
    if (args.isEmpty())
        return answer({"MYCALL " + m_myCall});
    const QByteArray call = args.first().toUpper();
    if (args.size() > 1 || !isStationCall(call))
        return answer({tnctext::kBadValue});
    m_myCall = call;
    return answer({});
}

// "C call" (a path after the call, as in "C N0BBS V W1AW", is taken but not
// needed on the practice air); "C" alone tells the link state.
QByteArray PracticeTnc::connectCommand(const QList<QByteArray>& args)
{
    const QByteArray current = connectedTo(m_channel);
    if (args.isEmpty()) {
        return answer({current.isEmpty() ? QByteArray(tnctext::kLinkDisconnected)
                                         : fillText(tnctext::kLinkConnected, current)});
    }
    if (!current.isEmpty())
        return answer({fillText(tnctext::kAlreadyConnected, current)});
    const QByteArray call = args.first().toUpper();
    std::unique_ptr<PracticeStation> peer = m_stations.create(call);
    if (!peer)
        return answer({tnctext::kRetriesExceeded, fillText(tnctext::kDisconnected, call)});
    QByteArray out = crLfLines({fillText(tnctext::kConnected, peer->callSign())});
    out += peer->connect(m_myCall);
    m_links[m_channel] = std::move(peer);
    m_converse = true;
    return out;
}

QByteArray PracticeTnc::disconnectCommand()
{
    PracticeStation* peer = station(m_channel);
    if (!peer)
        return answer({tnctext::kNotConnected});
    const QByteArray call = peer->callSign();
    peer->linkLost();
    m_links.erase(m_channel);
    return answer({fillText(tnctext::kDisconnected, call)});
}

QByteArray PracticeTnc::daytimeCommand(const QList<QByteArray>& args)
{
    if (args.isEmpty()) {
        if (!m_clockOffset)
            return answer({tnctext::kClockNotSet});
        const QDateTime shown = wallClock().addSecs(*m_clockOffset);
        return answer({"DAYTIME " + shown.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1()});
    }
    const std::optional<QDateTime> stamp = parseDaytime(args.first());
    if (args.size() > 1 || !stamp)
        return answer({tnctext::kBadValue});
    m_clockOffset = wallClock().secsTo(*stamp);
    return answer({});
}

QByteArray PracticeTnc::flagCommand(const QByteArray& name, bool& flag, const QList<QByteArray>& args)
{
    if (args.isEmpty())
        return answer({name + (flag ? " ON" : " OFF")});
    const std::optional<bool> value = flagValue(args.first());
    if (args.size() > 1 || !value)
        return answer({tnctext::kBadValue});
    flag = *value;
    return answer({});
}

// The wall clock's date and time of day, without its time zone, so DAYTIME
// keeps the stamp's figures whatever zone or summer time applies.
QDateTime PracticeTnc::wallClock() const
{
    const QDateTime now = m_clock();
    return QDateTime(now.date(), now.time(), Qt::UTC);
}

} // namespace vellicor
