#include "traffic/nts/NtsPrintout.h"

#include "traffic/common/MessagePrintout.h"
#include "traffic/common/TrafficPatterns.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsFields.h"
#include "traffic/nts/Radiogram.h"

#include <QRegularExpression>

namespace vellicor::NtsPrintout {

namespace {

using TrafficPatterns::trimSpaces;

// A field with line breaks prints as several lines; a final break leaves
// an empty line after it, as printing the text itself would.
QStringList printedLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

QString preambleLine(const Radiogram& r)
{
    const QString space = QStringLiteral(" ");
    return QStringLiteral("Num ") + NtsFields::messageNumber(r.msgNum) + space
        + trimSpaces(r.precedence) + space + trimSpaces(r.handling) + space + trimSpaces(r.station) + space
        + trimSpaces(r.check) + space + trimSpaces(r.place) + space
        + TrafficPatterns::formatTimeHHMMZ(trimSpaces(r.timeFiled)) + QStringLiteral("  ")
        + TrafficPatterns::formatDateMMDDYYYY(trimSpaces(r.dateFiled));
}

} // namespace

PrintJob job(const Radiogram& r)
{
    PrintJob page = MessagePrintout::emptyPage();
    page.lines << QString() << preambleLine(r) << QString() << trimSpaces(r.name);
    page.lines << printedLines(trimSpaces(r.address));
    page.lines << trimSpaces(r.city) + QStringLiteral(", ") + trimSpaces(r.state) + QStringLiteral(" ")
            + trimSpaces(r.zip);
    page.lines << NtsFields::phone(r.phone) + QStringLiteral(" .BT.") << QString();
    page.lines << printedLines(trimSpaces(r.message) + QStringLiteral(" .BT."));
    page.lines << QString() << trimSpaces(r.signedBy);
    return page;
}

void print(Radiogram& radiogram, Prompter& prompter, PrintService& printer)
{
    NtsCheck::verifyCheck(radiogram, prompter);
    radiogram.phone = NtsFields::phone(radiogram.phone);
    printer.print(job(radiogram));
}

} // namespace vellicor::NtsPrintout
