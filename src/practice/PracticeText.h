#pragma once

#include <QByteArray>
#include <QList>

namespace vellicor {

// Byte-text helpers shared by the practice TNC and its stations. Texts stay
// 8-bit bytes throughout, so whatever the operator sends comes back unchanged.

// Puts `a` for "%1" and `b` for "%2" in one pass (a value holding "%2" stays as it is).
QByteArray fillText(const char* pattern, const QByteArray& a, const QByteArray& b = {});
// Every line end (CR, LF or CR LF) becomes CR LF.
QByteArray withCrLf(const QByteArray& text);
// Each line followed by CR LF.
QByteArray crLfLines(const QList<QByteArray>& lines);
// Splits at runs of spaces, dropping empty words.
QList<QByteArray> words(const QByteArray& line);
// A call sign, tactical call or ZIP code: 1 to 12 letters, digits, "-" or "/".
bool isCallLike(const QByteArray& text);

} // namespace vellicor
