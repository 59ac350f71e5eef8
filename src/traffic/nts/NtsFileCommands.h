#pragma once

#include <QDate>
#include <QString>

namespace vellicor {

class FileDialogs;
class Prompter;
struct Radiogram;

// Open, Save and Save As of the NTS form, and the form's current file.
class NtsFileCommands {
public:
    NtsFileCommands(Prompter& prompter, FileDialogs& dialogs);

    // The file last opened or saved under Save As; empty until then.
    QString currentFile() const { return m_currentFile; }
    bool saveEnabled() const { return m_saveEnabled; }
    // New disables Save but keeps the current file's name.
    void disableSave() { m_saveEnabled = false; }

    // Asks for a file and fills a cleared form from it. False (form
    // unchanged) when the operator cancels or the file cannot be read.
    bool open(Radiogram& radiogram, const QDate& today);
    // Writes to the current file without asking; a failure is shown.
    void save(Radiogram& radiogram);
    // Writes to a chosen file, asking before replacing one. The file becomes
    // the current one only when it was written; a failure is shown.
    void saveAs(Radiogram& radiogram);

private:
    bool confirmOverwrite(const QString& path);
    bool write(const QString& path, Radiogram& radiogram);

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    QString m_currentFile;
    QString m_lastDialogName;
    bool m_saveEnabled = false;
};

} // namespace vellicor
