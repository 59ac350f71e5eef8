#include "windows/AboutText.h"

#include <QStringList>

namespace vellicor::AboutText {

QString caption()
{
    return QStringLiteral("About ") + kTitle;
}

QString versionLine(int major, int minor, int revision)
{
    QString line = QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
    if (major < 1)
        line += QStringLiteral(" (Beta)");
    return line;
}

QString description()
{
    const QStringList lines = {
        QStringLiteral("Full featured packet radio program designed primarily ")
            + QStringLiteral("for ARES/RACES operations."),
        QStringLiteral("For more information please contact:"),
        QStringLiteral("The Vellicor Project"),
        QStringLiteral("Packet terminal software for emergency communications"),
        QStringLiteral("vellicor@example.org"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

QString disclaimer()
{
    return QStringLiteral("Warning: this program is protected by copyright law. Copy and "
                          "pass it on only as its licence allows.");
}

} // namespace vellicor::AboutText
