// Playing a card's sound: a wave file played once to its end on the media
// framework's own threads, so the window never waits for it. Without an
// audio device, or for a file that is missing or cannot be played, nothing
// plays and nothing is reported.
#pragma once

#include <QObject>

#include <memory>
#include <string>

class QAudioOutput;
class QMediaPlayer;

class ICardSoundPlayer {
public:
    virtual ~ICardSoundPlayer() = default;
    // Starts `nativePath` from its beginning, stopping what played before.
    virtual void play(const std::string& nativePath) = 0;
    virtual void stop() = 0;
};

class CCardSound : public QObject, public ICardSoundPlayer {
    Q_OBJECT

public:
    explicit CCardSound(QObject* parent = nullptr);
    ~CCardSound() override;

    void play(const std::string& nativePath) override;
    void stop() override;
    bool isPlaying() const;

signals:
    // A play has ended: played to its end, stopped, or nothing to play.
    void finished();

private:
    // Made on the first play that has a device to play on.
    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
};
