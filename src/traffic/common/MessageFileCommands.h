#pragma once

#include "terminal/FileErrors.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace vellicor {

class FileDialogs;
class Prompter;

// Open, Save and Save As of a message form, and the form's current file.
// Each form brings its own file layout: a reader that fills the cleared
// form from a file's lines, and a writer that saves the form to a path.
class MessageFileCommands {
public:
    // Clears the form and fills it from the lines of an opened file.
    using Reader = std::function<void(const QStringList& lines)>;
    // Saves the form to a path; the failure, if any.
    using Writer = std::function<std::optional<FileError>(const QString& path)>;

    MessageFileCommands(Prompter& prompter, FileDialogs& dialogs, const QString& dialogFilter);

    // The file last opened or saved under Save As; empty until then.
    QString currentFile() const { return m_currentFile; }
    bool saveEnabled() const { return m_saveEnabled; }
    // Disables Save but keeps the current file's name.
    void disableSave() { m_saveEnabled = false; }
    // Forgets the current file, which disables Save.
    void forgetFile();

    // Asks for a file and hands its lines to the reader. False (reader not
    // run, current file kept) when the operator cancels or the file cannot
    // be read whole; a file too large to read is refused with an error box.
    bool open(const Reader& fillClearedForm);
    // Writes to the current file without asking; a failure is shown. True
    // when the file was written.
    bool save(const Writer& write);
    // Writes to a chosen file, asking before replacing one. The file becomes
    // the current one only when it was written (true); a failure is shown.
    bool saveAs(const Writer& write);

protected:
    Prompter& prompter() const { return m_prompter; }

private:
    bool confirmOverwrite(const QString& path);
    bool writeShowingFailure(const QString& path, const Writer& write);

    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    const QString m_dialogFilter;
    QString m_currentFile;
    QString m_lastDialogName;
    bool m_saveEnabled = false;
};

} // namespace vellicor
