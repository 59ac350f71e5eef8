#pragma once

#include "platform/api/Prompter.h"
#include "platform/api/SoundPlayer.h"
#include "windows/SystemInfo.h"

#include <QDialog>


class QLabel;
class QPushButton;

namespace vellicor {

// The program's version as the About window shows it.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// frmAbout, "About Vellicor": title, version, description and a warning
// line, with a short sound once the window is drawn (and again on a click on
// the window or its pictures and texts), OK and "&System Info...".
// Created for each showing and shown modal.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(ProgramVersion version, SoundPlayer& sound, Prompter& prompter,
             ProgramLauncher& launcher, QWidget* parent = nullptr);
    ~FrmAbout() override;

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void build(ProgramVersion version);
    QLabel* addLabel(const char* name, const QString& text);
    void playSound();

    SoundPlayer& m_sound;
    Prompter& m_prompter;
    ProgramLauncher& m_launcher;
    bool m_playedOnShow = false;
};

} // namespace vellicor
