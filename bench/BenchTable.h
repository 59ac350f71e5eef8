#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>

namespace vellicor::bench {

// Prints a benchmark's results as a table: one row per figure.
class BenchTable {
public:
    explicit BenchTable(QString title) : m_title(std::move(title)) {}
    void add(const QString& figure, const QString& value, const QString& target = {});
    void print() const;

private:
    QString m_title;
    QList<QStringList> m_rows;
};

double median(QList<double> values);
double percentile(QList<double> values, double fraction);
// Resident memory of this process in MB.
double residentMegabytes();
// The most resident memory the process has had so far.
double peakResidentMegabytes();
// CPU time this process has used, in seconds.
double cpuSeconds();
QString number(double value, int decimals = 1);

// Microseconds between two points of the steady clock.
inline double microseconds(std::chrono::steady_clock::duration span)
{
    return std::chrono::duration<double, std::micro>(span).count();
}

} // namespace vellicor::bench
