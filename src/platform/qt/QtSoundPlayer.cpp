#include "platform/qt/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>

namespace vellicor {

QtSoundPlayer::QtSoundPlayer(QObject* parent)
    : QObject(parent)
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

QUrl QtSoundPlayer::sourceFor(const QString& fileName)
{
    const QString builtIn = QStringLiteral(":/vellicor/sounds/") + QFileInfo(fileName).fileName();
    if (QFileInfo::exists(builtIn))
        return QUrl(QStringLiteral("qrc") + builtIn);
    if (QFileInfo(fileName).isFile())
        return QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath());
    return {};
}

void QtSoundPlayer::play(const QString& fileName)
{
    const QUrl source = sourceFor(fileName);
    if (source.isEmpty() || QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!m_effect) {
        m_effect = new QSoundEffect(this);
        connect(m_effect, &QSoundEffect::statusChanged, this, &QtSoundPlayer::playWhenLoaded);
    }
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_playPending = true;
    playWhenLoaded();
}

void QtSoundPlayer::playWhenLoaded()
{
    switch (m_effect->status()) {
    case QSoundEffect::Ready:
        if (m_playPending) {
            m_playPending = false;
            m_effect->play();
        }
        break;
    case QSoundEffect::Error:
        m_playPending = false; // an unplayable sound stays silent
        break;
    default:
        break; // still loading: played when ready
    }
}

} // namespace vellicor
