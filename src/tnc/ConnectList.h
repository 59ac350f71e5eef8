#pragma once

#include "tnc/TncGlobals.h"
#include "platform/api/Beeper.h"
#include "terminal/FileErrors.h"
#include "terminal/ProgramFolder.h"
#include "terminal/TncWriter.h"
#include "terminal/Windows1252.h"
#include "tnc/FieldRules.h"
#include "tnc/ScriptHost.h"

#include <QStringList>

#include <optional>

namespace vellicor {

// The connect list: stations the operator connects to often, kept in the file
// named by gConnectsFile inside the program's folder, one entry a line
// ("CALL" or "CALL;note"). Add and Delete save the list at once, atomically;
// a failed save leaves the old file whole and is told in the status panel.
class ConnectList {
public:
    // The dialog's station box takes typed letters as capitals; an entry picked keeps its case.
    static constexpr FieldRule kFieldRules[] = {{.name = "cmbStationList", .typing = upperWindows1252}};

    ConnectList(TncGlobals& globals, const ProgramFolder& folder, TncWriter& writer, Beeper& beeper,
                ScriptHost& host);

    // The call part of an entry: the trimmed entry up to its first ";".
    static QString CallFromListEntry(const QString& entry);
    // The writes of "Connect": Ctrl-C, then the connect command, the call and CR.
    static QStringList connectWrites(const QString& connectCmd, const QString& listText);
    static QString saveFailedStatus(const FileError& error);

    QString filePath() const;
    // Reads the file; a missing or unreadable file gives an empty list.
    void load();
    const QStringList& entries() const { return m_entries; }

    // "Connect": writes connectWrites() to the TNC.
    void connectStation(const QString& listText);
    // Beeps for an entry already in the list (exact match); else adds it trimmed and saves.
    void addToList(const QString& listText);
    // Removes entry `index` (nothing for -1) and saves.
    void deleteFromList(int index);
    bool SaveStationList();

private:
    TncGlobals& m_globals;
    ProgramFolder m_folder;
    TncWriter& m_writer;
    Beeper& m_beeper;
    ScriptHost& m_host;
    QStringList m_entries;
};

} // namespace vellicor
