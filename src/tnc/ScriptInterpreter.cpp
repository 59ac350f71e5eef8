#include "tnc/ScriptInterpreter.h"

#include "terminal/Conversions.h"
#include "tnc/AnsiText.h"
#include "tnc/HexString.h"
#include "tnc/TncControl.h"

#include <QPointer>

#include <array>

namespace vellicor {

namespace {

const QString kCommandLineToken = QStringLiteral("$CMD LINE");
constexpr char16_t kCarriageReturn = u'\r';

} // namespace

bool substituteCommandLine(QString& line, ScriptHost& host)
{
    const qsizetype at = AnsiText::upper(line).indexOf(kCommandLineToken);
    if (at < 0)
        return false;
    line = line.left(at) + host.sendBoxText() + line.mid(at + kCommandLineToken.size());
    host.clearSendBox();
    return true;
}

QString applyCaretNotation(const QString& line)
{
    // One pass: a character made from a "^" pair is never "^" again, so
    // searching again from the start would find the same carets in order.
    QString result;
    result.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != QLatin1Char('^')) {
            result += line[i];
            continue;
        }
        if (++i >= line.size())
            break;
        const int code = AnsiText::code(AnsiText::upper(QString(line[i])).at(0));
        result += code >= 64 ? AnsiText::fromCode(code - 64) : line[i];
    }
    return result;
}

ScriptInterpreter::ScriptInterpreter(TncSession& session, TncControl& control)
    : m_session(session)
    , m_control(control)
{
}

QString ScriptInterpreter::invalidHexText(const QString& line)
{
    return QStringLiteral("Invalid Hex string in Settings File:\r\n") + line + QStringLiteral("\r\n");
}

void ScriptInterpreter::ExecuteScriptLine(QString& line)
{
    if (!m_session.globals.gPortOk || m_session.state.operation.includesExhausted)
        return;
    line = AnsiText::trimSpaces(line);
    if (line.isEmpty())
        return;
    switch (line[0].unicode()) {
    case u'*':
        return;
    case u'$':
        runDirective(line);
        return;
    case u'#':
        m_control.pauseOperation(0.5);
        return;
    case u'&':
        if (AnsiText::upper(line.left(3)) == u"&H'")
            sendHexString(line);
        return;
    default:
        sendTextLine(line);
    }
}

void ScriptInterpreter::sendTextLine(QString& line)
{
    substituteCommandLine(line, m_session.host);
    line = applyCaretNotation(line);
    if (m_session.writer.SendToTnc(line))
        return;
    // A line ending in a control character below ^Y goes without a carriage return.
    if (!line.isEmpty() && line.back().unicode() >= 25)
        m_session.writer.SendToTnc(QString(QChar(kCarriageReturn)));
}

void ScriptInterpreter::sendHexString(const QString& line)
{
    const qsizetype quote = line.indexOf(QLatin1Char('\''), 3);
    const qsizetype closing = quote < 0 ? 0 : quote + 1; // counted from 1
    if (closing < 6 || closing % 2 != 0) {
        m_session.host.insertAtCaret(invalidHexText(line));
        return;
    }
    QByteArray bytes;
    int upper = -1;
    if (!HexToBytes(AnsiText::upper(line.mid(3, closing - 4)), bytes, upper, *m_session.platform.beeper))
        return;
    for (int i = 0; i <= upper; ++i) {
        if (m_session.writer.SendToTnc(QString(AnsiText::fromCode(static_cast<unsigned char>(bytes[i])))))
            return;
    }
}

void ScriptInterpreter::runDirective(const QString& line)
{
    using Handler = void (ScriptInterpreter::*)(const QString&);
    struct Directive {
        QLatin1StringView keyword;
        Handler handler;
    };
    // Tested in this order; "$MODE MENU CLEAR" before "$MODE MENU".
    static const std::array<Directive, 11> kDirectives = {{
        {QLatin1StringView("$TNC"), &ScriptInterpreter::setTncType},
        {QLatin1StringView("$FILE"), &ScriptInterpreter::includeFile},
        {QLatin1StringView("$SETDAYTIME"), &ScriptInterpreter::setDaytime},
        {QLatin1StringView("$CAPTION"), &ScriptInterpreter::appendCaption},
        {QLatin1StringView("$MODE MENU CLEAR"), &ScriptInterpreter::clearModeMenu},
        {QLatin1StringView("$MODE MENU"), &ScriptInterpreter::addMode},
        {QLatin1StringView("$MODE FUNC"), &ScriptInterpreter::addModeFunction},
        {QLatin1StringView("$MODE DEFAULT"), &ScriptInterpreter::setDefaultMode},
        {QLatin1StringView("$BUTTON CAPTION"), &ScriptInterpreter::addButton},
        {QLatin1StringView("$BUTTON TIP"), &ScriptInterpreter::setButtonTip},
        {QLatin1StringView("$BUTTON FUNCTION"), &ScriptInterpreter::addButtonFunction},
    }};
    const QString upperLine = AnsiText::upper(line);
    for (const Directive& directive : kDirectives) {
        if (upperLine.startsWith(directive.keyword)) {
            (this->*directive.handler)(AnsiText::valueAfterEquals(line));
            return;
        }
    }
}

void ScriptInterpreter::setTncType(const QString& value)
{
    m_session.state.tncType = AnsiText::upper(AnsiText::trimSpaces(value));
}

void ScriptInterpreter::includeFile(const QString& value)
{
    m_session.state.includeFile = AnsiText::upper(AnsiText::trimSpaces(value));
    m_control.RunScript(QStringLiteral("ExecFile"));
}

void ScriptInterpreter::setDaytime(const QString&)
{
    const QDateTime now = m_session.platform.clock->nowLocal();
    QString stamp = now.toString(QStringLiteral("yyMMddHHmm"));
    if (m_session.state.isKnownModel())
        stamp += now.toString(QStringLiteral("ss"));
    m_session.writer.SendToTnc(QStringLiteral("DAYTIME ") + stamp + QChar(kCarriageReturn));
}

void ScriptInterpreter::appendCaption(const QString& value)
{
    ScriptHost& host = m_session.host;
    host.setCaption(host.caption() + QStringLiteral("        ") + AnsiText::trimSpaces(value));
}

void ScriptInterpreter::clearModeMenu(const QString&)
{
    TncState& state = m_session.state;
    m_session.host.setModePlaceholderVisible(true);
    m_session.host.setModeMenuVisible(false);
    for (int index = state.modeCount; index >= 1; --index)
        m_session.host.removeModeItem(index);
    state.modeCount = 0;
    state.modeFunctionCount = 0;
    state.buttonCount = 0;
    state.tables.clearModeLines();
    m_control.HideFunctionButtons();
}

void ScriptInterpreter::addMode(const QString& value)
{
    TncState& state = m_session.state;
    m_session.host.setModeMenuVisible(true);
    const bool added = incrementCount(state.modeCount);
    state.modeFunctionCount = 0;
    state.buttonCount = 0;
    if (added)
        m_session.host.addModeItem(state.modeCount, AnsiText::trimSpaces(value));
    m_session.host.setModePlaceholderVisible(false);
}

void ScriptInterpreter::addModeFunction(const QString& value)
{
    TncState& state = m_session.state;
    if (state.modeFunctionCount >= ScriptTables::kMaxLines)
        return; // the list is full: the line is dropped
    ++state.modeFunctionCount;
    state.tables.setModeLine(state.modeCount, state.modeFunctionCount, AnsiText::trimSpaces(value));
}

void ScriptInterpreter::setDefaultMode(const QString& value)
{
    const qint64 mode = Conversions::leadingNumber(value);
    if (mode >= -32768 && mode <= 32767)
        m_session.state.defaultMode = static_cast<int>(mode);
}

void ScriptInterpreter::addButton(const QString& value)
{
    TncState& state = m_session.state;
    state.tables.setButtonCaption(state.modeCount, state.buttonCount, AnsiText::trimSpaces(value));
    incrementCount(state.buttonCount);
    state.buttonFunctionCount = 0;
}

void ScriptInterpreter::setButtonTip(const QString& value)
{
    TncState& state = m_session.state;
    state.tables.setButtonTip(state.modeCount, state.buttonCount - 1, AnsiText::trimSpaces(value));
}

void ScriptInterpreter::addButtonFunction(const QString& value)
{
    TncState& state = m_session.state;
    if (state.buttonFunctionCount >= ScriptTables::kMaxLines)
        return; // the list is full: the line is dropped
    ++state.buttonFunctionCount;
    state.tables.setButtonLine(state.modeCount, state.buttonCount - 1, state.buttonFunctionCount,
                               AnsiText::trimSpaces(value));
}

} // namespace vellicor
