#include "traffic/common/WrapMessageBody.h"

namespace vellicor {

namespace {

constexpr qsizetype kNoBreak = -1;

struct LineEnd {
    qsizetype breakAt = kNoBreak; // index of the line's last character
    bool ownBreak = false;        // the line ends in a CR (or CR LF) of the text
};

// Looks through the window [start, start + width - 1] for where the line ends.
LineEnd findLineEnd(const QString& source, qsizetype start, qsizetype width)
{
    const qsizetype size = source.size();
    LineEnd end;
    for (qsizetype j = start; j < start + width; ++j) {
        if (j >= size) {
            end.breakAt = size - 1; // the rest of the text fits: take it whole
            return end;
        }
        const QChar c = source[j];
        if (c == QLatin1Char(' ')) {
            end.breakAt = j; // keep looking: the last space in the window wins
        } else if (c == QLatin1Char('\r')) {
            end.breakAt = j;
            end.ownBreak = true;
            if (j + 1 < size && source[j + 1] == QLatin1Char('\n'))
                end.breakAt = j + 1;
            return end;
        }
    }
    return end;
}

} // namespace

void WrapMessageBody(QString& text, int& width)
{
    if (width == 0)
        return;
    if (width < 2)
        width = 2;

    const QString source = text;
    const qsizetype w = width;
    QString output;
    output.reserve(source.size() + source.size() / qMax<qsizetype>(w - 1, 1) * 2 + 2);
    qsizetype p = 0;
    while (p < source.size()) {
        const LineEnd end = findLineEnd(source, p, w);
        if (end.breakAt != kNoBreak) {
            output += QStringView(source).mid(p, end.breakAt - p + 1);
            p = end.breakAt + 1;
            if (!end.ownBreak)
                output += QLatin1String("\r\n");
        } else {
            // No space and no CR in the whole window: cut the word.
            output += QStringView(source).mid(p, w - 1);
            output += QLatin1String("\r\n");
            p += w - 1;
        }
    }
    text = output;
}

} // namespace vellicor
