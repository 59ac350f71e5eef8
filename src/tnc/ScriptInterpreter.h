#pragma once

#include "tnc/TncSession.h"

#include <QString>

namespace vellicor {

class TncControl;

// ExecuteScriptLine: the one interpreter of script lines, mode function lines
// and button function lines. A line is a comment ("*"), a half-second pause
// ("#"), a hex byte string ("&H'...'"), a "$" directive, or text for the TNC.
class ScriptInterpreter {
public:
    ScriptInterpreter(TncSession& session, TncControl& control);

    // Trims `line` in place and may rewrite it ("$CMD LINE", "^" notation).
    void ExecuteScriptLine(QString& line);

    // The text written into the receive pane for a malformed hex string.
    static QString invalidHexText(const QString& line);

private:
    void sendTextLine(QString& line);
    void sendHexString(const QString& line);
    void runDirective(const QString& line);

    void setTncType(const QString& value);
    void includeFile(const QString& value);
    void setDaytime(const QString& value);
    void appendCaption(const QString& value);
    void clearModeMenu(const QString& value);
    void addMode(const QString& value);
    void addModeFunction(const QString& value);
    void setDefaultMode(const QString& value);
    void addButton(const QString& value);
    void setButtonTip(const QString& value);
    void addButtonFunction(const QString& value);

    TncSession& m_session;
    TncControl& m_control;
};

// Replaces the first "$CMD LINE" (any letter case) with the send box's text
// and empties the send box; false when the line holds no such token.
bool substituteCommandLine(QString& line, ScriptHost& host);
// Turns "^" and the character after it into a control character (code of the
// upper-case character minus 64); a "^" before a character below code 64 or
// at the end is just removed.
QString applyCaretNotation(const QString& line);

} // namespace vellicor
