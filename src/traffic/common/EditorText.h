#pragma once

#include <QString>

namespace vellicor {

// The message forms' multi-line boxes hold line breaks as LF; the messages
// they stand for, their files and their transmissions use CR LF.
QString fromEditorText(const QString& text);
// CR LF, and a lone CR, become the editor's LF.
QString toEditorText(const QString& text);

} // namespace vellicor
