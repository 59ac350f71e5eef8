#pragma once

#include <QDate>
#include <QString>

namespace vellicor {

class FileDialogs;
class Prompter;
struct AresMessage;

// Open, Save and Save As of the ARES form, and the form's current file.
class AresFileCommands {
public:
    AresFileCommands(Prompter& prompter, FileDialogs& dialogs);

    // The file last opened, or saved under Save As; empty when there is none.
    QString currentFile() const { return m_currentFile; }
    bool saveEnabled() const { return !m_currentFile.isEmpty(); }
    // New forgets the current file, which disables Save.
    void forgetFile() { m_currentFile.clear(); }

    // Asks for a file and fills a cleared form from it as far as the file
    // is in the layout. False (form unchanged) when the operator cancels or
    // the file cannot be opened.
    bool open(AresMessage& message, const QDate& today);
    // Writes to the current file without asking; a failure is shown.
    void save(const AresMessage& message);
    // Writes to a chosen file, asking before replacing one. The file becomes
    // the current one only when it was written; a failure is shown.
    void saveAs(const AresMessage& message);

private:
    bool confirmOverwrite(const QString& path);
    bool write(const QString& path, const AresMessage& message);

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    QString m_currentFile;
    QString m_lastDialogName;
};

} // namespace vellicor
