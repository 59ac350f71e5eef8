#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
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
    QFile statm(QStringLiteral("/proc/self/statm"));
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
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

// The complete versions the save helper writes: version n is the line
// "VERSION n" and then pseudo-random bytes, of a length of its own, all
// made from n.
inline QByteArray savedVersion(quint32 number, qint64 megabytes)
{
    const qint64 size = megabytes * 1024 * 1024 + (number * 7919) % 65536;
    QList<quint32> words((size + 3) / 4);
    QRandomGenerator(number).fillRange(words.data(), words.size());
    return "VERSION " + QByteArray::number(number) + "\r\n"
        + QByteArray(reinterpret_cast<const char*>(words.constData()), size);
}

} // namespace vellicor::test::soak
