// The conversions of stored preference texts: any text, any range. The
// first sixteen bytes give the range of wholeNumber; the rest is the text.
#include "FuzzSupport.h"
#include "terminal/Conversions.h"
#include "terminal/Windows1252.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

using namespace vellicor;

namespace {

template <typename T>
void checkWithin(const std::optional<T>& value, qint64 min, qint64 max, const char* what)
{
    if (value && (*value < min || *value > max))
        fuzz::fail(what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 16)
        return 0;
    qint64 min = 0;
    qint64 max = 0;
    std::memcpy(&min, data, sizeof min);
    std::memcpy(&max, data + 8, sizeof max);
    if (min > max)
        std::swap(min, max);
    const QString text = decodeWindows1252(fuzz::bytesOf(data + 16, size - 16));

    const std::optional<double> number = Conversions::number(text);
    if (number && std::isnan(*number))
        fuzz::fail("number gave NaN");
    checkWithin(Conversions::wholeNumber(text, min, max), min, max, "wholeNumber out of its range");
    checkWithin(Conversions::int16(text), std::numeric_limits<qint16>::min(),
                std::numeric_limits<qint16>::max(), "int16 out of range");
    checkWithin(Conversions::int32(text), std::numeric_limits<qint32>::min(),
                std::numeric_limits<qint32>::max(), "int32 out of range");
    const std::optional<qint32> asInt32 = Conversions::int32(text);
    const std::optional<qint16> asInt16 = Conversions::int16(text);
    if (asInt16 && (!asInt32 || *asInt32 != *asInt16))
        fuzz::fail("int16 and int32 disagree");
    Conversions::flag(text);
    Conversions::leadingNumber(text);
    return 0;
}
