#include "app/SoundSettings.h"

#include <QSettings>
#include <QStandardPaths>

#include "platform/LiveSound.h"

namespace app {

QString Preferences_File() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ponigari/ponigari.conf");
}

void Read_SoundSettings() {
    const QSettings file(Preferences_File(), QSettings::IniFormat);
    auto percent = [&file](const char* key, int fallback) {
        bool ok = false;
        const int value = file.value(QLatin1String(key)).toInt(&ok);
        return ok ? value : fallback;
    };
    platform::SetMusicVolume(percent("sound/music_volume", 100));
    platform::SetEffectsVolume(percent("sound/effects_volume", 80));
    platform::SetEffectsEnabled(file.value(QStringLiteral("sound/effects"), false).toBool());
}

} // namespace app
