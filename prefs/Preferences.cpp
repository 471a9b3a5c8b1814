#include "prefs/Preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <functional>

#include "platform/LiveSound.h"
#include "platform/SaveFile.h"

namespace prefs {

using input::Action;
using input::kActionCount;

namespace {

QString Entry(const char* section, Action action) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(input::Action_Name(action));
}

// A value as the player wrote it: a list as its items.
QString Written(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", ")) : value.toString();
}

// "[keys] fire=Qwerty: why; Space instead"
QString Problem(const QString& entry, const QString& written, const QString& why, const QString& fallback) {
    const QString section = entry.section(QLatin1Char('/'), 0, 0), name = entry.section(QLatin1Char('/'), 1);
    return QStringLiteral("[%1] %2=%3: %4; %5 instead").arg(section, name, written, why, fallback);
}

QString Buttons_Text(uint32_t buttons) {
    const QStringList names = input::Button_Names(buttons);
    return names.isEmpty() ? QStringLiteral("no button") : names.join(QStringLiteral(", "));
}

// The buttons a value names; false when one of them is none that an action may take.
bool Read_Buttons(const QVariant& value, uint32_t& buttons) {
    buttons = 0;
    for (const QString& name : value.toStringList()) {
        if (name.trimmed().isEmpty()) continue;
        const input::PadButton button = input::Button_From_Name(name);
        if (button == input::PadButtonCount) return false;
        buttons |= 1u << button;
    }
    return true;
}

// Where two actions claim the same key or button, one of them gives way to its default, one
// at a time: the one the player moved from its default (of two such, the later), until no
// two share. The defaults share nothing, so this ends. told hears who gave way to whom.
template <typename T, typename Shares>
void Undouble(std::array<T, kActionCount>& values, const std::array<T, kActionCount>& defaults, Shares shares,
              const std::function<void(int gaveWay, int kept)>& told) {
    for (;;) {
        int gaveWay = -1, kept = -1;
        for (int b = 0; b < kActionCount && gaveWay < 0; ++b)
            for (int a = 0; a < b && gaveWay < 0; ++a)
                if (shares(values[a], values[b])) {
                    gaveWay = values[b] != defaults[b] ? b : a;
                    kept = gaveWay == b ? a : b;
                }
        if (gaveWay < 0) return;
        told(gaveWay, kept);
        values[gaveWay] = defaults[gaveWay];
    }
}

int Read_Percent(const QSettings& file, const char* key, int fallback, QStringList& problems) {
    const QVariant value = file.value(QString::fromLatin1(key));
    if (!value.isValid()) return fallback;
    bool ok = false;
    const int percent = value.toString().trimmed().toInt(&ok);
    if (ok && percent >= 0 && percent <= 100) return percent;
    problems << Problem(QString::fromLatin1(key), Written(value), QStringLiteral("not a whole number from 0 to 100"),
                        QString::number(fallback));
    return fallback;
}

bool Read_Switch(const QSettings& file, const char* key, bool fallback, QStringList& problems) {
    const QVariant value = file.value(QString::fromLatin1(key));
    if (!value.isValid()) return fallback;
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) return true;
    if (text == QLatin1String("false") || text == QLatin1String("0")) return false;
    problems << Problem(QString::fromLatin1(key), Written(value), QStringLiteral("neither true nor false"),
                        fallback ? QStringLiteral("true") : QStringLiteral("false"));
    return fallback;
}

} // namespace

QString Preferences_File() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ponigari/ponigari.conf");
}

Preferences Read_Preferences(const QString& path, QStringList* problems) {
    QStringList told;
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        told << QStringLiteral("not all of it reads as an INI file; the entries that do are used");
    Preferences p;
    const input::Bindings defaults = input::Default_Bindings();
    auto& keys = p.bindings.keys;
    auto& buttons = p.bindings.buttons;
    for (int a = 0; a < kActionCount; ++a) {
        const Action action = static_cast<Action>(a);
        const QVariant key = file.value(Entry("keys", action));
        if (!key.isValid()) continue;
        if (const int named = input::Key_From_Name(Written(key))) {
            keys[a] = named;
            continue;
        }
        told << Problem(Entry("keys", action), Written(key),
                        QStringLiteral("no key an action may take (F7 to F11 are the debugging keys)"),
                        input::Key_Name(keys[a]));
    }
    Undouble(keys, defaults.keys, [](int x, int y) { return x == y; }, [&](int gaveWay, int kept) {
        const Action action = static_cast<Action>(gaveWay);
        told << Problem(Entry("keys", action), input::Key_Name(keys[gaveWay]),
                        QStringLiteral("already the key of %1").arg(QString::fromLatin1(input::Action_Name(Action(kept)))),
                        input::Key_Name(defaults.keys[gaveWay]));
    });
    for (const Action action : input::kPadActions) {
        const int a = static_cast<int>(action);
        const QVariant names = file.value(Entry("pad", action));
        if (names.isValid() && !Read_Buttons(names, buttons[a])) {
            buttons[a] = defaults.buttons[a];
            told << Problem(Entry("pad", action), Written(names),
                            QStringLiteral("not the buttons A, B, X, Y, LB, RB, Start or Back"), Buttons_Text(buttons[a]));
        }
    }
    Undouble(buttons, defaults.buttons, [](uint32_t x, uint32_t y) { return (x & y) != 0; }, [&](int gaveWay, int kept) {
        const Action action = static_cast<Action>(gaveWay);
        told << Problem(Entry("pad", action), Buttons_Text(buttons[gaveWay]),
                        QStringLiteral("already a button of %1").arg(QString::fromLatin1(input::Action_Name(Action(kept)))),
                        Buttons_Text(defaults.buttons[gaveWay]));
    });
    p.sound.musicVolume = Read_Percent(file, "sound/music_volume", p.sound.musicVolume, told);
    p.sound.effects = Read_Switch(file, "sound/effects", p.sound.effects, told);
    p.sound.effectsVolume = Read_Percent(file, "sound/effects_volume", p.sound.effectsVolume, told);
    if (problems) *problems << told;
    return p;
}

int Save_Preferences(const QString& path, const Preferences& p) {
    // QSettings writes the text into a scratch folder; the program's own writer then puts it
    // in place, whole, through links and keeping a file its owner made read-only.
    const QTemporaryDir scratch;
    if (!scratch.isValid()) return EIO;
    const QString draft = scratch.filePath(QStringLiteral("ponigari.conf"));
    {
        QSettings out(draft, QSettings::IniFormat);
        const QSettings old(path, QSettings::IniFormat);
        for (const QString& key : old.allKeys()) out.setValue(key, old.value(key));
        for (int a = 0; a < kActionCount; ++a)
            out.setValue(Entry("keys", static_cast<Action>(a)), input::Key_Name(p.bindings.keys[a]));
        for (const Action action : input::kPadActions) {
            const QStringList names = input::Button_Names(p.bindings.buttons[static_cast<int>(action)]);
            // One button is written as a name, none as nothing, several as a list.
            out.setValue(Entry("pad", action), names.size() > 1 ? QVariant(names) : QVariant(names.value(0)));
        }
        out.setValue(QStringLiteral("sound/music_volume"), p.sound.musicVolume);
        out.setValue(QStringLiteral("sound/effects"), p.sound.effects);
        out.setValue(QStringLiteral("sound/effects_volume"), p.sound.effectsVolume);
        out.sync();
        if (out.status() != QSettings::NoError) return EIO;
    }
    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly)) return EIO;
    const QByteArray bytes = written.readAll();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return platform::Save_File(QFile::encodeName(path).toStdString(), std::string_view(bytes.constData(), bytes.size()),
                               platform::OtherFiles::Refuse);
}

Preferences Current_Preferences() {
    return {input::Current_Bindings(),
            {platform::MusicVolume(), platform::EffectsEnabled(), platform::EffectsVolume()}};
}

void Apply_Preferences(const Preferences& p) {
    input::Set_Bindings(p.bindings);
    platform::SetMusicVolume(p.sound.musicVolume);
    platform::SetEffectsVolume(p.sound.effectsVolume);
    platform::SetEffectsEnabled(p.sound.effects);
}

void Load_Preferences() {
    const QString path = Preferences_File();
    QStringList problems;
    const Preferences p = Read_Preferences(path, &problems);
    for (const QString& problem : problems)
        std::fprintf(stderr, "ponigari: %s: %s\n", qPrintable(QDir::toNativeSeparators(path)), qPrintable(problem));
    Apply_Preferences(p);
}

} // namespace prefs
