#include "BenchTable.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace vellicor::bench {

void BenchTable::add(const QString& figure, const QString& value, const QString& target)
{
    m_rows.append({figure, value, target});
}

void BenchTable::print() const
{
    qsizetype widths[3] = {6, 5, 6};
    for (const QStringList& row : m_rows) {
        for (int i = 0; i < 3; ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    const auto line = [&widths](const QStringList& row) {
        std::printf("| %-*s | %*s | %-*s |\n", int(widths[0]), qPrintable(row[0]), int(widths[1]),
                    qPrintable(row[1]), int(widths[2]), qPrintable(row[2]));
    };
    const QString platform = QGuiApplication::platformName();
    if (platform.isEmpty())
        std::printf("\n%s\n", qPrintable(m_title));
    else
        std::printf("\n%s (platform %s)\n", qPrintable(m_title), qPrintable(platform));
    line({QStringLiteral("figure"), QStringLiteral("value"), QStringLiteral("target")});
    line({QString(widths[0], u'-'), QString(widths[1], u'-'), QString(widths[2], u'-')});
    for (const QStringList& row : m_rows)
        line(row);
    std::fflush(stdout);
}

double median(QList<double> values)
{
    return percentile(std::move(values), 0.5);
}

double percentile(QList<double> values, double fraction)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype at = std::clamp<qsizetype>(qsizetype(fraction * (values.size() - 1) + 0.5), 0, values.size() - 1);
    return values[at];
}

namespace {

double statusMegabytes(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

double residentMegabytes()
{
    return statusMegabytes("VmRSS:");
}

double peakResidentMegabytes()
{
    return statusMegabytes("VmHWM:");
}

double cpuSeconds()
{
    timespec spent{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &spent);
    return double(spent.tv_sec) + double(spent.tv_nsec) / 1e9;
}

QString number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace vellicor::bench
