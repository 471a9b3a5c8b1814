#pragma once
// The player's preferences that outlive a run: the keys and controller buttons of the game's
// actions and the sound. They are kept in an INI file as QSettings writes it:
//   [keys]  left up right down fire fast pause hide back abandon fullscreen = a key's name
//   [pad]   fire fast pause hide back = controller buttons, several as a list ("X, RB")
//   [sound] music_volume effects_volume = 0 to 100, effects = true or false
// The settings dialog's five switches are not among them: every run starts them afresh.
#include <QString>
#include <QStringList>

#include "input/Bindings.h"

namespace prefs {

struct Sound {
    int musicVolume = 100;  // per cent
    bool effects = false;
    int effectsVolume = 80;  // per cent
    bool operator==(const Sound&) const = default;
};

struct Preferences {
    input::Bindings bindings = input::Default_Bindings();
    Sound sound;
    bool operator==(const Preferences&) const = default;
};

// $XDG_CONFIG_HOME/ponigari/ponigari.conf, ~/.config/ponigari/ponigari.conf without it.
QString Preferences_File();

// What the file holds. A missing file or entry takes the default without a word; an entry
// that cannot be read, or a key or button that two actions claim, takes its default and adds
// one line naming it to problems. Reading never writes the file.
Preferences Read_Preferences(const QString& path, QStringList* problems);

// Writes the whole file at once, with the program's file writer; entries of the file that
// are none of ours stay. 0 when done, the error number otherwise (the old file then stands).
int Save_Preferences(const QString& path, const Preferences& preferences);

// The preferences in force, and putting others in force: the keys from the next key on, the
// sound at once.
Preferences Current_Preferences();
void Apply_Preferences(const Preferences& preferences);

// At start-up: reads the file, tells its problems on standard error, puts the rest in force.
void Load_Preferences();

} // namespace prefs
