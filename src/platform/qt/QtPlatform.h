#pragma once

#include "platform/api/Beeper.h"
#include "platform/api/Clock.h"
#include "platform/api/FileDialogs.h"
#include "platform/api/Pauser.h"
#include "platform/api/Prompter.h"
#include "platform/api/SettingsStore.h"

#include <QPointer>
#include <QSettings>
#include <QWidget>

#include <memory>

namespace vellicor {

// Message boxes with QMessageBox, owned by the active window.
class QtPrompter : public Prompter {
public:
    PromptAnswer show(const QString& text, const QString& title, PromptButtons buttons,
                      PromptIcon icon) override;
};

class QtBeeper : public Beeper {
public:
    void beep() override;
};

class SystemClock : public Clock {
public:
    QDateTime nowLocal() const override { return QDateTime::currentDateTime(); }
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

// Waits in a nested event loop on a timer: events keep being handled, the
// CPU stays idle, and the time of day (midnight included) plays no part.
class EventLoopPauser : public Pauser {
public:
    void Pause(double seconds) override;
};

class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<quint32> chooseColor(quint32 initial) override;
    bool showFolder(const QString& path) override;

    // "Text (*.txt)|*.txt" to Qt's "Text (*.txt)".
    static QString toQtFilter(const QString& filter);
};

// Preferences in an INI file: Vellicor/Vellicor.ini in the user's config folder.
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& fileName);
    std::optional<QString> value(const QString& group, const QString& key) const override;
    bool setValue(const QString& group, const QString& key, const QString& value) override;
    bool unreadable() const override { return m_unreadable; }
    QString fileName() const { return m_settings->fileName(); }

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_unreadable = false;
};

} // namespace vellicor
