#pragma once

#include "platform/api/Platform.h"
#include "tnc/ConnectList.h"

#include <QDialog>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace vellicor {

// "Vellicor Connect Screen": pick or type a station and connect to it; the
// menu edits the stored list. A fresh dialog is made for each showing.
class FrmConnect : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 760;
    static constexpr int kHelpMenuContext = 1010;

    FrmConnect(TncGlobals& globals, const ProgramFolder& folder, TncWriter& writer, const Platform& platform,
               ScriptHost& host, QWidget* parent = nullptr);

    QComboBox* cmbStationList = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* labConnect = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QAction* mnuAddToList = nullptr;
    QAction* mnuDeleteFromList = nullptr;
    QAction* mnuHelp = nullptr;

private:
    void buildControls();
    void buildMenu();
    void showList();
    // The entry the operator has picked, or -1 while the text is not one of them.
    int selectedIndex() const;
    void updateCallLabel();

    void cmdOK_Click();
    void mnuAddToList_Click();
    void mnuDeleteFromList_Click();

    ConnectList m_list;
    HelpViewer& m_help;
};

} // namespace vellicor
