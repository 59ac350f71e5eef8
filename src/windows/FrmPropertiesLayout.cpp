// The controls of the Properties dialog and their grouping.
#include "windows/FrmProperties.h"

#include "windows/HelpFacility.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vellicor {

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* dropDownList(const char* name)
{
    auto* list = named(new QComboBox, name);
    list->setEditable(false); // accepts only its own items
    return list;
}

QLabel* labelFor(const char* name, const QString& caption, QWidget* buddy)
{
    auto* label = named(new QLabel(caption), name);
    label->setBuddy(buddy);
    return label;
}

QRadioButton* optionButton(QButtonGroup* group, const QString& baseName, int index,
                           const QString& caption)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(baseName + QString::number(index));
    group->addButton(button, index);
    return button;
}

// A colour sample in the terminal font with fixed colours; never recoloured.
QLabel* sample(const char* name, const QString& caption, const char* color)
{
    auto* label = named(new QLabel(caption), name);
    label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    label->setStyleSheet(QStringLiteral("color: %1; background: black; padding: 2px;")
                             .arg(QLatin1String(color)));
    return label;
}

} // namespace

void FrmProperties::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(buildMenu());

    m_tabSettings = named(new QTabWidget, "TabSettings");
    m_tabSettings->addTab(buildCommunicationsTab(), QStringLiteral("Communications"));
    m_tabSettings->addTab(buildPreferencesTab(), QStringLiteral("Preferences"));
    layout->addWidget(m_tabSettings);

    m_cmdOK = named(new QPushButton(QStringLiteral("OK")), "cmdOK");
    m_cmdOK->setDefault(true);
    m_cmdCancel = named(new QPushButton(QStringLiteral("Cancel")), "cmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    layout->addLayout(buttons);
}

QMenuBar* FrmProperties::buildMenu()
{
    auto* bar = new QMenuBar(this);
    QMenu* help = named(bar->addMenu(QStringLiteral("&Help")), "mnuHelp");
    QAction* contents = help->addAction(QStringLiteral("&Contents && Index"));
    contents->setObjectName(QStringLiteral("mnuHelpContents"));
    QAction* screen = help->addAction(QStringLiteral("&Properties Screen"));
    screen->setObjectName(QStringLiteral("mnuHelpProperties"));
    connect(contents, &QAction::triggered, this,
            [this] { m_help.ShowHelpContents(QStringLiteral("Contents()")); });
    connect(screen, &QAction::triggered, this, [this] { m_help.ShowHelpContext(290); });
    return bar;
}

QWidget* FrmProperties::buildCommunicationsTab()
{
    auto* frame = named(new QWidget, "fraSettings");
    auto* layout = new QGridLayout(frame);
    layout->addWidget(buildPortRow(), 0, 0, 1, 2);

    auto* speedFrame = named(new QGroupBox(QStringLiteral("Maximum Speed")), "Frame1");
    m_cboSpeed = dropDownList("cboSpeed");
    (new QVBoxLayout(speedFrame))->addWidget(m_cboSpeed);
    layout->addWidget(speedFrame, 1, 0);
    layout->addWidget(buildConnectionFrame(), 1, 1, 2, 1);
    layout->addWidget(buildFlowAndEcho(), 2, 0);
    layout->setRowStretch(3, 1);
    return frame;
}

QWidget* FrmProperties::buildPortRow()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cboPort = dropDownList("cboPort");
    m_cboDevice = named(new QComboBox, "cboDevice");
    m_cboDevice->setEditable(true);
    m_cboDevice->setInsertPolicy(QComboBox::NoInsert);
    m_cboDevice->setCompleter(nullptr); // a device typed is kept, never completed to a listed one
    m_cboDevice->setMinimumContentsLength(22);
    m_cboDevice->setToolTip(QStringLiteral("The device this port stands for: a serial device "
                                           "such as /dev/ttyUSB0, tcp://HOST:PORT, or agw://HOST:PORT for an AGW packet engine"));
    layout->addWidget(labelFor("Label1", QStringLiteral("Port:"), m_cboPort));
    layout->addWidget(m_cboPort);
    layout->addSpacing(12);
    layout->addWidget(labelFor("lblDevice", QStringLiteral("&Device:"), m_cboDevice));
    layout->addWidget(m_cboDevice, 1);
    return row;
}

QWidget* FrmProperties::buildConnectionFrame()
{
    auto* frame = named(new QGroupBox(QStringLiteral("Connection Preferences")), "fraConnection");
    auto* form = new QFormLayout(frame);
    m_cboDataBits = dropDownList("cboDataBits");
    m_cboParity = dropDownList("cboParity");
    m_cboStopBits = dropDownList("cboStopBits");
    form->addRow(labelFor("Label3", QStringLiteral("Data Bits:"), m_cboDataBits), m_cboDataBits);
    form->addRow(labelFor("Label4", QStringLiteral("Parity:"), m_cboParity), m_cboParity);
    form->addRow(labelFor("Label5", QStringLiteral("Stop Bits:"), m_cboStopBits), m_cboStopBits);
    return frame;
}

QWidget* FrmProperties::buildFlowAndEcho()
{
    auto* both = new QWidget;
    auto* layout = new QHBoxLayout(both);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* flowFrame = named(new QGroupBox(QStringLiteral("&Flow Control")), "Frame5");
    auto* flowLayout = new QVBoxLayout(flowFrame);
    m_optFlow = new QButtonGroup(this);
    const QStringList flows = {QStringLiteral("None"), QStringLiteral("Xon/Xoff"),
                               QStringLiteral("RTS"), QStringLiteral("Xon/RTS")};
    for (int index = 0; index < flows.size(); ++index)
        flowLayout->addWidget(optionButton(m_optFlow, QStringLiteral("optFlow"), index, flows[index]));

    auto* echoFrame = named(new QGroupBox(QStringLiteral("&Echo")), "Frame7");
    auto* echoLayout = new QVBoxLayout(echoFrame);
    m_optEcho = new QButtonGroup(this);
    echoLayout->addWidget(optionButton(m_optEcho, QStringLiteral("optEcho"), 0, QStringLiteral("Off")));
    echoLayout->addWidget(optionButton(m_optEcho, QStringLiteral("optEcho"), 1, QStringLiteral("On")));
    echoLayout->addStretch();

    layout->addWidget(flowFrame);
    layout->addWidget(echoFrame);
    return both;
}

QWidget* FrmProperties::buildPreferencesTab()
{
    auto* frame = named(new QWidget, "fraPreferences");
    auto* layout = new QVBoxLayout(frame);
    m_txtMaxLineLength = named(new QLineEdit, "txtMaxLineLength");
    m_txtMaxLineLength->setMaximumWidth(80);
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(labelFor("Label2", QStringLiteral("Maximum line length"), m_txtMaxLineLength));
    lengthRow->addWidget(m_txtMaxLineLength);
    lengthRow->addStretch();
    layout->addLayout(lengthRow);
    m_chkWordOut = named(new QCheckBox(QStringLiteral("Word Out")), "chkWordOut");
    layout->addWidget(m_chkWordOut);
    m_txtScrollbackLines = named(new QLineEdit, "txtScrollbackLines");
    m_txtScrollbackLines->setMaximumWidth(80);
    m_txtScrollbackLines->setToolTip(QStringLiteral("The newest lines the receive pane keeps while the session log is on (0 keeps all)"));
    auto* scrollbackRow = new QHBoxLayout;
    scrollbackRow->addWidget(labelFor("lblScrollbackLines", QStringLiteral("Scrollback lines"), m_txtScrollbackLines));
    scrollbackRow->addWidget(m_txtScrollbackLines);
    scrollbackRow->addStretch();
    layout->addLayout(scrollbackRow);
    m_chkReconnect = named(new QCheckBox(QStringLiteral("Reconnect automatically")), "chkReconnect");
    m_chkReconnect->setToolTip(QStringLiteral("Restart the port every 5 seconds after the TNC link went away"));
    layout->addWidget(m_chkReconnect);
    layout->addWidget(buildColorsFrame());
    layout->addStretch();
    return frame;
}

QWidget* FrmProperties::buildColorsFrame()
{
    auto* frame = named(new QGroupBox(QStringLiteral("Colors")), "fraColors");
    auto* layout = new QHBoxLayout(frame);
    m_optColor = new QButtonGroup(this);

    struct Sample { const char* name; QString caption; const char* color; };
    const QList<QList<Sample>> shapes = {
        {{"lblRTextRec", QStringLiteral(" Text received from the TNC"), "#ffff00"},
         {"lblRTextSent", QStringLiteral(" Text sent to the TNC"), "#00ffff"},
         {"lblRTextBack", QStringLiteral(" Background"), "#ffff00"}},
        {{"lblSTextSent", QStringLiteral(" Text to be sent to the TNC"), "#ffff00"},
         {"lblSTextBack", QStringLiteral(" Background"), "#ffff00"}},
    };
    auto* samples = new QVBoxLayout;
    int index = 1;
    for (int shape = 0; shape < shapes.size(); ++shape) {
        auto* outline = new QFrame;
        outline->setObjectName(QStringLiteral("Shape%1").arg(shape + 1));
        outline->setFrameShape(QFrame::Box);
        outline->setStyleSheet(QStringLiteral("QFrame#%1 { background: black; }").arg(outline->objectName()));
        auto* rows = new QGridLayout(outline);
        for (const Sample& entry : shapes[shape]) {
            QRadioButton* option = optionButton(m_optColor, QStringLiteral("optColor"), index, QString());
            rows->addWidget(option, index, 0);
            rows->addWidget(sample(entry.name, entry.caption, entry.color), index, 1);
            ++index;
        }
        samples->addWidget(outline);
    }
    m_optColor->button(1)->setChecked(true);
    layout->addLayout(samples, 1);

    m_cmdSelectColor = named(new QPushButton(QStringLiteral("Select Color")), "cmdSelectColor");
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(m_cmdSelectColor);
    side->addStretch();
    layout->addLayout(side);
    return frame;
}

} // namespace vellicor
