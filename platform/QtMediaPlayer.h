#pragma once
// The live wave player: the game's music commands on Qt Multimedia. Every call returns at
// once and the sound plays on in the background; a missing file or no sound device is silence.
#include <QSet>
#include <QString>
#include <memory>
#include <string>

#include "platform/MediaPlayer.h"

class QAudioOutput;
class QMediaPlayer;

namespace platform {

// The music lives beside the ranking file, in the folder the game runs in; where a file is
// missing there, the installed copy is played, found from where the program itself lies.
QString InstalledMusicFolder();
QString FindMusicFile(const QString& fileName);  // the full path, or empty when it is nowhere

class QtMediaPlayer : public MediaPlayer {
public:
    QtMediaPlayer();
    ~QtMediaPlayer() override;

    void SetFileName(const std::string& fileName) override;
    void Close() override;
    void Open() override;
    void Play() override;
    void Prev() override;
    void Stop() override;

private:
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    QString fileName_;
    bool open_ = false;
    QSet<QString> missing_;  // told once per run
};

} // namespace platform
