#include "terminal/EditorText.h"

#include <QTextDocument>

namespace vellicor {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString fromEditorText(const QString& text)
{
    QString converted = text;
    converted.replace(QLatin1Char('\n'), kCrLf);
    converted.replace(QChar::ParagraphSeparator, kCrLf);
    return converted.replace(QChar::LineSeparator, kCrLf);
}

QString toEditorText(const QString& text)
{
    QString converted = text;
    converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString editorText(const QTextDocument& document)
{
    return fromEditorText(document.toRawText());
}

} // namespace vellicor
