#include "tnc/FrmTactical.h"

#include "tnc/TacticalCall.h"
#include "tnc/UpperCaseTyping.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellicor {

FrmTactical::FrmTactical(TncWriter& writer, QWidget* parent)
    : QDialog(parent)
    , m_writer(writer)
{
    setObjectName(QStringLiteral("frmTactical"));
    setWindowTitle(QStringLiteral("Vellicor Tactical Call"));
    Label1 = new QLabel(QStringLiteral("Tactical Call"), this);
    txtTactical = new QLineEdit(this);
    txtTactical->setObjectName(QStringLiteral("txtTactical"));
    UpperCaseTyping::install(txtTactical);
    Label2 = new QLabel(QStringLiteral("(Leave blank to reset Tactical Call.)"), this);
    Label3 = new QLabel(QStringLiteral("Make sure that you are already logged on to a PacketCluster PBBS "
                                       "before attempting to set the tactical call."),
                        this);
    Label3->setWordWrap(true);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(txtTactical);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &FrmTactical::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmTactical::cmdOK_Click()
{
    TacticalCall::send(m_writer, txtTactical->text());
    accept();
}

} // namespace vellicor
