#include "traffic/nts/NtsFile.h"

#include "terminal/TextFile.h"
#include "traffic/common/MessageFile.h"
#include "traffic/common/TrafficPatterns.h"
#include "traffic/nts/NtsCheck.h"
#include "traffic/nts/NtsFields.h"
#include "traffic/nts/Radiogram.h"

#include <utility>

namespace vellicor::NtsFile {

namespace {

using MessageFile::LineReader;
using TrafficPatterns::trimSpaces;

const QString kCrLf = QStringLiteral("\r\n");

// A last line of a block with its five-character marker replaced by spaces.
QString withoutMarker(const QString& line)
{
    return trimSpaces(line.left(qMax<qsizetype>(line.size() - 5, 0)));
}

QString asRead(const QString& text)
{
    return text;
}

bool readPreamble(LineReader& in, Radiogram& r)
{
    using Pattern = QString (*)(const QString&);
    const std::pair<QString*, Pattern> fields[] = {
        {&r.msgNum, TrafficPatterns::formatNumber000}, {&r.precedence, asRead}, {&r.handling, asRead},
        {&r.station, asRead}, {&r.check, asRead}, {&r.place, asRead},
        {&r.timeFiled, TrafficPatterns::formatTimeHHMMZ},
        {&r.dateFiled, static_cast<Pattern>(TrafficPatterns::formatDateMMDDYYYY)}, {&r.name, asRead}};
    for (const auto& [field, pattern] : fields) {
        if (in.atEnd())
            return false;
        *field = pattern(trimSpaces(in.take()));
    }
    return true;
}

// The address runs to the line ending in " .AA." (or to the end of the file).
bool readAddress(LineReader& in, Radiogram& r)
{
    while (!in.atEnd()) {
        const QString line = TrafficPatterns::trimTrailingSpaces(in.take());
        if (line.endsWith(kAddressEnd)) {
            r.address += withoutMarker(line);
            return true;
        }
        r.address += trimSpaces(line) + kCrLf;
    }
    return false;
}

// The text runs to the line that, trimmed, ends in ".BT.".
bool readText(LineReader& in, Radiogram& r)
{
    while (!in.atEnd()) {
        const QString line = trimSpaces(in.take());
        if (line.endsWith(QLatin1String(".BT."))) {
            r.message += withoutMarker(line);
            return true;
        }
        r.message += line + kCrLf;
    }
    return false;
}

bool readLocality(LineReader& in, Radiogram& r)
{
    for (QString* field : {&r.city, &r.state, &r.zip}) {
        if (in.atEnd())
            return false;
        *field = trimSpaces(in.take());
    }
    if (in.atEnd())
        return false;
    r.phone = TrafficPatterns::formatPhone(withoutMarker(TrafficPatterns::trimTrailingSpaces(in.take())));
    return true;
}

} // namespace

QString contents(const Radiogram& r)
{
    const QStringList lines = {
        NtsFields::messageNumber(r.msgNum),
        trimSpaces(r.precedence),
        trimSpaces(r.handling),
        trimSpaces(r.station),
        trimSpaces(r.check),
        trimSpaces(r.place),
        TrafficPatterns::formatTimeHHMMZ(trimSpaces(r.timeFiled)),
        TrafficPatterns::formatDateMMDDYYYY(trimSpaces(r.dateFiled)),
        trimSpaces(r.name),
        trimSpaces(r.address) + kAddressEnd,
        trimSpaces(r.city),
        trimSpaces(r.state),
        trimSpaces(r.zip),
        NtsFields::phone(r.phone) + kTextEnd,
        trimSpaces(r.message) + kTextEnd,
        trimSpaces(r.signedBy),
    };
    return lines.join(kCrLf) + kCrLf;
}

std::optional<FileError> WriteNtsFile(const QString& path, Radiogram& radiogram, Prompter& prompter)
{
    NtsCheck::verifyCheck(radiogram, prompter);
    radiogram.phone = NtsFields::phone(radiogram.phone);
    return TextFile::saveText(path, contents(radiogram));
}

void readInto(const QStringList& lines, Radiogram& radiogram)
{
    LineReader in(lines);
    if (!readPreamble(in, radiogram) || !readAddress(in, radiogram) || !readLocality(in, radiogram)
        || !readText(in, radiogram) || in.atEnd())
        return;
    radiogram.signedBy = trimSpaces(in.take());
}

} // namespace vellicor::NtsFile
