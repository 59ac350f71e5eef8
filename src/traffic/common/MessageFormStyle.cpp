#include "traffic/common/MessageFormStyle.h"

#include <QPlainTextEdit>

namespace vellicor::MessageFormStyle {

QFont fieldFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont messageFont()
{
    QFont font(QStringLiteral("Terminal"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void makeMultiLine(QPlainTextEdit* box)
{
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

} // namespace vellicor::MessageFormStyle
