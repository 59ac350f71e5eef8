#pragma once

#include "TestFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <utility>

#include <unistd.h>

namespace vellicor::test::soak {

// How long a run is: the value of a VELLICOR_SOAK_* variable, or the short
// figure that CI uses. tools/soak.sh sets the long ones.
inline qint64 setting(const char* name, qint64 shortRun)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok && value > 0 ? value : shortRun;
}

// AddressSanitizer (GCC's, as CI builds it) keeps freed memory in
// quarantine, so resident memory says nothing about leaks there.
#ifdef __SANITIZE_ADDRESS__
inline constexpr bool kResidentMemoryMeaningful = false;
#else
inline constexpr bool kResidentMemoryMeaningful = true;
#endif

// Resident memory of this process in MiB.
inline double residentMiB()
{
    const QList<QByteArray> fields = fileBytes(QStringLiteral("/proc/self/statm")).split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// A fast timer of the test's own: while the event loop answers, it ticks.
// The longest gap between ticks is a figure of the run, never a verdict.
class Heartbeat {
public:
    Heartbeat()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            ++m_ticks;
            m_longestGapMs = qMax(m_longestGapMs, m_sinceLast.restart());
        });
        m_sinceLast.start();
        m_timer.start(10);
    }
    // Ticks since the last call.
    int takeTicks() { return std::exchange(m_ticks, 0); }
    qint64 longestGapMs() const { return m_longestGapMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    int m_ticks = 0;
    qint64 m_longestGapMs = 0;
};

} // namespace vellicor::test::soak
