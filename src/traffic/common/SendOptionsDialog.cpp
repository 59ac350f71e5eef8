#include "traffic/common/SendOptionsDialog.h"

#include "platform/api/Prompter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

#include <utility>

namespace vellicor {

namespace {
const QString kTabCaption = QStringLiteral("Send Options");
const QString kFormattedCaption = QStringLiteral("Format Message Body (Recommended)");
const QString kWidthLabel = QStringLiteral("Formatted line width of message text:");
const QString kSendS = QStringLiteral("Send as a regular message.");
const QString kSendST = QStringLiteral("Send as traffic.");
}

SendOptionsDialog::SendOptionsDialog(TrafficGlobals& globals, SendOptionsBinding binding, Prompter& prompter,
                                     MessageTextAccess messageText, QWidget* parent)
    : QDialog(parent)
    , m_options(globals, std::move(binding))
    , m_prompter(prompter)
    , m_messageText(std::move(messageText))
{
    setObjectName(m_options.binding().objectName);
    setWindowTitle(m_options.binding().caption);
    setProperty("helpContext", m_options.binding().helpContext);
    setModal(true);
    buildControls();
    loadControls();
    selectTab(0);
    adjustSize();
    centreOnScreen();
}

void SendOptionsDialog::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    m_tabs->addTab(kTabCaption);
    layout->addWidget(m_tabs);

    m_pages.append(buildSettingsPage());
    for (int k = 1; k < kPageCount; ++k) {
        auto* frame = new QGroupBox(QStringLiteral("Sample %1").arg(k + 1), this);
        frame->setObjectName(QStringLiteral("fraSample%1").arg(k + 1));
        frame->setVisible(false);
        frame->setEnabled(false);
        m_pages.append(frame);
    }
    for (int k = 0; k < kPageCount; ++k) {
        m_pages[k]->setObjectName(QStringLiteral("picOptions%1").arg(k));
        layout->addWidget(m_pages[k]);
    }
    layout->addWidget(buildButtonRow());

    connect(m_tabs, &QTabBar::currentChanged, this, &SendOptionsDialog::selectTab);
    auto* nextTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextTab, &QShortcut::activated, this, &SendOptionsDialog::selectNextTab);
}

QWidget* SendOptionsDialog::buildSettingsPage()
{
    auto* page = new QWidget(this);
    auto* pageLayout = new QVBoxLayout(page);
    auto* frame = new QGroupBox(page);
    frame->setObjectName(QStringLiteral("fraSample1"));
    pageLayout->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    m_chkFormatted = new QCheckBox(kFormattedCaption, frame);
    m_chkFormatted->setObjectName(QStringLiteral("chkFormatted"));
    layout->addWidget(m_chkFormatted);
    auto* widthRow = new QHBoxLayout;
    m_label1 = new QLabel(kWidthLabel, frame);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_txtLineWidth = new QLineEdit(frame);
    m_txtLineWidth->setObjectName(QStringLiteral("txtLineWidth"));
    m_label1->setBuddy(m_txtLineWidth);
    widthRow->addWidget(m_label1);
    widthRow->addWidget(m_txtLineWidth);
    layout->addLayout(widthRow);

    if (m_options.binding().hasSendType()) {
        m_optSendS = new QRadioButton(kSendS, frame);
        m_optSendS->setObjectName(QStringLiteral("optSendS"));
        m_optSendST = new QRadioButton(kSendST, frame);
        m_optSendST->setObjectName(QStringLiteral("optSendST"));
        layout->addWidget(m_optSendS);
        layout->addWidget(m_optSendST);
    }
    auto* cmdDefault = new QPushButton(QStringLiteral("Default"), frame);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    cmdDefault->setAutoDefault(false);
    layout->addWidget(cmdDefault, 0, Qt::AlignLeft);

    connect(m_chkFormatted, &QCheckBox::toggled, this, &SendOptionsDialog::onFormattedToggled);
    connect(cmdDefault, &QPushButton::clicked, this, [this] { showControls(m_options.defaults()); });
    return page;
}

QWidget* SendOptionsDialog::buildButtonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->addStretch();
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), row);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto* cmdCancel = new QPushButton(QStringLiteral("Cancel"), row);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    auto* cmdApply = new QPushButton(QStringLiteral("Apply"), row);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setAutoDefault(false);
    layout->addWidget(cmdOK);
    layout->addWidget(cmdCancel);
    layout->addWidget(cmdApply);

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (applySettings())
            accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &SendOptionsDialog::applySettings);
    return row;
}

void SendOptionsDialog::loadControls()
{
    showControls(m_options.load());
    // The check box rule also applies when loading sets the box unchanged.
    onFormattedToggled(m_chkFormatted->isChecked());
}

void SendOptionsDialog::showControls(const SendOptionsControls& controls)
{
    if (m_optSendST) {
        m_optSendST->setChecked(controls.sendAsTraffic);
        m_optSendS->setChecked(!controls.sendAsTraffic);
    }
    m_txtLineWidth->setText(controls.lineWidth);
    m_chkFormatted->setChecked(controls.formatted);
}

SendOptionsControls SendOptionsDialog::readControls() const
{
    SendOptionsControls controls;
    controls.sendAsTraffic = m_optSendST && m_optSendST->isChecked();
    controls.formatted = m_chkFormatted->isChecked();
    controls.lineWidth = m_txtLineWidth->text();
    return controls;
}

void SendOptionsDialog::onFormattedToggled(bool checked)
{
    m_options.setFormatted(checked);
    m_label1->setEnabled(checked);
    m_txtLineWidth->setEnabled(checked);
}

void SendOptionsDialog::selectTab(int index)
{
    // Only the pages that have a tab take part; the rest stay hidden.
    for (int k = 0; k < m_tabs->count() && k < m_pages.size(); ++k) {
        m_pages[k]->setVisible(k == index);
        m_pages[k]->setEnabled(k == index);
    }
}

void SendOptionsDialog::selectNextTab()
{
    const int next = (m_tabs->currentIndex() + 1) % m_tabs->count();
    if (next == m_tabs->currentIndex())
        selectTab(next); // a single tab: selecting it again still places the pages
    else
        m_tabs->setCurrentIndex(next);
}

bool SendOptionsDialog::applySettings()
{
    QString text = m_messageText.get ? m_messageText.get() : QString();
    const QString before = text;
    if (!m_options.apply(readControls(), text)) {
        m_prompter.show(SendOptions::kBadWidth, QStringLiteral("Vellicor"), PromptButtons::Ok,
                        PromptIcon::Exclamation);
        m_txtLineWidth->setFocus();
        return false;
    }
    if (m_messageText.set && text != before)
        m_messageText.set(text);
    return true;
}

void SendOptionsDialog::centreOnScreen()
{
    const QScreen* shown = screen();
    if (!shown)
        return;
    const QRect area = shown->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

} // namespace vellicor
