#include "tnc/ScriptRunner.h"

#include "terminal/FileErrors.h"
#include "terminal/TextFile.h"
#include "tnc/AnsiText.h"
#include "tnc/TncControl.h"

#include <QPointer>

#include <utility>

namespace vellicor {

namespace {

// True when the failure means only that the file is not there.
bool isMissingFile(const FileError& error)
{
    return error.number == FileErrors::kFileNotFound || error.number == FileErrors::kPathNotFound;
}

QString channelCaption(int letterIndex)
{
    return QStringLiteral("Channel &") + QChar(u'A' + letterIndex);
}

} // namespace

ScriptRunner::ScriptRunner(TncSession& session, TncControl& control)
    : m_session(session)
    , m_control(control)
{
}

std::optional<ScriptRunner::Kind> ScriptRunner::kindFrom(const QString& kind)
{
    const QString word = AnsiText::upper(kind);
    if (word == u"START")
        return Kind::Start;
    if (word == u"SHUT")
        return Kind::Shut;
    if (word == u"CUSTOM")
        return Kind::Custom;
    if (word == u"EXECFILE")
        return Kind::ExecFile;
    return std::nullopt;
}

void ScriptRunner::runCustomScript()
{
    const QPointer<TncControl> alive(&m_control);
    FileDialogRequest request{kCustomTitle, kCustomFilter, QStringLiteral(".txt"), m_session.state.customFile};
    const std::optional<QString> chosen = m_session.platform.dialogs->openFile(request);
    if (!alive || !chosen)
        return;
    m_session.state.customFile = *chosen;
    RunScript(QStringLiteral("Custom"));
}

void ScriptRunner::RunScript(const QString& kindText)
{
    if (!m_session.globals.gPortOk)
        return;
    ScriptHost& host = m_session.host;
    host.setBusy(true);
    host.insertAtCaret(QStringLiteral("\r\n"));
    const std::optional<Kind> kind = kindFrom(kindText);
    if (!kind || (*kind == Kind::ExecFile && !mayInclude())) {
        host.setBusy(false);
        return;
    }
    const QString path = pathFor(*kind);
    TncState& state = m_session.state;
    const bool included = *kind == Kind::ExecFile;
    if (included)
        ++state.activeIncludes;
    const QPointer<TncControl> alive(&m_control);
    const bool completed = runFile(*kind, path);
    if (!alive)
        return;
    if (included)
        --state.activeIncludes;
    if (!completed) {
        host.setBusy(false);
        return;
    }
    setUpChannelMenu();
    if (state.defaultMode > 0) {
        m_control.selectMode(state.defaultMode);
        if (!alive)
            return;
    }
    host.setBusy(false);
}

bool ScriptRunner::mayInclude()
{
    TncState& state = m_session.state;
    TncState::OperationBudget& operation = state.operation;
    if (++operation.includeAttempts > TncState::kMaxIncludeAttempts)
        operation.includesExhausted = true;
    if (operation.includesExhausted || state.activeIncludes >= TncState::kMaxIncludeDepth) {
        // One beep for the operation, however often its includes are refused.
        if (!std::exchange(operation.includeRefused, true))
            m_session.platform.beeper->beep();
        return false;
    }
    return true;
}

QString ScriptRunner::pathFor(Kind kind) const
{
    switch (kind) {
    case Kind::Start: return ProgramFolder::resolve(m_session.globals.gStartupFile);
    case Kind::Shut: return ProgramFolder::resolve(m_session.globals.gShutdownFile);
    case Kind::Custom: return m_session.state.customFile;
    case Kind::ExecFile: break;
    }
    return includePath();
}

QString ScriptRunner::includePath() const
{
    return m_session.folder.resolvePath(m_session.state.includeFile);
}

bool ScriptRunner::runFile(Kind kind, const QString& path)
{
    const QPointer<TncControl> alive(&m_control);
    const TextFile::ReadResult read = TextFile::readLines(path);
    if (read.error) {
        const bool missing = isMissingFile(*read.error);
        if (!missing || kind == Kind::ExecFile) {
            const bool readFailed = read.error->number == FileErrors::kReadError;
            FileErrors::show(*m_session.platform.prompter, path, *read.error,
                             readFailed ? PromptButtons::Ok : PromptButtons::OkCancel);
        }
        return false;
    }
    for (const QString& text : read.lines) {
        QString line = text;
        m_control.ExecuteScriptLine(line);
        if (!alive)
            return false;
    }
    if (kind == Kind::Shut)
        m_control.pauseOperation(2.0);
    return alive;
}

void ScriptRunner::setUpChannelMenu()
{
    TncState& state = m_session.state;
    ScriptHost& host = m_session.host;
    const bool aea = state.isAeaFamily();
    for (int i = 0; i < 10; ++i) {
        if (aea) {
            // Items 0 to 9 are the digit channels again, even after a run for another model.
            state.channelIds[i] = QString::number(i);
            host.showChannelItem(i, QStringLiteral("Channel &") + QString::number(i));
            state.channelIds[i + 10] = QString(QChar(u'A' + i));
            host.showChannelItem(i + 10, channelCaption(i));
        } else {
            state.channelIds[i] = QString(QChar(u'A' + i));
            host.showChannelItem(i, channelCaption(i));
        }
    }
}

} // namespace vellicor
