#include "tnc/ModeSelection.h"

#include "tnc/AnsiText.h"
#include "tnc/TncControl.h"

#include <QPointer>

namespace vellicor {

namespace {

// The trimmed value of a mode line, as "$CONNECT" and its kin take it.
QString trimmedValue(const QString& line)
{
    return AnsiText::trimSpaces(AnsiText::valueAfterEquals(line));
}

// True when `word` occurs at character position 5 or later (counting from 1).
bool occursFromFifth(const QString& upperLine, QLatin1StringView word)
{
    return upperLine.indexOf(word, 4) >= 0;
}

} // namespace

ModeSelection::ModeSelection(TncSession& session, TncControl& control)
    : m_session(session)
    , m_control(control)
{
}

void ModeSelection::selectMode(int index)
{
    const std::optional<QString> caption = m_session.host.modeItemCaption(index);
    if (!caption)
        return;
    m_session.host.setModePanel(QString(*caption).remove(QLatin1Char('&')));
    m_session.state.currentMode = index;
    if (!ScriptTables::validMode(index))
        return; // a mode beyond the tables has no lines and no buttons
    const QPointer<TncControl> alive(&m_control);
    const int count = m_session.state.tables.modeLineCount(index);
    for (int number = 1; number <= count; ++number) {
        if (!runModeLine(index, number))
            return;
    }
    HideFunctionButtons();
    showButtons(index);
}

bool ModeSelection::runModeLine(int mode, int number)
{
    // Read when reached: an earlier line may have changed the tables.
    const QString line = m_session.state.tables.modeLine(mode, number);
    const QString upperLine = AnsiText::upper(line);
    TncGlobals& globals = m_session.globals;
    if (upperLine.contains(QLatin1StringView("WO"))) {
        if (m_session.state.isAeaFamily()) {
            const QPointer<TncControl> alive(&m_control);
            QString copy = line;
            m_control.ExecuteScriptLine(copy);
            if (!alive)
                return false;
        }
        applyWordOutLine(upperLine);
    } else if (upperLine.startsWith(QLatin1StringView("$CONNECT"))) {
        globals.gConnectCmd = trimmedValue(line);
    } else if (upperLine.startsWith(QLatin1StringView("$CONFILE"))) {
        globals.gConnectsFile = trimmedValue(line);
    } else if (upperLine.startsWith(QLatin1StringView("$LOCALECHO"))) {
        globals.gLocalEcho = trimmedValue(line) == u"ON";
    } else if (upperLine.startsWith(QLatin1StringView("$BYPASSCONV"))) {
        globals.gBypassConv = trimmedValue(line) == u"ON";
    } else {
        const QPointer<TncControl> alive(&m_control);
        QString copy = line;
        m_control.ExecuteScriptLine(copy);
        return !alive.isNull();
    }
    return true;
}

void ModeSelection::applyWordOutLine(const QString& upperLine)
{
    // "ON" or "OFF" counts only after a command word of four letters or more.
    if (occursFromFifth(upperLine, QLatin1StringView("ON")))
        m_session.globals.gWordOut = true;
    if (occursFromFifth(upperLine, QLatin1StringView("OFF")))
        m_session.globals.gWordOut = false;
}

void ModeSelection::HideFunctionButtons()
{
    for (int button = 0; button < ScriptTables::kButtons; ++button)
        m_session.host.setFunctionButton(button, QString(), QString(), false);
}

void ModeSelection::showButtons(int mode)
{
    const ScriptTables& tables = m_session.state.tables;
    for (int button = 0; button < ScriptTables::kButtons; ++button) {
        const QString caption = tables.buttonCaption(mode, button);
        if (!caption.isEmpty())
            m_session.host.setFunctionButton(button, caption, tables.buttonTip(mode, button), true);
    }
    m_session.host.arrangeReceivePane(!tables.buttonCaption(mode, 0).isEmpty());
}

void ModeSelection::pressButton(int index)
{
    const int mode = m_session.state.currentMode;
    if (!ScriptTables::validMode(mode) || !ScriptTables::validButton(index))
        return;
    const QPointer<TncControl> alive(&m_control);
    const int count = m_session.state.tables.buttonLineCount(mode, index);
    for (int number = 1; number <= count; ++number) {
        // Read when reached, executed as a copy: the line may change the tables.
        QString line = m_session.state.tables.buttonLine(mode, index, number);
        m_control.ExecuteScriptLine(line);
        if (!alive)
            return;
    }
    m_session.host.focusSendBox();
}

} // namespace vellicor
