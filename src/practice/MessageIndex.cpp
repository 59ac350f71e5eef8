#include "practice/MessageIndex.h"

namespace vellicor {

namespace {

constexpr int kFieldsBeforeTitle = 7;

QByteArray formatLine(const BoardMessage& m)
{
    QByteArray line = QByteArray::number(m.number);
    line += ';';
    line += m.type;
    line += ';';
    line += m.read ? 'Y' : 'N';
    for (const QByteArray* field : {&m.to, &m.at, &m.from, &m.posted, &m.title}) {
        line += ';';
        line += *field;
    }
    return line;
}

bool parseLine(const QByteArray& line, BoardMessage& m)
{
    QList<QByteArray> parts = line.split(';');
    if (parts.size() <= kFieldsBeforeTitle)
        return false;
    bool ok = false;
    m.number = parts[0].toInt(&ok);
    if (!ok || m.number <= 0 || parts[1].size() != 1 || parts[2].size() != 1)
        return false;
    m.type = parts[1].at(0);
    m.read = parts[2] == "Y";
    m.to = parts[3];
    m.at = parts[4];
    m.from = parts[5];
    m.posted = parts[6];
    m.title = parts.mid(kFieldsBeforeTitle).join(';');
    return true;
}

} // namespace

QByteArray formatIndex(const QList<BoardMessage>& messages)
{
    QByteArray text;
    for (const BoardMessage& m : messages)
        text += formatLine(m) + "\r\n";
    return text;
}

QList<BoardMessage> parseIndex(const QByteArray& text)
{
    QList<BoardMessage> messages;
    QByteArray normalised = text;
    normalised.replace("\r\n", "\n").replace('\r', '\n');
    for (const QByteArray& line : normalised.split('\n')) {
        BoardMessage m;
        if (!line.isEmpty() && parseLine(line, m))
            messages.append(m);
    }
    return messages;
}

} // namespace vellicor
