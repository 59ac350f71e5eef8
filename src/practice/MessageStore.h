#pragma once

#include "practice/BoardMessage.h"

#include <QList>
#include <QString>

#include <optional>

namespace vellicor {

// The practice board's messages in one folder: each message's text in a file of
// its own ("msg" + five-digit number + ".txt", e.g. "msg00001.txt", holding the
// exact bytes received) and the headings in "index.txt" (one CR LF line each:
// number;type;read;to;at;from;posted;title). Every write goes through QSaveFile.
// Methods that change the folder return an empty text on success, else the reason.
class MessageStore {
public:
    explicit MessageStore(QString folder) : m_folder(std::move(folder)) {}

    // Creates the folder when missing and reads the index of an earlier run.
    QString open();
    // The folder held no index and no message when it was opened.
    bool isNew() const { return m_new; }
    const QList<BoardMessage>& messages() const { return m_messages; }
    std::optional<BoardMessage> find(int number) const;

    // Gives the message the next free number, writes its text and the index.
    QString add(BoardMessage& message, const QByteArray& text);
    QString remove(int number);
    QString markRead(int number);
    std::optional<QByteArray> text(int number) const;

    QString folder() const { return m_folder; }
    QString pathOf(int number) const;
    static QString fileNameFor(int number);

private:
    int nextNumber() const;
    int highestNumberOnDisk() const;
    QString saveIndex() const;
    qsizetype indexOf(int number) const;

    QString m_folder;
    QList<BoardMessage> m_messages;
    bool m_new = false;
};

} // namespace vellicor
