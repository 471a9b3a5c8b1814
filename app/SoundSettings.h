#pragma once
// The sound part of the player's preferences file, read once at start-up.
#include <QString>

namespace app {

// $XDG_CONFIG_HOME/ponigari/ponigari.conf (~/.config/... without it).
QString Preferences_File();

// Applies [sound] effects, effects_volume and music_volume from the preferences file; a key
// that is missing or unreadable keeps its default (effects off, 80 %, 100 %). Never writes.
void Read_SoundSettings();

} // namespace app
