#include "tnc/ScriptTables.h"

namespace vellicor {

QString ScriptTables::LineList::line(int number) const
{
    if (number < 1 || number > kMaxLines)
        return {};
    return lines[number - 1];
}

bool ScriptTables::LineList::set(int number, const QString& text)
{
    if (number < 1 || number > kMaxLines)
        return false;
    lines[number - 1] = text;
    count = number;
    return true;
}

const ScriptTables::Button* ScriptTables::button(int mode, int index) const
{
    if (!validMode(mode) || !validButton(index))
        return nullptr;
    return &m_modes[mode].buttons[index];
}

ScriptTables::Button* ScriptTables::button(int mode, int index)
{
    if (!validMode(mode) || !validButton(index))
        return nullptr;
    return &m_modes[mode].buttons[index];
}

int ScriptTables::modeLineCount(int mode) const
{
    return validMode(mode) ? m_modes[mode].functions.count : 0;
}

QString ScriptTables::modeLine(int mode, int line) const
{
    return validMode(mode) ? m_modes[mode].functions.line(line) : QString();
}

bool ScriptTables::setModeLine(int mode, int line, const QString& text)
{
    return validMode(mode) && m_modes[mode].functions.set(line, text);
}

void ScriptTables::clearModeLines()
{
    for (Mode& mode : m_modes)
        mode.functions = LineList();
}

QString ScriptTables::buttonCaption(int mode, int index) const
{
    const Button* b = button(mode, index);
    return b ? b->caption : QString();
}

bool ScriptTables::setButtonCaption(int mode, int index, const QString& caption)
{
    Button* b = button(mode, index);
    if (b)
        b->caption = caption;
    return b != nullptr;
}

QString ScriptTables::buttonTip(int mode, int index) const
{
    const Button* b = button(mode, index);
    return b ? b->tip : QString();
}

bool ScriptTables::setButtonTip(int mode, int index, const QString& tip)
{
    Button* b = button(mode, index);
    if (b)
        b->tip = tip;
    return b != nullptr;
}

int ScriptTables::buttonLineCount(int mode, int index) const
{
    const Button* b = button(mode, index);
    return b ? b->functions.count : 0;
}

QString ScriptTables::buttonLine(int mode, int index, int line) const
{
    const Button* b = button(mode, index);
    return b ? b->functions.line(line) : QString();
}

bool ScriptTables::setButtonLine(int mode, int index, int line, const QString& text)
{
    Button* b = button(mode, index);
    return b && b->functions.set(line, text);
}

} // namespace vellicor
