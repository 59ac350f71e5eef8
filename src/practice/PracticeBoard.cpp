#include "practice/PracticeBoard.h"

#include "practice/BoardTexts.h"
#include "practice/MessageStore.h"
#include "practice/PracticeText.h"

namespace vellicor {

PracticeBoard::PracticeBoard(MessageStore& store, PracticeClock clock, qsizetype textLimit)
    : m_store(store), m_clock(std::move(clock)), m_textLimit(textLimit)
{
}

QByteArray PracticeBoard::callSign() const
{
    return boardtext::kCall;
}

QByteArray PracticeBoard::connect(const QByteArray& caller)
{
    m_caller = caller;
    return crLfLines({boardtext::kSid, fillText(boardtext::kWelcome, caller), boardtext::kNoRadio,
                      boardtext::kHelpHint})
        + prompt();
}

QByteArray PracticeBoard::receive(const QByteArray& bytes)
{
    QByteArray out;
    for (char byte : bytes) {
        if (m_hungUp)
            break; // after "bye" the rest goes nowhere
        out += m_stage == Stage::Text ? takeTextByte(byte) : takeByte(byte);
    }
    return out;
}

void PracticeBoard::linkLost()
{
    // A message not ended by Ctrl-Z or "/EX" is not stored.
    m_text.reset();
    m_stage = Stage::Command;
    m_lines.reset();
}

QByteArray PracticeBoard::takeByte(char byte)
{
    if (!m_lines.feed(byte))
        return {};
    return onLine(m_lines.takeLine());
}

QByteArray PracticeBoard::takeTextByte(char byte)
{
    if (!m_text->feed(byte))
        return {};
    return finishText();
}

QByteArray PracticeBoard::onLine(const QByteArray& line)
{
    if (m_stage == Stage::Title)
        return onTitle(line);
    return onCommand(line);
}

QByteArray PracticeBoard::onCommand(const QByteArray& typed)
{
    // A stray control character (a Ctrl-Z after a refused send) is no command.
    QByteArray line;
    for (char c : typed) {
        if (static_cast<unsigned char>(c) >= 32)
            line += c;
    }
    const QList<QByteArray> parts = words(line);
    if (parts.isEmpty())
        return prompt();
    const QByteArray word = parts.first().toUpper();
    const QList<QByteArray> args = parts.mid(1);
    if (word == "S" || word == "SP" || word == "SB" || word == "ST")
        return startSend(word, line.trimmed().mid(parts.first().size()));
    if (word == "L")
        return listMessages() + prompt();
    if (word == "R")
        return readMessage(args) + prompt();
    if (word == "K")
        return killMessage(args) + prompt();
    if (word == "SET/ALIAS")
        return setAlias(args) + prompt();
    if (word == "SET/NOALIAS")
        return removeAlias() + prompt();
    if (word == "SWITCH")
        return switchCall() + prompt();
    if (word == "H" || word == "HELP" || word == "?")
        return crLfLines({boardtext::kHelp}) + prompt();
    if (word == "B" || word == "BYE")
        return sayBye();
    return crLfLines({fillText(boardtext::kUnknown, parts.first().left(20))}) + prompt();
}

QByteArray PracticeBoard::onTitle(const QByteArray& title)
{
    if (title.trimmed().isEmpty()) {
        m_stage = Stage::Command;
        return crLfLines({boardtext::kNoTitle}) + prompt();
    }
    m_draft.title = title;
    m_stage = Stage::Text;
    m_text.emplace(m_lines.lastEndWasCr(), m_textLimit);
    return crLfLines({boardtext::kTextPrompt});
}

QByteArray PracticeBoard::finishText()
{
    const BodyCollector text = *m_text;
    m_text.reset();
    m_stage = Stage::Command;
    m_lines.reset(text.endedOnCr());
    if (text.tooLong()) {
        const QByteArray limit = QByteArray::number(m_textLimit);
        return crLfLines({fillText(boardtext::kTooLong, limit)}) + prompt();
    }
    m_draft.from = workingCall();
    m_draft.posted = m_clock().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toLatin1();
    const QString failure = m_store.add(m_draft, text.text());
    if (!failure.isEmpty())
        return crLfLines({fillText(boardtext::kNotSaved, failure.toUtf8())}) + prompt();
    const QByteArray saved = fillText(boardtext::kSaved, QByteArray::number(m_draft.number),
                                      QByteArray::number(m_draft.size));
    return crLfLines({saved}) + prompt();
}

QByteArray PracticeBoard::prompt() const
{
    return crLfLines({boardtext::kPrompt});
}

} // namespace vellicor
