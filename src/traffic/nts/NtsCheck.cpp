#include "traffic/nts/NtsCheck.h"

#include "platform/api/Prompter.h"
#include "traffic/common/TrafficPatterns.h"
#include "traffic/nts/Radiogram.h"

#include <QRegularExpression>

namespace vellicor::NtsCheck {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The number at the start of a text, blanks anywhere in it ignored.
double leadingNumber(QString text)
{
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    static const QRegularExpression number(QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).toDouble() : 0.0;
}

} // namespace

qsizetype ComputeCheck(const QString& text)
{
    qsizetype words = 0;
    bool betweenWords = true;
    for (const QChar c : TrafficPatterns::trimSpaces(text)) {
        if (isSeparator(c)) {
            betweenWords = true;
        } else if (betweenWords) {
            ++words;
            betweenWords = false;
        }
    }
    return words;
}

CheckField readCheckField(const QString& check)
{
    static const QRegularExpression arl(QStringLiteral("^[ \\t]*ARL[ \\t]+(\\d+)[ \\t]*$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = arl.match(check);
    if (match.hasMatch())
        return {match.captured(1).toDouble(), true};
    return {leadingNumber(check), false};
}

QString checkText(qsizetype count, bool arl)
{
    return (arl ? QStringLiteral("ARL ") : QString()) + QString::number(count);
}

QString verdict(const QString& check, const QString& text)
{
    const qsizetype count = ComputeCheck(text);
    const QString shown = QStringLiteral("Check ") + TrafficPatterns::trimSpaces(check);
    if (readCheckField(check).count == static_cast<double>(count))
        return shown + QStringLiteral(" agrees with the text");
    return shown + QStringLiteral(", text has %1 word%2").arg(count).arg(count == 1 ? "" : "s");
}

void verifyCheck(Radiogram& radiogram, Prompter& prompter)
{
    const qsizetype count = ComputeCheck(radiogram.message);
    if (radiogram.check.isEmpty()) {
        radiogram.check = checkText(count, false);
        return;
    }
    const CheckField field = readCheckField(radiogram.check);
    if (field.count == static_cast<double>(count))
        return;
    if (prompter.askYesNo(kDisagrees))
        radiogram.check = checkText(count, field.arl);
}

} // namespace vellicor::NtsCheck
