#include "platform/QtMediaPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>
#include <cstdio>

#include "platform/LiveSound.h"

// Where an installed program finds the installed music, relative to its own folder.
#ifndef PONIGARI_MUSIC_FROM_PROGRAM
#define PONIGARI_MUSIC_FROM_PROGRAM "../../share/ponigari/music"
#endif

namespace platform {

QString InstalledMusicFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" PONIGARI_MUSIC_FROM_PROGRAM));
}

QString FindMusicFile(const QString& fileName) {
    for (const QDir& folder : {QDir::current(), QDir(InstalledMusicFolder())}) {
        const QFileInfo file(folder.absoluteFilePath(fileName));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

QtMediaPlayer::QtMediaPlayer() {
    // Without a sound device there is nothing to play on: every command stays a no-op.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    AttachMusicOutput(output_.get());
}

QtMediaPlayer::~QtMediaPlayer() {
    if (output_) AttachMusicOutput(nullptr);
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
    const QString file = FindMusicFile(fileName_);
    // Silence is the rule for a missing file; a line on the terminal says where we looked.
    if (file.isEmpty() && !missing_.contains(fileName_)) {
        missing_.insert(fileName_);
        std::fprintf(stderr, "ponigari: no %s in the current folder or in %s: no music\n", qPrintable(fileName_),
                     qPrintable(InstalledMusicFolder()));
    }
    if (!player_ || file.isEmpty()) return;
    player_->setSource(QUrl::fromLocalFile(file));
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
