#include "tnc/FrmConnect.h"

#include "tnc/DialogButtons.h"
#include "tnc/FieldRulesFilter.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace vellicor {

namespace {
QFont terminalFont()
{
    QFont font(QStringLiteral("Terminal"), 9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
}

FrmConnect::FrmConnect(TncGlobals& globals, const ProgramFolder& folder, TncWriter& writer,
                       const Platform& platform, ScriptHost& host, QWidget* parent)
    : QDialog(parent)
    , m_list(globals, folder, writer, *platform.beeper, host)
    , m_help(*platform.help)
{
    setWindowTitle(QStringLiteral("Vellicor Connect Screen"));
    buildControls();
    buildMenu();
    m_list.load();
    showList();
    if (cmbStationList->count() > 0)
        cmbStationList->setCurrentIndex(0);
    updateCallLabel();
    cmbStationList->setFocus();
}

void FrmConnect::buildControls()
{
    Label1 = new QLabel(QStringLiteral("Station to connect with"), this);
    cmbStationList = new QComboBox(this);
    cmbStationList->setObjectName(QStringLiteral("cmbStationList"));
    cmbStationList->setEditable(true);
    cmbStationList->setInsertPolicy(QComboBox::NoInsert);
    cmbStationList->setCompleter(nullptr); // a call typed is kept, never completed to an entry
    cmbStationList->setFont(terminalFont());
    labConnect = new QLabel(this);
    labConnect->setObjectName(QStringLiteral("labConnect"));
    labConnect->setFont(terminalFont());
    const DialogButtons buttons =
        layOutWithButtons(this, {Label1, cmbStationList, labConnect}, QStringLiteral("Connect"));
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    connect(cmbStationList, &QComboBox::editTextChanged, this, &FrmConnect::updateCallLabel);
    connect(cmbStationList, &QComboBox::activated, this, &FrmConnect::updateCallLabel);
    FieldRulesFilter::install(this, ConnectList::kFieldRules);
    connect(cmdOK, &QPushButton::clicked, this, &FrmConnect::cmdOK_Click);
}

void FrmConnect::buildMenu()
{
    auto* bar = new QMenuBar(this);
    mnuAddToList = bar->addAction(QStringLiteral("&Add To List"));
    mnuDeleteFromList = bar->addAction(QStringLiteral("&Delete From List"));
    mnuHelp = bar->addAction(QStringLiteral("&Help"));
    // The program's help key opens this context for the highlighted Help item.
    mnuHelp->setProperty("helpContext", kHelpMenuContext);
    layout()->setMenuBar(bar);

    connect(mnuAddToList, &QAction::triggered, this, &FrmConnect::mnuAddToList_Click);
    connect(mnuDeleteFromList, &QAction::triggered, this, &FrmConnect::mnuDeleteFromList_Click);
    connect(mnuHelp, &QAction::triggered, this, [this] { m_help.showContext(kHelpContext); });
}

void FrmConnect::showList()
{
    const QString text = cmbStationList->currentText();
    const QSignalBlocker blocker(cmbStationList);
    cmbStationList->clear();
    cmbStationList->addItems(m_list.entries());
    cmbStationList->setEditText(text);
}

int FrmConnect::selectedIndex() const
{
    const int index = cmbStationList->currentIndex();
    if (index < 0 || cmbStationList->itemText(index) != cmbStationList->currentText())
        return -1;
    return index;
}

void FrmConnect::updateCallLabel()
{
    labConnect->setText(ConnectList::CallFromListEntry(cmbStationList->currentText()));
}

void FrmConnect::cmdOK_Click()
{
    m_list.connectStation(cmbStationList->currentText());
    accept();
}

void FrmConnect::mnuAddToList_Click()
{
    m_list.addToList(cmbStationList->currentText());
    showList();
}

void FrmConnect::mnuDeleteFromList_Click()
{
    m_list.deleteFromList(selectedIndex());
    showList();
    if (cmbStationList->count() > 0)
        cmbStationList->setCurrentIndex(0);
    updateCallLabel();
}

} // namespace vellicor
