#pragma once

#include <QString>

namespace vellicor {

// The board's answer to the last line sent to the TNC: everything received
// since a text with a line end went out (typically "R 3" and its CR), for
// the commands that open received traffic in a message form.
class BoardAnswer {
public:
    // At most this much of an answer is kept, its newest part.
    static constexpr qsizetype kLongestAnswer = 4 * 1024 * 1024;

    // A text written to the TNC; one with a line end starts a new answer.
    void sent(const QString& text);
    void received(const QString& chunk);

    // The answer without the board's trailing prompt line ("N0BBS>",
    // "cmd:"): the last line that is not blank, when it ends in ">" or ":".
    QString answer() const;
    // The text a command is to read: the selection when there is one, else the answer.
    QString textToOpen(const QString& selection) const { return selection.isEmpty() ? answer() : selection; }

private:
    QString m_answer;
};

} // namespace vellicor
