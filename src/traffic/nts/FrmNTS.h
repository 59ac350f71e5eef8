#pragma once

#include "traffic/common/MessageForm.h"
#include "traffic/nts/NtsFileCommands.h"
#include "traffic/nts/NtsFormWidgets.h"
#include "traffic/nts/Radiogram.h"

namespace vellicor {

// The NTS radiogram form. It only wires its controls to the radiogram
// logic: the check, the patterns, the message file, the printout, the
// transmission and the send options. The main window keeps one for the
// run; closing it with its close box hides it, so its contents stay.
class FrmNTS : public MessageForm {
    Q_OBJECT
public:
    FrmNTS(TrafficGlobals& globals, const Platform& platform, TncWriter& writer, QWidget* parent = nullptr);

    // The radiogram as the controls hold it, and putting one on them.
    Radiogram radiogram() const;
    void showRadiogram(const Radiogram& radiogram);

    // The form's commands, as its menus run them.
    void newForm() override;
    void openFile() override;
    void saveFile() override;
    void saveFileAs() override;
    void printForm() override;
    void sendForm() override;
    void showOptions() override;

    // A radiogram read from received text: after the New question when the
    // form holds text not saved, it fills the form with no file named and
    // shows whether its check agrees with its text (the check itself stays
    // as received). False when the operator kept the form as it was.
    bool openReceived(const Radiogram& received);

private:
    void watchControls();
    void verifyCheck();
    bool holdsUnsavedText() const;
    void showCheckVerdict();

    NtsFileCommands m_files;
    NtsFormWidgets m_ui;
    // What the form held when it was last cleared, opened from or written to a file.
    Radiogram m_kept;
};

} // namespace vellicor
