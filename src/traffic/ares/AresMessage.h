#pragma once

#include <QDate>
#include <QString>

namespace vellicor {

// One ARES (TORMEL) message as the form holds it: header, address block,
// text and closing line. The text uses CR LF line breaks.
struct AresMessage {
    static inline const QString kRoutine = QStringLiteral("R");

    QString priority = kRoutine;
    QString subject;
    QString date;
    QString time;
    QString to;
    QString toName;
    QString from;
    QString fromName;
    QString message;
    QString msgSentTime;
    QString by;

    // A fresh form: priority "R", today's date as MM/DD/YYYY, the rest empty.
    static AresMessage cleared(const QDate& today);

    bool operator==(const AresMessage&) const = default;
};

} // namespace vellicor
