#pragma once

#include <QFont>

class QPlainTextEdit;

namespace vellicor {

// How both message forms dress their controls: proportional Arial for the
// fields, the fixed-pitch "Terminal" for the message text.
namespace MessageFormStyle {

QFont fieldFont();
QFont messageFont();

// A multi-line box: Tab moves on to the next control, the vertical scroll
// bar always shows, and lines wrap at the box's width.
void makeMultiLine(QPlainTextEdit* box);

} // namespace MessageFormStyle
} // namespace vellicor
