// WrapMessageBody: any text at any width. The first four bytes choose the
// width; the rest is the message body in Windows-1252.
//
// Checked on every run:
// - removing the CR LF pairs it inserted gives back the text exactly;
// - no line holds more than w characters before its break, and more than
//   w - 1 only when its last character is a space;
// - width 0 leaves the text unchanged; widths below 2 count as 2.
#include "FuzzSupport.h"
#include "terminal/Windows1252.h"
#include "traffic/common/WrapMessageBody.h"

#include <cstring>

using namespace vellicor;

namespace {

// Width from four bytes: mostly small widths, now and then 0, negative or huge.
int widthFrom(QByteArrayView head)
{
    qint32 raw = 0;
    std::memcpy(&raw, head.data(), sizeof raw);
    switch (static_cast<quint8>(head[0]) % 8) {
    case 0:
        return raw; // anything, including 0, negatives and INT_MAX
    case 1:
        return static_cast<quint8>(head[1]) % 4 - 1; // -1 .. 2
    default:
        return static_cast<quint8>(head[1]) % 100;
    }
}

bool isPair(const QString& text, qsizetype at)
{
    return at + 1 < text.size() && text[at] == u'\r' && text[at + 1] == u'\n';
}

// Walks the output against the input: every difference must be an inserted CR LF.
void checkOnlyBreaksInserted(const QString& input, const QString& output)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < output.size()) {
        if (isPair(output, i) && !isPair(input, j))
            i += 2; // a break the wrap inserted
        else if (j < input.size() && output[i] == input[j])
            ++i, ++j;
        else
            fuzz::fail("a character appeared or disappeared");
    }
    if (j != input.size())
        fuzz::fail("text lost at the end");
}

// A line ends at a CR (with its LF when one follows); a lone LF is text.
void checkLineLengths(const QString& output, qsizetype w)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= output.size(); ++i) {
        if (i < output.size() && output[i] != u'\r')
            continue;
        const qsizetype length = i - start;
        if (length > w)
            fuzz::fail("a line longer than the width");
        if (length == w && output[i - 1] != u' ')
            fuzz::fail("a full-width line that does not end in a space");
        if (isPair(output, i))
            ++i;
        start = i + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const int requested = widthFrom(bytes.first(4));
    const QString input = decodeWindows1252(bytes.sliced(4));

    QString text = input;
    int width = requested;
    WrapMessageBody(text, width);

    if (requested == 0) {
        if (text != input || width != 0)
            fuzz::fail("width 0 changed the text");
        return 0;
    }
    if (width != qMax(requested, 2))
        fuzz::fail("width not raised to 2");
    checkOnlyBreaksInserted(input, text);
    checkLineLengths(text, width);
    return 0;
}
