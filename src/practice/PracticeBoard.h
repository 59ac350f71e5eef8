#pragma once

#include "practice/BodyCollector.h"
#include "practice/BoardMessage.h"
#include "practice/LineAssembler.h"
#include "practice/PracticeStation.h"

#include <optional>

namespace vellicor {

class MessageStore;

// The practice bulletin board N0BBS: send commands (S, SP, SB, ST) with a title
// prompt and a text ended by Ctrl-Z or "/EX", L, R n and K n, the tactical-call
// commands SET/ALIAS, SET/NOALIAS and SWITCH, H for help and B for bye.
// Messages go to a MessageStore shared by every caller.
class PracticeBoard final : public PracticeStation {
public:
    PracticeBoard(MessageStore& store, PracticeClock clock,
                  qsizetype textLimit = BodyCollector::kDefaultLimit);

    QByteArray callSign() const override;
    QByteArray connect(const QByteArray& caller) override;
    QByteArray receive(const QByteArray& bytes) override;
    bool hungUp() const override { return m_hungUp; }
    void linkLost() override;

    // The call the caller works under now: own call, or the tactical call after SWITCH.
    QByteArray workingCall() const { return m_underAlias ? m_alias : m_caller; }

private:
    enum class Stage { Command, Title, Text };

    QByteArray takeByte(char byte);
    QByteArray takeTextByte(char byte);
    QByteArray onLine(const QByteArray& line);
    QByteArray onCommand(const QByteArray& line);
    QByteArray onTitle(const QByteArray& title);
    QByteArray finishText();
    QByteArray prompt() const;

    // Commands (BoardCommands.cpp).
    QByteArray startSend(const QByteArray& word, const QByteArray& arguments);
    QByteArray listMessages() const;
    QByteArray readMessage(const QList<QByteArray>& args);
    QByteArray killMessage(const QList<QByteArray>& args);
    QByteArray setAlias(const QList<QByteArray>& args);
    QByteArray removeAlias();
    QByteArray switchCall();
    QByteArray sayBye();
    bool ownsMessage(const BoardMessage& message) const;

    MessageStore& m_store;
    PracticeClock m_clock;
    qsizetype m_textLimit;
    LineAssembler m_lines;
    std::optional<BodyCollector> m_text;
    BoardMessage m_draft;
    Stage m_stage = Stage::Command;
    QByteArray m_caller;
    QByteArray m_alias;
    bool m_underAlias = false;
    bool m_hungUp = false;
};

} // namespace vellicor
