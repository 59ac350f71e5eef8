#pragma once

#include "traffic/common/SendOptions.h"

#include <QDialog>
#include <QList>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;
class QWidget;

namespace vellicor {

class Prompter;

// Reads and replaces the text of the message box of the form the dialog
// belongs to.
struct MessageTextAccess {
    std::function<QString()> get;
    std::function<void(const QString&)> set;
};

// The send-options dialog of a message form: whether and at what width the
// body is reflowed and, where the binding has one, the send type. Created
// for each showing, so every showing loads the settings afresh.
class SendOptionsDialog : public QDialog {
    Q_OBJECT
public:
    SendOptionsDialog(TrafficGlobals& globals, SendOptionsBinding binding, Prompter& prompter,
                      MessageTextAccess messageText, QWidget* parent = nullptr);

    // The number of pages behind the tab strip; only the first has a tab.
    static constexpr int kPageCount = 4;

private:
    void buildControls();
    QWidget* buildSettingsPage();
    QWidget* buildButtonRow();
    void loadControls();
    void showControls(const SendOptionsControls& controls);
    SendOptionsControls readControls() const;
    void onFormattedToggled(bool checked);
    void selectTab(int index);
    void selectNextTab();
    bool applySettings();
    void centreOnScreen();

    SendOptions m_options;
    Prompter& m_prompter;
    MessageTextAccess m_messageText;

    QTabBar* m_tabs = nullptr;
    QList<QWidget*> m_pages;
    QCheckBox* m_chkFormatted = nullptr;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_txtLineWidth = nullptr;
    QRadioButton* m_optSendS = nullptr;
    QRadioButton* m_optSendST = nullptr;
};

} // namespace vellicor
