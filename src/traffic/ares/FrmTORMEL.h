#pragma once

#include "traffic/ares/AresFileCommands.h"
#include "traffic/ares/AresFormWidgets.h"
#include "traffic/ares/AresMessage.h"
#include "traffic/common/MessageForm.h"

namespace vellicor {

// The ARES (TORMEL) message form. It only wires its controls to the
// message logic: the field rules, the message file, the printout, the
// transmission and the send options. The main window keeps one for the
// run; closing it with its close box hides it, so its contents stay.
class FrmTORMEL : public MessageForm {
    Q_OBJECT
public:
    FrmTORMEL(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent = nullptr);

    // The message as the controls hold it, and putting one on them.
    AresMessage message() const;
    void showMessage(const AresMessage& message);

    // The form's commands, as its menus run them.
    void ClearForm();
    void newForm() override;
    void openFile() override;
    void saveFile() override;
    void saveFileAs() override;
    void printForm() override;
    void sendForm() override;
    void showOptions() override;

    // A message read from received text: after the New question when the
    // form holds text not saved, it fills the form with no file named.
    // False when the operator kept the form as it was.
    bool openReceived(const AresMessage& received);

private:
    void watchControls();
    void priorityTextChanged(const QString& text);
    bool holdsUnsavedText() const { return message() != m_kept; }

    AresFileCommands m_files;
    AresFormWidgets m_ui;
    // What the form held when it was last cleared, opened from or written to a file.
    AresMessage m_kept;
};

} // namespace vellicor
