#pragma once

#include "tnc/TncSession.h"

#include <QObject>

#include <memory>

namespace vellicor {

class ModeSelection;
class ScriptInterpreter;
class ScriptRunner;
class TncCommands;

// The TNC control of the main window: scripts, the Mode menu and function
// buttons, command/converse, channels and autobaud. The main window owns it
// (it must not outlive the window) and forwards its menu items, buttons and
// function keys here. It uses the platform's pauser, beeper, clock, prompter
// and file dialogs, which must be set.
//
// Several of these operations wait in Pause or in a message box, while the
// window keeps handling events: a second operation may start meanwhile, and
// the main window (and this object with it) may be destroyed. Every operation
// reads each table line when it reaches it, executes a copy, and ends without
// touching anything once this object is gone; callers holding a pointer to it
// should hold a QPointer.
class TncControl : public QObject {
    Q_OBJECT
public:
    TncControl(TncGlobals& globals, ScriptHost& host, TncWriter& writer, const Platform& platform,
               ProgramFolder folder, QObject* parent = nullptr);
    ~TncControl() override;

    // One script line; trims and may rewrite `line` in place.
    void ExecuteScriptLine(QString& line);
    // Runs a script of kind "Start", "Shut", "Custom" or "ExecFile" (any letter case).
    void RunScript(const QString& kind);
    // "Custom &Script...": asks for a file and runs it.
    void runCustomScript();

    // A Mode menu item chosen (also the default mode at the end of a run).
    void selectMode(int index);
    // Function button 0 to 7 clicked, or F5 to F12 pressed.
    void pressButton(int index);
    void HideFunctionButtons();

    // "Cmd: (F3)" and "Conv (F4)".
    void commandMode();
    void converseMode();
    // "&User" channel item 0 to 19.
    void switchChannel(int index);
    // "Send &Autobaud Characters".
    void sendAutobaud();

    const TncState& state() const { return m_session.state; }

    // Waits in Pause within the operation under way; what starts meanwhile
    // is an operation of its own.
    void pauseOperation(double seconds);

private:
    TncSession m_session;
    std::unique_ptr<ScriptInterpreter> m_interpreter;
    std::unique_ptr<ScriptRunner> m_runner;
    std::unique_ptr<ModeSelection> m_modes;
    std::unique_ptr<TncCommands> m_commands;
};

} // namespace vellicor
