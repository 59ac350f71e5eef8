#include "platform/agw/TncValues.h"

#include <QRegularExpression>

namespace vellicor::tncvalue {

bool isStationCall(const QByteArray& call)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?=[A-Z0-9]*[0-9])(?=[A-Z0-9]*[A-Z])[A-Z0-9]{3,6}(-([0-9]|1[0-5]))?$"));
    return pattern.match(QString::fromLatin1(call)).hasMatch();
}

std::optional<bool> flagValue(const QByteArray& word)
{
    const QByteArray value = word.toUpper();
    if (value == "ON" || value == "YES" || value == "Y")
        return true;
    if (value == "OFF" || value == "NO" || value == "N")
        return false;
    return std::nullopt;
}

std::optional<QDateTime> parseDaytime(const QByteArray& stamp)
{
    if (stamp.size() != 10 && stamp.size() != 12)
        return std::nullopt;
    for (char c : stamp) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    auto field = [&stamp](int i) { return stamp.mid(i * 2, 2).toInt(); };
    const QDate date(2000 + field(0), field(1), field(2));
    const QTime time(field(3), field(4), stamp.size() == 12 ? field(5) : 0);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

} // namespace vellicor::tncvalue
