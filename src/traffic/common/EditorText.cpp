#include "traffic/common/EditorText.h"

namespace vellicor {

QString fromEditorText(const QString& text)
{
    QString converted = text;
    return converted.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString toEditorText(const QString& text)
{
    QString converted = text;
    converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace vellicor
