#include "practice/NetControl.h"

#include "practice/PracticeText.h"

namespace vellicor {

namespace {

inline constexpr char kCall[] = "N0NET";
inline constexpr char kGreeting[] =
    "N0NET: Good day %1, this is N0NET, net control for the county ARES practice net.\r\n"
    "Check in with your call and location, or say QTC if you have traffic. K";
inline constexpr char kCheckedIn[] = "Roger %1, you are checked in. Any traffic for the net? K";
inline constexpr char kAlreadyIn[] = "%1, you are already on my list. Stand by. K";
inline constexpr char kTraffic[] =
    "Roger %1, go ahead and post your traffic on N0BBS: ST zip @NTSxx for a radiogram,\r\n"
    "S and the tactical call for an ARES message. Tell me the message number when done. K";
inline constexpr char kHelp[] = "Say CHECK IN to check in, QTC if you have traffic, 73 to leave the net. K";
inline constexpr char kCopy[] = "Roger %1, copy \"%2\". Anything else? K";
inline constexpr char kSignOff[] = "73 %1, thanks for joining the net. N0NET clear.";

bool hasWord(const QList<QByteArray>& said, const QList<QByteArray>& wanted)
{
    for (const QByteArray& word : said) {
        if (wanted.contains(word))
            return true;
    }
    return false;
}

} // namespace

QByteArray NetControl::callSign() const
{
    return kCall;
}

QByteArray NetControl::connect(const QByteArray& caller)
{
    m_caller = caller;
    return crLfLines({fillText(kGreeting, caller)});
}

QByteArray NetControl::receive(const QByteArray& bytes)
{
    QByteArray out;
    for (char byte : bytes) {
        if (m_hungUp)
            break;
        if (m_lines.feed(byte))
            out += answer(m_lines.takeLine());
    }
    return out;
}

QByteArray NetControl::answer(const QByteArray& line)
{
    QByteArray spoken;
    for (char c : line) {
        if (static_cast<unsigned char>(c) >= 32)
            spoken += c;
    }
    spoken = spoken.trimmed();
    if (spoken.isEmpty())
        return {};
    QByteArray plain = spoken.toUpper();
    for (char& c : plain) {
        if (c == ',' || c == '.' || c == '!')
            c = ' ';
    }
    const QList<QByteArray> said = words(plain);
    if (hasWord(said, {"73", "BYE", "SK", "QRT"})) {
        m_hungUp = true;
        return crLfLines({fillText(kSignOff, m_caller)});
    }
    if (hasWord(said, {"QTC", "TRAFFIC"}))
        return crLfLines({fillText(kTraffic, m_caller)});
    if (plain.contains("CHECK") || hasWord(said, {"QRV", "CHECKIN"})) {
        const char* reply = m_checkedIn ? kAlreadyIn : kCheckedIn;
        m_checkedIn = true;
        return crLfLines({fillText(reply, m_caller)});
    }
    if (hasWord(said, {"?", "HELP"}) || spoken == "?")
        return crLfLines({kHelp});
    return crLfLines({fillText(kCopy, m_caller, spoken.left(60))});
}

} // namespace vellicor
