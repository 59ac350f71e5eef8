#include "tnc/TncCommands.h"

#include "tnc/TncControl.h"

#include <QPointer>

namespace vellicor {

namespace {
const QString kCtrlC = QString(QChar(3));
const QString kCtrlA = QString(QChar(1));
constexpr int kAutobaudCharacters = 10;
}

TncCommands::TncCommands(TncSession& session, TncControl& control)
    : m_session(session)
    , m_control(control)
{
}

void TncCommands::commandMode()
{
    m_session.writer.SendToTnc(kCtrlC);
    m_session.host.focusSendBox();
}

void TncCommands::converseMode()
{
    const QPointer<TncControl> alive(&m_control);
    m_session.writer.SendToTnc(kCtrlC);
    m_control.pauseOperation(0.1);
    if (!alive)
        return;
    m_session.writer.SendToTnc(QStringLiteral("CONV\r"));
    m_session.host.insertAtCaret(kConverseNote);
    m_session.host.moveCaretToEnd();
    m_session.host.focusSendBox();
    m_control.pauseOperation(0.5);
}

void TncCommands::switchChannel(int index)
{
    if (index < 0 || index >= TncState::kChannels)
        return;
    const QString id = m_session.state.channelIds[index];
    m_session.writer.SendToTnc(kCtrlA + id);
    m_session.host.insertAtCaret(QStringLiteral("Channel ") + id + QStringLiteral("\r\n"));
}

void TncCommands::sendAutobaud()
{
    const QPointer<TncControl> alive(&m_control);
    for (int i = 0; i < kAutobaudCharacters; ++i) {
        if (m_session.writer.SendToTnc(QStringLiteral("*")))
            return;
        m_control.pauseOperation(1.0);
        if (!alive)
            return;
    }
}

} // namespace vellicor
