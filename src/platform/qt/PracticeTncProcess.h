#pragma once

#include <QProcess>
#include <QString>

#include <optional>

namespace vellicor {

// The practice TNC as a child process on a free loopback port. It is
// stopped when this object goes, and the system stops it when the program
// dies without stopping it (killed or crashed).
class PracticeTncProcess {
public:
    ~PracticeTncProcess();

    // Starts the program with the board's store folder and waits for the
    // port it listens on; nothing, with `problem` set, when it fails.
    std::optional<quint16> start(const QString& program, const QString& storeFolder, QString* problem);

private:
    QProcess m_process;
};

} // namespace vellicor
