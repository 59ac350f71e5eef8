#include "terminal/StatusPanels.h"

namespace vellicor {

StatusPanels::StatusPanels(QObject* parent)
    : QObject(parent)
{
    m_panels.insert(kStatus, {QStringLiteral("Status:"), QStringLiteral("Status:")});
    m_panels.insert(kMode, {});
    m_panels.insert(kComPort, {QStringLiteral("Com Port:"), QStringLiteral("Com Port:")});
    m_panels.insert(kSettings, {QStringLiteral("Settings:"), QStringLiteral("Settings:")});
    m_panels.insert(kDate, {QStringLiteral("Date"), QStringLiteral("Date")});
}

void StatusPanels::setPanel(const QString& key, const QString& text)
{
    m_panels[key] = {text, text};
    emit changed(key);
}

void StatusPanels::setToolTip(const QString& key, const QString& toolTip)
{
    m_panels[key].toolTip = toolTip;
    emit changed(key);
}

void StatusPanels::showPort(int portNumber, const QString& settings)
{
    setPanel(kComPort, QStringLiteral("Com Port: %1").arg(portNumber));
    setPanel(kSettings, QStringLiteral("Settings: ") + settings);
    setToolTip(kStatus, text(kStatus));
}

} // namespace vellicor
