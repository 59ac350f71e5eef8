#pragma once

#include "platform/api/SoundPlayer.h"

#include <QObject>
#include <QUrl>

class QSoundEffect;

namespace vellicor {

// Plays short WAV sounds with Qt Multimedia. A name found among the
// program's built-in sounds (the resource folder ":/vellicor/sounds",
// registered by the program) plays that sound; any other name is a file.
// It never waits for the sound, and a machine without an audio output, a
// missing file or a sound that cannot be played gives silence and no message.
class QtSoundPlayer : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);
    ~QtSoundPlayer() override;

    void play(const QString& fileName) override;

    // The built-in sound of that name, or the file itself; empty when neither exists.
    static QUrl sourceFor(const QString& fileName);

private:
    void playWhenLoaded();

    QSoundEffect* m_effect = nullptr;
    bool m_playPending = false;
};

} // namespace vellicor
