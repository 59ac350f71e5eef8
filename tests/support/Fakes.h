#pragma once

#include "FakeLink.h"
#include "platform/api/Platform.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <functional>

namespace vellicor::test {

// A question or note the program showed, with the answer it got.
struct Prompt {
    QString text;
    QString title;
    PromptButtons buttons;
    PromptIcon icon;
};

// Answers from a script of answers (Yes when the script runs out, or OK for
// an OK-only box) and records every box.
class FakePrompter : public Prompter {
public:
    PromptAnswer show(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon) override
    {
        prompts.append({text, title, buttons, icon});
        if (onShow)
            onShow();
        if (!answers.isEmpty())
            return answers.takeFirst();
        const bool yesNo = buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel;
        return yesNo ? PromptAnswer::Yes : PromptAnswer::Ok;
    }
    QList<Prompt> prompts;
    QList<PromptAnswer> answers;
    std::function<void()> onShow; // runs while the box is "open"
};

class FakeBeeper : public Beeper {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

// A settable clock; local time is UTC minus the given offset.
class FakeClock : public Clock {
public:
    QDateTime nowLocal() const override { return utc.toOffsetFromUtc(localOffsetSeconds); }
    QDateTime nowUtc() const override { return utc; }
    QDateTime utc = QDateTime(QDate(2026, 12, 5), QTime(14, 43, 0), Qt::UTC);
    int localOffsetSeconds = -7 * 3600;
};

// Records each pause instead of waiting; can run a callback meanwhile.
class FakePauser : public Pauser {
public:
    void Pause(double seconds) override
    {
        pauses.append(seconds);
        if (during)
            during(seconds);
    }
    QList<double> pauses;
    std::function<void(double)> during;
};

class FakeFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override { return answer(request); }
    std::optional<QString> saveFile(const FileDialogRequest& request) override { return answer(request); }
    std::optional<quint32> chooseColor(quint32 initial) override
    {
        colorInitials.append(initial);
        return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
    }
    bool showFolder(const QString&) override { return true; }
    QList<FileDialogRequest> requests;
    QList<std::optional<QString>> fileAnswers;
    QList<std::optional<quint32>> colorAnswers;
    QList<quint32> colorInitials;

private:
    // Notes the request and gives the next answer; none (cancelled) once they run out.
    std::optional<QString> answer(const FileDialogRequest& request)
    {
        requests.append(request);
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }
};

class RecordingPrintService : public PrintService {
public:
    bool print(const PrintJob& job) override
    {
        jobs.append(job);
        return succeed;
    }
    QList<PrintJob> jobs;
    bool succeed = true;
};

class MemorySettings : public SettingsStore {
public:
    std::optional<QString> value(const QString& group, const QString& key) const override
    {
        const QString path = group + QLatin1Char('/') + key;
        return values.contains(path) ? std::optional<QString>(values.value(path)) : std::nullopt;
    }
    bool setValue(const QString& group, const QString& key, const QString& value) override
    {
        values.insert(group + QLatin1Char('/') + key, value);
        writes.append(group + QLatin1Char('/') + key + QLatin1Char('=') + value);
        return true;
    }
    bool unreadable() const override { return brokenFile; }
    QMap<QString, QString> values; // "Group/Key" -> value
    QStringList writes;            // "Group/Key=value" in order
    bool brokenFile = false;
};

class FakeHelpViewer : public HelpViewer {
public:
    void showContext(int contextId) override { contexts.append(contextId); }
    void showContents(const QString& command) override { contentsCommands.append(command); }
    void close() override {}
    QList<int> contexts;
    QStringList contentsCommands;
};

class FakeSoundPlayer : public SoundPlayer {
public:
    void play(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};

// All fakes together, ready to hand out as a Platform.
struct TestPlatform {
    FakeLink link;
    FakePrompter prompter;
    FakeBeeper beeper;
    FakeClock clock;
    FakePauser pauser;
    FakeFileDialogs dialogs;
    RecordingPrintService printer;
    MemorySettings settings;
    FakeHelpViewer help;
    FakeSoundPlayer sound;
    PortMap ports;

    Platform platform()
    {
        return {&link, &prompter, &beeper, &clock, &pauser, &dialogs, &printer, &settings, &help, &sound, &ports};
    }
};

} // namespace vellicor::test
