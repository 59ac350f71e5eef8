#pragma once

#include <QDate>
#include <QString>

namespace vellicor {

// One NTS radiogram as the form holds it: preamble, address, text and
// signature. Multi-line fields (address, message) use CR LF line breaks.
struct Radiogram {
    static inline const QString kRoutine = QStringLiteral("R (Routine)");

    QString msgNum;
    QString precedence = kRoutine;
    QString handling;
    QString station;
    QString check;
    QString place;
    QString timeFiled;
    QString dateFiled;
    QString name;
    QString address;
    QString city;
    QString state;
    QString zip;
    QString phone;
    QString message;
    QString signedBy;

    // A fresh form: routine precedence, today's date, everything else empty.
    static Radiogram cleared(const QDate& today);

    bool operator==(const Radiogram&) const = default;
};

} // namespace vellicor
