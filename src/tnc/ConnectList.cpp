#include "tnc/ConnectList.h"

#include "terminal/TextFile.h"
#include "tnc/AnsiText.h"

namespace vellicor {

namespace {

bool isBlankEntry(const QString& text)
{
    return text.isEmpty() || text == u" ";
}

} // namespace

ConnectList::ConnectList(TncGlobals& globals, const ProgramFolder& folder, TncWriter& writer, Beeper& beeper,
                         ScriptHost& host)
    : m_globals(globals)
    , m_folder(folder)
    , m_writer(writer)
    , m_beeper(beeper)
    , m_host(host)
{
}

QString ConnectList::CallFromListEntry(const QString& entry)
{
    if (isBlankEntry(entry))
        return {};
    const QString trimmed = AnsiText::trimSpaces(entry);
    const qsizetype semicolon = trimmed.indexOf(QLatin1Char(';'));
    return semicolon < 0 ? trimmed : trimmed.left(semicolon);
}

QStringList ConnectList::connectWrites(const QString& connectCmd, const QString& listText)
{
    if (isBlankEntry(listText))
        return {};
    return {QString(QChar(3)), connectCmd + QLatin1Char(' ') + CallFromListEntry(listText) + QLatin1Char('\r')};
}

QString ConnectList::saveFailedStatus(const FileError& error)
{
    return QStringLiteral("Status: Connect list not saved (Vellicor Error %1: %2)")
        .arg(error.number)
        .arg(error.description);
}

QString ConnectList::filePath() const
{
    return m_folder.resolveInside(m_globals.gConnectsFile);
}

void ConnectList::load()
{
    m_entries.clear();
    const TextFile::ReadResult read = TextFile::readLines(filePath());
    for (const QString& line : read.lines) {
        if (!isBlankEntry(line))
            m_entries.append(AnsiText::trimSpaces(line));
    }
}

void ConnectList::connectStation(const QString& listText)
{
    for (const QString& text : connectWrites(m_globals.gConnectCmd, listText))
        m_writer.SendToTnc(text);
}

void ConnectList::addToList(const QString& listText)
{
    if (m_entries.contains(listText)) {
        m_beeper.beep();
        return;
    }
    m_entries.append(AnsiText::trimSpaces(listText));
    SaveStationList();
}

void ConnectList::deleteFromList(int index)
{
    if (index >= 0 && index < m_entries.size())
        m_entries.removeAt(index);
    SaveStationList();
}

bool ConnectList::SaveStationList()
{
    QString text;
    for (const QString& entry : m_entries)
        text += entry + QStringLiteral("\r\n");
    const std::optional<FileError> error = TextFile::saveText(filePath(), text);
    if (error)
        m_host.setStatusText(saveFailedStatus(*error));
    return !error;
}

} // namespace vellicor
