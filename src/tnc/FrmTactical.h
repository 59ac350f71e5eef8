#pragma once

#include "terminal/TncWriter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vellicor {

// "Vellicor Tactical Call": sets or removes an alias on the PBBS. The main
// window keeps one instance and only hides it, so the last alias stays.
class FrmTactical : public QDialog {
    Q_OBJECT
public:
    explicit FrmTactical(TncWriter& writer, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtTactical = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

private:
    void cmdOK_Click();

    TncWriter& m_writer;
};

} // namespace vellicor
