#pragma once

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vellicor {

// The controls of the ARES message form, grouped as the form shows them:
// the file name, the header frame, the address frame and the message frame
// with its closing row. Each carries its control name as objectName.
struct AresFormWidgets {
    QLabel* labFileName = nullptr;
    QComboBox* cboPriority = nullptr;
    QLabel* labPriority = nullptr;
    QLineEdit* txtSubject = nullptr;
    QLineEdit* txtDate = nullptr;
    QLineEdit* txtTime = nullptr;
    QLineEdit* txtTo = nullptr;
    QLineEdit* txtToName = nullptr;
    QLineEdit* txtFrom = nullptr;
    QLineEdit* txtFromName = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QLineEdit* txtMsgSentTime = nullptr;
    QLineEdit* txtBy = nullptr;

    // Builds the controls on the page, in tab order.
    static AresFormWidgets build(QWidget* page);
};

} // namespace vellicor
