// The practice board's commands: send, list, read, kill and the tactical call.
#include "practice/BoardFormat.h"
#include "practice/BoardTexts.h"
#include "practice/MessageStore.h"
#include "practice/PracticeBoard.h"
#include "practice/PracticeText.h"

namespace vellicor {

namespace {

char typeOfSend(const QByteArray& word)
{
    if (word == "SB")
        return 'B';
    if (word == "ST")
        return 'T';
    return 'P';
}

// The number after R or K, or 0 when there is none.
int messageNumber(const QList<QByteArray>& args)
{
    if (args.isEmpty())
        return 0;
    bool ok = false;
    const int number = args.first().toInt(&ok);
    return ok && number > 0 ? number : 0;
}

QByteArray numberText(int number)
{
    return QByteArray::number(number);
}

} // namespace

QByteArray PracticeBoard::startSend(const QByteArray& word, const QByteArray& arguments)
{
    const SendAddress address = parseSendAddress(arguments);
    if (!address.error.isEmpty())
        return crLfLines({address.error}) + prompt();
    m_draft = BoardMessage{};
    m_draft.type = typeOfSend(word);
    m_draft.to = address.to;
    m_draft.at = address.at;
    m_stage = Stage::Title;
    return crLfLines({boardtext::kTitlePrompt});
}

QByteArray PracticeBoard::listMessages() const
{
    return formatListing(m_store.messages());
}

QByteArray PracticeBoard::readMessage(const QList<QByteArray>& args)
{
    const int number = messageNumber(args);
    if (number == 0)
        return crLfLines({fillText(boardtext::kNeedNumber, "R")});
    const std::optional<QByteArray> text = m_store.text(number);
    if (!text)
        return crLfLines({fillText(boardtext::kNotFound, numberText(number))});
    const BoardMessage heading = *m_store.find(number);
    m_store.markRead(number); // a read flag that cannot be saved changes nothing shown
    return formatReading(heading, *text);
}

QByteArray PracticeBoard::killMessage(const QList<QByteArray>& args)
{
    const int number = messageNumber(args);
    if (number == 0)
        return crLfLines({fillText(boardtext::kNeedNumber, "K")});
    const std::optional<BoardMessage> message = m_store.find(number);
    if (!message)
        return crLfLines({fillText(boardtext::kNotFound, numberText(number))});
    if (!ownsMessage(*message))
        return crLfLines({fillText(boardtext::kNotYours, numberText(number))});
    const QString failure = m_store.remove(number);
    if (!failure.isEmpty())
        return crLfLines({fillText(boardtext::kCannotKill, numberText(number), failure.toUtf8())});
    return crLfLines({fillText(boardtext::kKilled, numberText(number))});
}

// A caller may kill what was sent by or to its own call or its tactical call.
bool PracticeBoard::ownsMessage(const BoardMessage& message) const
{
    for (const QByteArray& call : {m_caller, m_alias}) {
        if (!call.isEmpty() && (message.from == call || message.to == call))
            return true;
    }
    return false;
}

// Setting a tactical call keeps the caller on the own call until SWITCH, so
// "SET/ALIAS x" then "SWITCH" always ends under x, and "SWITCH" then
// "SET/NOALIAS" always ends under the own call.
QByteArray PracticeBoard::setAlias(const QList<QByteArray>& args)
{
    if (args.isEmpty() || !isCallLike(args.first()))
        return crLfLines({boardtext::kAliasNeedsCall});
    m_alias = args.first().toUpper();
    m_underAlias = false;
    return crLfLines({fillText(boardtext::kAliasSet, m_alias)});
}

QByteArray PracticeBoard::removeAlias()
{
    if (m_alias.isEmpty())
        return crLfLines({boardtext::kNoAliasToRemove});
    const QByteArray removed = m_alias;
    m_alias.clear();
    m_underAlias = false;
    return crLfLines({fillText(boardtext::kAliasRemoved, removed, m_caller)});
}

QByteArray PracticeBoard::switchCall()
{
    if (m_alias.isEmpty())
        return crLfLines({boardtext::kNoAliasToSwitch});
    m_underAlias = !m_underAlias;
    return crLfLines({fillText(boardtext::kNowWorkingAs, workingCall())});
}

QByteArray PracticeBoard::sayBye()
{
    m_hungUp = true;
    return crLfLines({boardtext::kBye});
}

} // namespace vellicor
