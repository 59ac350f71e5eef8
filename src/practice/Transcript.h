#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vellicor {

// Every byte the practice TNC receives, from every link, in arrival order,
// written unbuffered so a test can read the file while the TNC runs. The file
// is emptied at start; without a file name nothing is recorded.
class Transcript {
public:
    // Empty on success, else the reason.
    QString open(const QString& path);
    void record(const QByteArray& bytes);

private:
    QFile m_file;
};

} // namespace vellicor
