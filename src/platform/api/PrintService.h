#pragma once

#include <QString>
#include <QStringList>

namespace vellicor {

// One printed document: plain lines in one font, starting at an origin
// measured in twips (1440 to the inch) from the printable area's corner.
struct PrintJob {
    QString fontFamily = QStringLiteral("Courier New");
    int pointSize = 12;
    int leftTwips = 500;
    int topTwips = 1000;
    QStringList lines;
};

// The printer. print() is false when nothing could be printed.
class PrintService {
public:
    virtual ~PrintService() = default;
    virtual bool print(const PrintJob& job) = 0;
};

} // namespace vellicor
