#pragma once

#include <QString>

class QTextDocument;

namespace vellicor {

// The multi-line boxes (the message forms' address and text, the clipboard)
// hold a line break as LF, or as a paragraph or line separator inside their
// documents; the texts they stand for, their files and their transmissions
// use CR LF.
QString fromEditorText(const QString& text);
// CR LF, and a lone CR, become the editor's LF.
QString toEditorText(const QString& text);
// A box's text with every character as it stands and CR LF line breaks.
// QTextDocument::toPlainText would turn a no-break space into a space.
QString editorText(const QTextDocument& document);

} // namespace vellicor
