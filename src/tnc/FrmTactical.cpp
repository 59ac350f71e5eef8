#include "tnc/FrmTactical.h"

#include "tnc/DialogButtons.h"
#include "tnc/TacticalCall.h"
#include "tnc/FieldRulesFilter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    Label2 = new QLabel(QStringLiteral("(Leave blank to reset Tactical Call.)"), this);
    Label3 = new QLabel(QStringLiteral("Make sure that you are already logged on to a PacketCluster PBBS "
                                       "before attempting to set the tactical call."),
                        this);
    Label3->setWordWrap(true);
    const DialogButtons buttons =
        layOutWithButtons(this, {Label1, txtTactical, Label2, Label3}, QStringLiteral("OK"));
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    FieldRulesFilter::install(this, TacticalCall::kFieldRules);
    connect(cmdOK, &QPushButton::clicked, this, &FrmTactical::cmdOK_Click);
}

void FrmTactical::cmdOK_Click()
{
    TacticalCall::send(m_writer, txtTactical->text());
    accept();
}

} // namespace vellicor
