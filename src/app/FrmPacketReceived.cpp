// The main window's commands that open received traffic in a message form:
// the selected text of the receive pane or, with nothing selected, the
// board's answer to the last line sent.
#include "app/FrmPacket.h"

#include "app/ReceiveView.h"
#include "terminal/EditorText.h"
#include "traffic/ares/AresReader.h"
#include "traffic/ares/FrmTORMEL.h"
#include "traffic/nts/FrmNTS.h"
#include "traffic/nts/NtsReader.h"

namespace vellicor {

namespace {

const QString kNothingToOpen = QStringLiteral("Status: Nothing selected and nothing received since the last line sent");

QAction* receivedTrafficItem(QMenu& file, QAction* before, const char* name, const QString& caption, int key)
{
    auto* action = new QAction(caption, &file);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key));
    file.insertAction(before, action);
    return action;
}

// The message in the text, or nothing after the status panel has said why.
template <typename Message>
std::optional<Message> readReceived(const QString& text, ReceivedReading<Message> (*read)(const QString&),
                                    StatusPanels& status)
{
    if (text.trimmed().isEmpty()) {
        status.SetStatusText(kNothingToOpen);
        return std::nullopt;
    }
    const ReceivedReading<Message> reading = read(text);
    if (!reading.message)
        status.SetStatusText(QStringLiteral("Status: ") + reading.reason);
    return reading.message;
}

} // namespace

void FrmPacket::setUpReceivedTraffic()
{
    connect(m_session.get(), &PortSession::received, this,
            [this](const QString& chunk) { m_boardAnswer.received(chunk); });
    connect(&m_session->writer(), &TncWriter::sent, this, [this](const QString& text) { m_boardAnswer.sent(text); });
    QAction* separator = m_menus.mnuFile->findChild<QAction*>(QStringLiteral("mnuSep1"));
    m_menus.mnuFileOpenAsRadiogram = receivedTrafficItem(*m_menus.mnuFile, separator, "mnuFileOpenAsRadiogram",
                                                         QStringLiteral("Open as &Radiogram"), Qt::Key_N);
    m_menus.mnuFileOpenAsAres = receivedTrafficItem(*m_menus.mnuFile, separator, "mnuFileOpenAsAres",
                                                    QStringLiteral("Open as ARES &Message"), Qt::Key_T);
    connect(m_menus.mnuFileOpenAsRadiogram, &QAction::triggered, this, &FrmPacket::openReceivedAsRadiogram);
    connect(m_menus.mnuFileOpenAsAres, &QAction::triggered, this, &FrmPacket::openReceivedAsAres);
    m_txtReceived->setContextActions({m_menus.mnuFileOpenAsRadiogram, m_menus.mnuFileOpenAsAres});
}

QString FrmPacket::receivedTextToOpen() const
{
    return m_boardAnswer.textToOpen(fromEditorText(m_txtReceived->textCursor().selectedText()));
}

void FrmPacket::openReceivedAsRadiogram()
{
    if (const std::optional<Radiogram> received = readReceived(receivedTextToOpen(), &NtsReader::read, m_status)) {
        showNts();
        m_nts->openReceived(*received);
    }
}

void FrmPacket::openReceivedAsAres()
{
    if (const std::optional<AresMessage> received = readReceived(receivedTextToOpen(), &AresReader::read, m_status)) {
        showTormel();
        m_tormel->openReceived(*received);
    }
}

} // namespace vellicor
