#pragma once

#include "platform/api/FileDialogs.h"
#include "platform/api/PrintService.h"
#include "platform/api/Prompter.h"
#include "terminal/TncWriter.h"

#include <QObject>
#include <QString>

namespace vellicor {

// The text box of the clipboard editor as its commands see it. Line breaks
// are CR LF both ways.
class ClipboardText {
public:
    virtual ~ClipboardText() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual QString selectedText() const = 0;
    virtual void insertAtEnd(const QString& text) = 0;
    virtual void moveCaretToStart() = 0;
};

// The commands of the clipboard editor: files, printing, clearing and
// sending, with the state of the active file and of Save.
//
// Save writes to the file the label shows: only a successful Open, Append
// or Save As changes it. The final CR LF is added only when the text does
// not end in a line break already, so opening and saving a file leaves it
// as it was; files are written atomically.
class ClipboardEditor : public QObject {
    Q_OBJECT
public:
    static inline const QString kNoActiveFileCaption = QStringLiteral("No Active File");

    ClipboardEditor(ClipboardText& box, Prompter& prompter, FileDialogs& dialogs,
                    PrintService& printer, TncWriter& writer, QObject* parent = nullptr);

    void open();
    void append();
    void save();
    void saveAs();
    void printEntireClipboard();
    void printSelectedText();
    void clearClipboard();
    void sendEntireClipboard();
    void sendSelectedText();

    QString activeFile() const { return m_activeFile; }
    bool saveEnabled() const { return m_saveEnabled; }

signals:
    void fileLabelChanged(const QString& caption, const QString& tip);
    void saveEnabledChanged(bool enabled);
    void hideRequested();

private:
    enum class Placement { Replace, Append };
    void load(const QString& title, Placement placement);
    std::optional<QString> readCollected(const QString& path);
    bool confirmOverwrite(const QString& path);
    bool writeTo(const QString& path);
    void makeActive(const QString& path);
    void setSaveEnabled(bool enabled);
    void print(const QString& text);
    void send(const QString& question, const QString& text);
    FileDialogRequest request(const QString& title) const;

    ClipboardText& m_box;
    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    PrintService& m_printer;
    TncWriter& m_writer;
    QString m_dialogFile; // the name the file dialog starts with
    QString m_activeFile;
    bool m_saveEnabled = false;
};

} // namespace vellicor
