#include "platform/QtMediaPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace platform {

QtMediaPlayer::QtMediaPlayer() {
    // Without a sound device there is nothing to play on: every command stays a no-op.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
}

QtMediaPlayer::~QtMediaPlayer() {
    if (player_) player_->stop();
    player_.reset();
}

void QtMediaPlayer::SetFileName(const std::string& fileName) { fileName_ = QString::fromStdString(fileName); }

void QtMediaPlayer::Close() {
    if (!player_ || !open_) return;
    player_->stop();
    player_->setSource(QUrl());
    open_ = false;
}

void QtMediaPlayer::Open() {
    if (!player_) return;
    // The music lives beside the ranking file, in the folder the game was started from.
    const QFileInfo file(QDir::current().absoluteFilePath(fileName_));
    if (!file.isFile()) return;
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    open_ = true;
}

void QtMediaPlayer::Play() {
    if (open_) player_->play();
}

void QtMediaPlayer::Prev() {
    if (open_) player_->setPosition(0);
}

void QtMediaPlayer::Stop() {
    if (open_) player_->pause();
}

} // namespace platform
