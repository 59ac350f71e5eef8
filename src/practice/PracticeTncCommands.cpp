// The practice TNC's command-mode commands.
#include "practice/PracticeStations.h"
#include "practice/PracticeText.h"
#include "practice/PracticeTnc.h"
#include "practice/TncTexts.h"

#include <QRegularExpression>

namespace vellicor {

namespace {

// A station call: letters and digits with at least one of each, then an
// optional SSID from 0 to 15.
bool isStationCall(const QByteArray& call)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?=[A-Z0-9]*[0-9])(?=[A-Z0-9]*[A-Z])[A-Z0-9]{3,6}(-([0-9]|1[0-5]))?$"));
    return pattern.match(QString::fromLatin1(call)).hasMatch();
}

std::optional<bool> flagValue(const QByteArray& word)
{
    const QByteArray value = word.toUpper();
    if (value == "ON" || value == "YES" || value == "Y")
        return true;
    if (value == "OFF" || value == "NO" || value == "N")
        return false;
    return std::nullopt;
}

// "yymmddhhmm" or "yymmddhhmmss", years 2000 to 2099.
std::optional<QDateTime> parseDaytime(const QByteArray& stamp)
{
    if (stamp.size() != 10 && stamp.size() != 12)
        return std::nullopt;
    for (char c : stamp) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    auto field = [&stamp](int i) { return stamp.mid(i * 2, 2).toInt(); };
    const QDate date(2000 + field(0), field(1), field(2));
    const QTime time(field(3), field(4), stamp.size() == 12 ? field(5) : 0);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

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
