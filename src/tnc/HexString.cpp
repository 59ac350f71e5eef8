#include "tnc/HexString.h"

namespace vellicor {

namespace {

// The value of one digit: "0" to "9" and "A" to "F" (upper case only).
int digitValue(QChar c, Beeper& beeper)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    beeper.beep();
    return 0;
}

} // namespace

bool HexToBytes(const QString& hex, QByteArray& bytes, int& upper, Beeper& beeper)
{
    if (hex.size() % 2 != 0) {
        beeper.beep();
        return false;
    }
    const qsizetype count = hex.size() / 2;
    bytes = QByteArray(count, '\0');
    upper = static_cast<int>(count - 1);
    for (qsizetype i = 0; i < count; ++i) {
        const int high = digitValue(hex[2 * i], beeper);
        const int low = digitValue(hex[2 * i + 1], beeper);
        bytes[i] = static_cast<char>(high * 16 + low);
    }
    return true;
}

} // namespace vellicor
