#include "terminal/StatusClock.h"

namespace vellicor {

StatusClock::StatusClock(StatusPanels& panels, const Clock& clock, QObject* parent)
    : QObject(parent)
    , m_panels(panels)
    , m_clock(clock)
{
    m_clockTimer.setInterval(500);
    m_resetTimer.setInterval(5000);
    m_resetTimer.setSingleShot(true);
    connect(&m_clockTimer, &QTimer::timeout, this, &StatusClock::clockTick);
    connect(&m_resetTimer, &QTimer::timeout, this, &StatusClock::statusResetTick);
}

QString StatusClock::dateText(const QDateTime& utc)
{
    return utc.toString(QStringLiteral("MM/dd/yy  HH:mm")) + QStringLiteral(" Z");
}

void StatusClock::startClock()
{
    if (!m_clockTimer.isActive())
        m_clockTimer.start();
}

void StatusClock::startStatusReset()
{
    m_resetTimer.start();
}

void StatusClock::clockTick()
{
    const int localMinute = m_clock.nowLocal().time().minute();
    if (localMinute != m_lastLocalMinute) {
        m_lastLocalMinute = localMinute;
        m_panels.setPanel(StatusPanels::kDate, dateText(m_clock.nowUtc()));
    }
    emit receiveIndicatorOff();
}

void StatusClock::statusResetTick()
{
    m_panels.SetStatusText(QStringLiteral("Status: "));
    emit errorCountReset();
    m_resetTimer.stop();
}

} // namespace vellicor
