#pragma once

#include "platform/api/Clock.h"
#include "terminal/StatusPanels.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

namespace vellicor {

// The two status-bar timers: the clock timer (every 500 ms once the first
// port event switched it on) keeps the UTC "Date" panel and turns the receive
// indicator off; the status reset timer clears the status panel 5 s after a
// port event or error.
class StatusClock : public QObject {
    Q_OBJECT
public:
    StatusClock(StatusPanels& panels, const Clock& clock, QObject* parent = nullptr);

    // The "mm/dd/yy  hh:mm Z" text of the Date panel.
    static QString dateText(const QDateTime& utc);

    void startClock();       // Timer1 on (never switched off)
    void startStatusReset(); // Timer2 on; its 5 s start again from the latest event
    bool clockRunning() const { return m_clockTimer.isActive(); }
    bool statusResetPending() const { return m_resetTimer.isActive(); }

    void clockTick();
    void statusResetTick();

signals:
    void receiveIndicatorOff();
    void errorCountReset();

private:
    StatusPanels& m_panels;
    const Clock& m_clock;
    QTimer m_clockTimer;
    QTimer m_resetTimer;
    int m_lastLocalMinute = 0;
};

} // namespace vellicor
