#pragma once

#include <QString>

namespace vellicor {

// Reflows a message body to a line width before it is sent, in place.
//
// A width of 0 leaves the text exactly as it is. A width below 2 is raised
// to 2, in the caller's variable, which is why the width is taken by
// reference: callers pass their program-wide setting itself.
//
// Each line carries at most width - 1 characters before its break; a line
// broken at a space keeps that space before the CR LF. Spaces are never
// removed or added; a word longer than width - 1 is cut into pieces of
// exactly width - 1. A CR (or CR LF) of the text ends a line of its own and
// restarts the count; a lone LF is an ordinary character. Every line that
// does not end in a CR of its own gets CR LF, the last one too.
//
// Texts of any length and widths up to the int range are handled without
// overflow: positions are qsizetype.
void WrapMessageBody(QString& text, int& width);

} // namespace vellicor
