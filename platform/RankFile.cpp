#include "platform/RankFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace platform {

bool Read_File_Head(const std::string& path, std::size_t maxBytes, std::string& head, int64_t& length) {
    const QString name = QString::fromStdString(path);
    QFile file(name);
    if (!QFileInfo::exists(name)) {
        // Created empty, exclusively: another copy of the program may be creating it right now.
        QFile created(name);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(name)) return false;
    }
    if (QFileInfo(name).isDir() || !file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) return false;
    head = bytes.toStdString();
    length = file.size();
    return true;
}

bool Patch_File(const std::string& path, const std::vector<FilePatch>& patches) {
    const QString name = QString::fromStdString(path);
    QByteArray content;
    if (QFileInfo::exists(name)) {
        QFile old(name);
        if (!old.open(QIODevice::ReadOnly)) return false;
        content = old.readAll();
        if (old.error() != QFileDevice::NoError) return false;
    }
    for (const FilePatch& patch : patches) {
        const qint64 end = patch.offset + static_cast<qint64>(patch.bytes.size());
        if (content.size() < end) content.resize(end, '\0');
        std::copy(patch.bytes.begin(), patch.bytes.end(), content.begin() + patch.offset);
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool Delete_File(const std::string& path) {
    const QString name = QString::fromStdString(path);
    return QFile::remove(name) || !QFileInfo(name).exists();
}

} // namespace platform
