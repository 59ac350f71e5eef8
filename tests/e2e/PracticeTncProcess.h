#pragma once

#include <QProcess>
#include <QString>

namespace vellicor::test {

// The real vellicor-practice-tnc executable, started as scripts start it:
// on a free loopback port, with its board's messages in a folder of the test.
class PracticeTncProcess {
public:
    explicit PracticeTncProcess(QString storeFolder);
    ~PracticeTncProcess();

    // Starts it and waits for the first line of its standard output, which
    // names the port. False when it did not say one.
    bool start();
    quint16 port() const { return m_port; }

private:
    QString m_store;
    QProcess m_process;
    quint16 m_port = 0;
};

} // namespace vellicor::test
