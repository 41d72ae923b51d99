#include "CardSound.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

CCardSound::CCardSound(QObject* parent) : QObject(parent) {}

CCardSound::~CCardSound()
{
    stop();
}

void CCardSound::play(const std::string& nativePath)
{
    const QString path = QString::fromStdString(nativePath);
    if (!QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty()) {
        emit finished();
        return;
    }
    if (!m_player) {
        m_player = new QMediaPlayer(this);
        m_output = new QAudioOutput(this);
        m_player->setAudioOutput(m_output);
        connect(m_player, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
            if (state == QMediaPlayer::StoppedState)
                emit finished();
        });
        connect(m_player, &QMediaPlayer::errorOccurred, this, [this] { emit finished(); });
    }
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

void CCardSound::stop()
{
    if (m_player)
        m_player->stop();
}

bool CCardSound::isPlaying() const
{
    return m_player && m_player->playbackState() == QMediaPlayer::PlayingState;
}
