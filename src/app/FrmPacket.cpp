#include "app/FrmPacket.h"

#include "app/FindBar.h"
#include "app/ReceiveView.h"
#include "app/SendBoxEdit.h"
#include "app/SharedAccessKeys.h"
#include "app/Startup.h"
#include "terminal/StationRecord.h"
#include "windows/FrmClipboard.h"
#include "windows/HelpFacility.h"
#include "windows/HelpKeyFilter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace vellicor {

namespace {

QString colorCss(quint32 bgr)
{
    return PaneDocument::toColor(bgr).name();
}

// The window's own rule objects are its children by name, so the benchmarks
// and whole-program tests find them as they find the controls. The window
// still deletes them itself, before its widgets.
void adopt(QObject& part, const char* name, QObject* window)
{
    part.setObjectName(QString::fromLatin1(name));
    part.setParent(window);
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setFocusPolicy(Qt::NoFocus);
    return made;
}

} // namespace

FrmPacket::FrmPacket(Globals& globals, const Platform& platform, Options options, QWidget* parent)
    : QMainWindow(parent)
    , m_globals(globals)
    , m_platform(platform)
    , m_options(std::move(options))
{
    setObjectName(QStringLiteral("frmPacket"));
    m_help = std::make_unique<HelpFacility>(*m_platform.help);
    m_help->InitHelp(this, m_options.folder.path());
    m_menus = MainMenus::build(*menuBar());
    new SharedAccessKeys(*menuBar());
    m_helpKeys = new HelpKeyFilter(*m_help, this);
    m_helpKeys->watch(this);
    m_clock = std::make_unique<StatusClock>(m_status, *m_platform.clock);
    m_session = std::make_unique<PortSession>(*m_platform.link, m_globals, m_status, *m_clock,
                                              *m_platform.prompter, *m_platform.beeper);
    adopt(*m_session, "portSession", this);
    buildPanes();
    buildStatusBar();
    connectRules();
    connectMenus();
    applyStartup();
    resize(900, 640);
    m_txtSent->setFocus();
    m_session->startWatchdog();
}

FrmPacket::~FrmPacket() = default;

void FrmPacket::buildPanes()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);

    m_functionRow = new QWidget(central);
    auto* grid = new QGridLayout(m_functionRow);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 8; ++i) {
        m_lblTNCFunc[i] = new QLabel(QStringLiteral("F%1").arg(i + 5), m_functionRow);
        m_lblTNCFunc[i]->setObjectName(QStringLiteral("lblTNCFunc%1").arg(i));
        m_lblTNCFunc[i]->setAlignment(Qt::AlignCenter);
        m_cmdTNCFunc[i] = button(QString(), "cmdTNCFunc", m_functionRow);
        m_cmdTNCFunc[i]->setObjectName(QStringLiteral("cmdTNCFunc%1").arg(i));
        m_cmdTNCFunc[i]->setProperty("index", i);
        grid->addWidget(m_lblTNCFunc[i], 0, i);
        grid->addWidget(m_cmdTNCFunc[i], 1, i);
        m_lblTNCFunc[i]->hide();
        m_cmdTNCFunc[i]->hide();
    }
    m_functionRow->hide();
    column->addWidget(m_functionRow);

    m_txtReceived = new ReceiveView(central);
    column->addWidget(m_txtReceived, 1);
    m_findBar = new FindBar(*m_txtReceived, central);
    column->addWidget(m_findBar);
    m_txtSent = new SendBoxEdit(central);
    column->addWidget(m_txtSent);

    auto* buttons = new QHBoxLayout;
    m_cmdCMD = button(QStringLiteral("Cmd: (F3)"), "cmdCMD", central);
    m_cmdConv = button(QStringLiteral("Conv (F4)"), "cmdConv", central);
    m_cmdScroll = button(QStringLiteral("Suspend Scroll"), "cmdScroll", central);
    m_cmdRestartPort = button(QStringLiteral("Restart Port"), "cmdRestartPort", central);
    m_cmdRestartPort->hide();
    m_shpInput = new QFrame(central);
    m_shpInput->setObjectName(QStringLiteral("shpInput"));
    m_shpInput->setFixedSize(14, 14);
    m_shpInput->setFrameShape(QFrame::Box);
    m_shpInput->setAutoFillBackground(true);
    m_shpInput->setToolTip(QStringLiteral("Receiving"));
    buttons->addWidget(m_cmdCMD);
    buttons->addWidget(m_cmdConv);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdRestartPort);
    buttons->addWidget(m_cmdScroll);
    buttons->addWidget(m_shpInput);
    column->addLayout(buttons);
    setCentralWidget(central);
    setReceiveIndicator(false);
}

void FrmPacket::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbrStatus"));
    for (const QString& key : StatusPanels::keys()) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("panel") + QString(key).remove(QLatin1Char(' ')));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // The status panel takes the room; the others fit their text.
        label->setMinimumWidth(key == StatusPanels::kStatus ? 260 : 110);
        bar->addPermanentWidget(label, key == StatusPanels::kStatus ? 1 : 0);
        m_panelLabels.insert(key, label);
        showPanel(key);
    }
    connect(&m_status, &StatusPanels::changed, this, &FrmPacket::showPanel);
}

void FrmPacket::showPanel(const QString& key)
{
    QLabel* label = m_panelLabels.value(key);
    if (!label)
        return;
    label->setText(m_status.text(key));
    label->setToolTip(m_status.toolTip(key));
}

void FrmPacket::connectRules()
{
    // The log comes first, so a chunk is on disk before it is on screen.
    m_log = std::make_unique<SessionLog>(*m_platform.clock, m_options.folder.path() + QStringLiteral("/logs"));
    connect(m_session.get(), &PortSession::received, m_log.get(), &SessionLog::logReceived);
    connect(&m_session->writer(), &TncWriter::sent, m_log.get(), &SessionLog::logSent);
    m_paneDocument = std::make_unique<PaneDocument>(*m_txtReceived->document());
    m_paneDocument->useCaret([this] { return m_txtReceived->textCursor(); },
                             [this](const QTextCursor& c) { m_txtReceived->setTextCursor(c); });
    connect(m_txtReceived, &ReceiveView::visibleLinesChanged, this,
            [this](int lines) { m_paneDocument->setVisibleLines(lines); });
    m_receive = std::make_unique<ReceivePane>(*m_paneDocument, m_globals, m_status);
    adopt(*m_receive, "receivePane", this);
    m_receive->setDisplayFrames(kReceiveFirstFrame, kReceiveLongestFrame);
    SendBox::Hooks hooks;
    hooks.echo = [this](const QString& text) { m_receive->AppendToReceivePane(text, m_globals.gTxForeColor); };
    hooks.insertIntoPane = [this](const QString& text) { m_receive->insertAtCaret(text); };
    m_sendRules = std::make_unique<SendBox>(m_globals, m_session->writer(), *m_platform.beeper, hooks);
    m_txtSent->setRules(m_sendRules.get());

    connect(m_session.get(), &PortSession::received, m_receive.get(), &ReceivePane::ShowReceivedText);
    connect(m_session.get(), &PortSession::receiveIndicatorOn, this, [this] {
        if (!m_inputRed) // already red while a stream keeps coming
            setReceiveIndicator(true);
    });
    connect(m_session.get(), &PortSession::restartVisibleChanged, m_cmdRestartPort, &QWidget::setVisible);
    connect(m_clock.get(), &StatusClock::receiveIndicatorOff, this, [this] { setReceiveIndicator(false); });
    connect(m_receive.get(), &ReceivePane::scrollButtonChanged, this, &FrmPacket::updateScrollButton);
    connect(m_receive.get(), &ReceivePane::sendBoxFocusRequested, m_txtSent, qOverload<>(&QWidget::setFocus));
    connect(m_receive.get(), &ReceivePane::lastLineShown, m_txtReceived, &QPlainTextEdit::ensureCursorVisible);
    connect(m_txtReceived, &ReceiveView::focusTaken, m_receive.get(), &ReceivePane::suspend);
    connect(m_txtReceived, &ReceiveView::characterTyped, this, [this](const QString& text) {
        m_txtSent->setFocus();
        m_txtSent->setText(m_txtSent->text() + text);
        m_txtSent->end(false);
    });
    connect(m_txtSent, &SendBoxEdit::scrollBackRequested, m_txtReceived, qOverload<>(&QWidget::setFocus));
    connect(m_cmdScroll, &QPushButton::clicked, m_receive.get(), &ReceivePane::toggleScroll);
    connect(m_cmdRestartPort, &QPushButton::clicked, m_session.get(), &PortSession::restartPort);
    connect(m_session.get(), &PortSession::startupScriptDue, this, &FrmPacket::startupScriptRequested);
}

void FrmPacket::connectMenus()
{
    connect(m_menus.mnuExit, &QAction::triggered, this, &FrmPacket::ConfirmExit);
    connect(m_menus.mnuActivateScroll, &QAction::triggered, m_receive.get(), &ReceivePane::resume);
    connect(m_menus.mnuOptionsClearScreen, &QAction::triggered, this,
            [this] { m_receive->clearScreen(*m_platform.prompter); });
    connect(m_menus.mnuFilePrintSelectedText, &QAction::triggered, this, &FrmPacket::printSelectedText);
    connect(m_menus.mnuHelpContents, &QAction::triggered, this,
            [this] { m_help->ShowHelpContents(QStringLiteral("Contents()")); });
    connect(m_menus.mnuHelpMainScreen, &QAction::triggered, this, [this] { m_help->ShowHelpContext(10); });
    connectWindowMenus();
    connectTncControl();
    setUpRecord();
    setUpReceivedTraffic();
}

void FrmPacket::applyStartup()
{
    setWindowTitle(mainCaption(m_options.versionMajor, m_options.versionMinor, m_options.versionRevision));
    m_options.folder.ensureExists();
    const StartupResult started = loadStartup(m_options.commandLine, *m_platform.settings, *m_platform.link,
                                              m_globals, m_options.folder);
    if (started.colors.receivedBack)
        setReceivedBackColor(*started.colors.receivedBack);
    setSendBoxColors(started.colors.sentBoxFore.value_or(m_sendFore), started.colors.sentBoxBack.value_or(m_sendBack));
    if (started.anyFailed)
        m_platform.beeper->beep();
    m_status.showPort(m_platform.link->portNumber(), m_platform.link->settings());
}

void FrmPacket::setReceivedBackColor(quint32 bgr)
{
    m_receiveBack = bgr;
    QPalette palette = m_txtReceived->palette();
    palette.setColor(QPalette::Base, PaneDocument::toColor(bgr));
    m_txtReceived->setPalette(palette);
}

void FrmPacket::setSendBoxColors(quint32 fore, quint32 back)
{
    m_sendFore = fore;
    m_sendBack = back;
    m_txtSent->setStyleSheet(QStringLiteral("QLineEdit { color: %1; background: %2; }").arg(colorCss(fore), colorCss(back)));
}

void FrmPacket::setReceiveIndicator(bool red)
{
    m_inputRed = red;
    QPalette palette = m_shpInput->palette();
    palette.setColor(QPalette::Window, red ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Button));
    m_shpInput->setPalette(palette);
}

void FrmPacket::updateScrollButton()
{
    m_cmdScroll->setText(m_receive->scrollButtonCaption());
    m_cmdScroll->setStyleSheet(m_receive->heldTextWaiting() ? QStringLiteral("background: #ff0000;") : QString());
}

void FrmPacket::printSelectedText()
{
    m_receive->printSelection(m_txtReceived->textCursor().selectedText(), *m_platform.printer);
}

void FrmPacket::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
}

// The first showing counts as an activation: without a window manager that
// activates new windows (or with one that prevents focus stealing) the window
// may never become active, and the TNC would never be opened.
void FrmPacket::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (std::exchange(m_shown, true))
        return;
    QTimer::singleShot(0, this, [this] {
        if (!m_activatedOnce)
            onActivated();
    });
}

void FrmPacket::onActivated()
{
    m_activatedOnce = true;
    m_txtReceived->resetInsertionSize();
    if (m_session->activate())
        emit startupScriptRequested();
}

void FrmPacket::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_txtReceived->resetInsertionSize();
}

void FrmPacket::ConfirmExit()
{
    if (confirmAndCloseOthers())
        close();
}

void FrmPacket::closeForSystem()
{
    m_globals.gExiting = true;
    closeOthers();
    close();
}

bool FrmPacket::confirmAndCloseOthers()
{
    if (!m_platform.prompter->askYesNo(QStringLiteral("Exit Vellicor?")))
        return false;
    m_globals.gExiting = true;
    closeOthers();
    return true;
}

void FrmPacket::closeOthers()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

void FrmPacket::closeEvent(QCloseEvent* event)
{
    if (!m_globals.gExiting && !confirmAndCloseOthers()) {
        event->ignore();
        return;
    }
    unload();
    QCoreApplication::quit();
}

void FrmPacket::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_help->CloseHelp();
    emit shutdownScriptRequested();
    if (m_platform.link->isOpen())
        m_platform.link->close();
}

} // namespace vellicor
