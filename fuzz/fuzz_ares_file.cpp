// The ARES message file: any file opened into the message form, and any
// form the operator can fill, saved and opened again.
//
// The same bytes serve twice. As a file: what is read from it, saved,
// opened again and saved again gives the same file. As the lines of a form
// (priority, subject, date, time, TO call and name, FROM call and name,
// sent time, operator's call, then the message text): saving the form and
// opening the file gives back every field, the dates and times in their
// normal forms. The layout cannot carry a few texts, which are left out:
// blanks at a field's ends, a priority of more than one character, a ")" in
// a tactical call, " BY " in the sent time, a message text line starting
// "END MSG SENT ", and four blanks inside a date longer than ten characters.
#include "FileFuzzing.h"
#include "terminal/TextFile.h"
#include "terminal/Windows1252.h"
#include "traffic/ares/AresFields.h"
#include "traffic/ares/AresFile.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/common/TrafficPatterns.h"

using namespace vellicor;

namespace {

const QDate kToday(2026, 12, 5);
const QString kCrLf = QStringLiteral("\r\n");

AresMessage reopened(const QString& saved)
{
    AresMessage message = AresMessage::cleared(kToday);
    AresFile::readInto(TextFile::splitLines(saved), message);
    return message;
}

// What was read, saved, opened again and saved again gives the same file.
void checkSavedTwiceAlike(const AresMessage& read)
{
    const QString saved = AresFile::contents(read);
    if (AresFile::contents(reopened(saved)) != saved)
        fuzz::fail("saving the message opened again changes the file");
}

bool fitsTheLayout(const AresMessage& m)
{
    const QString sentClosing = m.msgSentTime + QStringLiteral(" BY ");
    return m.priority.size() <= 1 && !m.to.contains(QLatin1Char(')')) && !m.from.contains(QLatin1Char(')'))
        && sentClosing.indexOf(QLatin1String(" BY ")) == m.msgSentTime.size()
        && !(m.date.size() > 10 && m.date.contains(QLatin1String("    ")))
        && !m.message.startsWith(AresFile::kClosingStart)
        && !m.message.contains(kCrLf + AresFile::kClosingStart);
}

// A form filled from the lines, each one-line field as the form would keep it.
AresMessage filledForm(const QStringList& lines)
{
    AresMessage m;
    const QList<QString*> fields{&m.priority, &m.subject, &m.date, &m.time, &m.to, &m.toName, &m.from, &m.fromName, &m.msgSentTime, &m.by};
    for (qsizetype i = 0; i < fields.size(); ++i)
        *fields[i] = TrafficPatterns::trimSpaces(lines.value(i));
    m.priority = upperWindows1252(m.priority.left(1));
    for (qsizetype i = fields.size(); i < lines.size(); ++i)
        m.message += lines[i] + kCrLf;
    return m;
}

// A filled form, saved and opened again, gives back every field.
void checkFormComesBack(const QStringList& lines)
{
    const AresMessage form = filledForm(lines);
    if (!fitsTheLayout(form))
        return;
    AresMessage expected = form;
    expected.date = TrafficPatterns::formatDateMMDDYYYY(form.date);
    expected.time = TrafficPatterns::formatTimeHHMM(form.time);
    expected.msgSentTime = TrafficPatterns::formatTimeHHMM(form.msgSentTime);
    if (reopened(AresFile::contents(form)) != expected)
        fuzz::fail("a saved form opens with other field texts");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::writeScratchFile(QStringLiteral("TORMELM1.txt"), fuzz::bytesOf(data, size));
    const TextFile::ReadResult read = TextFile::readLines(path);
    if (read.error)
        fuzz::fail("a readable file reported an error");
    AresMessage message = AresMessage::cleared(kToday);
    AresFile::readInto(read.lines, message);
    checkSavedTwiceAlike(message);
    checkFormComesBack(read.lines);
    return 0;
}
