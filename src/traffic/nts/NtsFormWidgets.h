#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace vellicor {

// The controls of the NTS radiogram form, laid out in tab order on a
// page that scales with the window. Each carries its control name as
// objectName.
struct NtsFormWidgets {
    QLineEdit* txtMsgNum = nullptr;
    QComboBox* cmbPrecedence = nullptr;
    QComboBox* cmbHX = nullptr;
    QLineEdit* txtStation = nullptr;
    QLineEdit* txtCheck = nullptr;
    QLineEdit* txtPlace = nullptr;
    QLineEdit* txtTimeFiled = nullptr;
    QLineEdit* txtDateFiled = nullptr;
    QLineEdit* txtName = nullptr;
    QPlainTextEdit* txtAddress = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtZip = nullptr;
    QLineEdit* txtPhone = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QLineEdit* txtSigned = nullptr;
    QLabel* labFileName = nullptr;
    // Beside the signature: whether a received radiogram's check agrees with its text.
    QLabel* labCheckVerdict = nullptr;

    // Builds the controls on the page.
    static NtsFormWidgets build(QWidget* page);
};

} // namespace vellicor
