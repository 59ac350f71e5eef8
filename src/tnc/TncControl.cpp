#include "tnc/TncControl.h"

#include "tnc/ModeSelection.h"
#include "tnc/ScriptInterpreter.h"
#include "tnc/ScriptRunner.h"
#include "tnc/TncCommands.h"

#include <QPointer>

#include <utility>

namespace vellicor {

namespace {

// Marks an operation under way. When its outermost call ends, the count of
// "$FILE" lines met starts again from zero.
class OperationScope {
public:
    OperationScope(TncControl* control, TncState& state)
        : m_control(control)
        , m_state(state)
    {
        ++m_state.operation.nesting;
    }
    ~OperationScope()
    {
        if (!m_control || --m_state.operation.nesting > 0)
            return;
        m_state.operation = {};
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    QPointer<TncControl> m_control;
    TncState& m_state;
};

} // namespace

TncControl::TncControl(TncGlobals& globals, ScriptHost& host, TncWriter& writer, const Platform& platform,
                       ProgramFolder folder, QObject* parent)
    : QObject(parent)
    , m_session{globals, host, writer, platform, std::move(folder), {}}
    , m_interpreter(std::make_unique<ScriptInterpreter>(m_session, *this))
    , m_runner(std::make_unique<ScriptRunner>(m_session, *this))
    , m_modes(std::make_unique<ModeSelection>(m_session, *this))
    , m_commands(std::make_unique<TncCommands>(m_session, *this))
{
}

TncControl::~TncControl() = default;

void TncControl::pauseOperation(double seconds)
{
    const QPointer<TncControl> alive(this);
    const TncState::OperationBudget paused = std::exchange(m_session.state.operation, {});
    m_session.platform.pauser->Pause(seconds);
    if (alive)
        m_session.state.operation = paused;
}

void TncControl::ExecuteScriptLine(QString& line)
{
    const OperationScope scope(this, m_session.state);
    m_interpreter->ExecuteScriptLine(line);
}

void TncControl::RunScript(const QString& kind)
{
    const OperationScope scope(this, m_session.state);
    m_runner->RunScript(kind);
}

void TncControl::runCustomScript()
{
    const OperationScope scope(this, m_session.state);
    m_runner->runCustomScript();
}

void TncControl::selectMode(int index)
{
    const OperationScope scope(this, m_session.state);
    m_modes->selectMode(index);
}

void TncControl::pressButton(int index)
{
    const OperationScope scope(this, m_session.state);
    m_modes->pressButton(index);
}

void TncControl::HideFunctionButtons()
{
    m_modes->HideFunctionButtons();
}

void TncControl::commandMode()
{
    const OperationScope scope(this, m_session.state);
    m_commands->commandMode();
}

void TncControl::converseMode()
{
    const OperationScope scope(this, m_session.state);
    m_commands->converseMode();
}

void TncControl::switchChannel(int index)
{
    const OperationScope scope(this, m_session.state);
    m_commands->switchChannel(index);
}

void TncControl::sendAutobaud()
{
    const OperationScope scope(this, m_session.state);
    m_commands->sendAutobaud();
}

} // namespace vellicor
