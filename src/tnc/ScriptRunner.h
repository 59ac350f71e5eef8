#pragma once

#include "tnc/TncSession.h"

#include <QString>

#include <optional>

namespace vellicor {

class TncControl;

// RunScript: reads a start-up, shut-down, custom or included script and hands
// each line to the interpreter; at the end of every completed run it sets up
// the channel menu for the TNC model and selects the default mode.
class ScriptRunner {
public:
    ScriptRunner(TncSession& session, TncControl& control);

    void RunScript(const QString& kind);
    void runCustomScript();

    // The open dialog of "Custom &Script...".
    static inline const QString kCustomTitle = QStringLiteral("Custom Script");
    static inline const QString kCustomFilter =
        QStringLiteral("Vellicor (Vellicor*.*)|Vellicor*.*|Text (*.txt)|*.txt|All Files (*.*)|*.*");

private:
    enum class Kind { Start, Shut, Custom, ExecFile };
    static std::optional<Kind> kindFrom(const QString& kind);

    QString pathFor(Kind kind) const;
    QString includePath() const;
    bool mayInclude();
    // Reads and runs the file; false when this control was destroyed meanwhile.
    bool runFile(Kind kind, const QString& path);
    void setUpChannelMenu();

    TncSession& m_session;
    TncControl& m_control;
};

} // namespace vellicor
