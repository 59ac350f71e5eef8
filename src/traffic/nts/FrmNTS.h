#pragma once

#include "app/Globals.h"
#include "platform/api/Platform.h"
#include "traffic/nts/NtsFileCommands.h"
#include "traffic/nts/NtsFormWidgets.h"

#include <QMainWindow>

class QAction;
class QMenu;

namespace vellicor {

class TncWriter;
struct Radiogram;

// The NTS radiogram form. It only wires its controls to the radiogram
// logic: the check, the patterns, the message file, the printout, the
// transmission and the send options. The main window keeps one for the
// run; closing it with its close box hides it, so its contents stay.
class FrmNTS : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Vellicor NTS Message ");
    static inline const QString kClearQuestion = QStringLiteral("Clear all information on the NTS screen?");
    static constexpr int kHelpFormatter = 430;
    static constexpr int kHelpFileMenu = 510;
    static constexpr int kHelpOptionsMenu = 520;
    static constexpr int kHelpSendMenu = 530;

    FrmNTS(Globals& globals, const Platform& platform, TncWriter& writer, QWidget* parent = nullptr);

    // The radiogram as the controls hold it, and putting one on them.
    Radiogram radiogram() const;
    void showRadiogram(const Radiogram& radiogram);

    // The form's commands, as its menus run them.
    void newRadiogram();
    void openFile();
    void saveFile();
    void saveFileAs();
    void printRadiogram();
    void sendRadiogram();
    void showOptions();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, void (FrmNTS::*command)());
    void watchControls();
    bool upperCaseTyped(QObject* watched, QEvent* event);
    void leftField(QObject* field);
    void verifyCheck();
    void showFileState();
    QDate today() const;

    Globals& m_globals;
    Platform m_platform;
    TncWriter& m_writer;
    NtsFileCommands m_files;
    NtsFormWidgets m_ui;
    QAction* m_mnuFileSave = nullptr;
};

} // namespace vellicor
