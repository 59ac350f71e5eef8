#pragma once

#include "platform/api/Platform.h"
#include "terminal/TncWriter.h"
#include "windows/ClipboardEditor.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace vellicor {

class HelpFacility;

// frmClipboard, "Vellicor Clipboard": the program's own scratch pad. It is
// created once and kept: its close box and "E&xit Clipboard" only hide it,
// so the text, the active file and Save stay for the next showing. A close
// by the program itself (at exit) goes ahead.
class FrmClipboard : public QMainWindow {
    Q_OBJECT
public:
    FrmClipboard(const Platform& platform, TncWriter& writer, HelpFacility& help,
                 QWidget* parent = nullptr);
    ~FrmClipboard() override;

    ClipboardEditor& editor() { return *m_editor; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class TextBox;

    void buildMenus();
    QMenu* buildFileMenu();
    QMenu* buildSendMenu();
    QMenu* buildHelpMenu();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     void (ClipboardEditor::*command)());

    HelpFacility& m_help;
    QPlainTextEdit* m_txtClipboard = nullptr;
    QLabel* m_lblFileName = nullptr;
    std::unique_ptr<TextBox> m_textBox;
    std::unique_ptr<ClipboardEditor> m_editor;
    QAction* m_mnuFileSave = nullptr;
};

} // namespace vellicor
