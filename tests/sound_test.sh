#!/usr/bin/env bash
# What the real program plays, heard at a sound server of the test's own: PulseAudio with a
# null sink, whose monitor parec records while the game runs under Xvfb. With effects and
# music off the game is silent; with effects on, firing is heard; music at 50 % is half the
# level of music at 100 %. With effects on and no sound server the game plays on silently,
# with at most one line about it; a headless replay never reaches for the sound server.
# Arguments: the program, the build folder.
set -uo pipefail
program=$1
build=$(readlink -f "$2")
out="$build/artifacts/sound"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
pulse_pid="" game_pid="" xvfb_pid=""
cleanup() {
  for pid in $game_pid $pulse_pid $xvfb_pid; do kill "$pid"; done 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/ponigari"
chmod 700 "$XDG_RUNTIME_DIR"
socket="$work/pulse.socket"
printf '%s\n' "load-module module-null-sink sink_name=test" \
  "load-module module-native-protocol-unix auth-anonymous=1 socket=$socket" "set-default-sink test" >"$work/pulse.pa"
pulseaudio -n -F "$work/pulse.pa" --exit-idle-time=-1 --daemonize=no --use-pid-file=no \
  --log-target="file:$out/pulse.log" &
pulse_pid=$!
export PULSE_SERVER="unix:$socket"
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "PulseAudio did not start: $(cat "$out/pulse.log")"; exit 1; }

start_xvfb 1024x768
# The play folder as `make run` lays it out: links to the music and to the effects.
play="$work/play"
mkdir -p "$play"
ln -s "$build"/music/*.wav "$play/"
ln -s "$build/music/effects" "$play/effects"

settings() {  # effects on or off, music volume
  printf '[sound]\neffects=%s\neffects_volume=80\nmusic_volume=%s\n' "$1" "$2" >"$XDG_CONFIG_HOME/ponigari/ponigari.conf"
}
start_game() {  # log name; leaves the menu window in $menu
  (cd "$play" && exec "$program" --seed 7) >"$out/$1.log" 2>&1 &
  game_pid=$!
  menu=$(viewable_window 'ぽに狩り') || return 1
  xdotool mousemove --window "$menu" 96 84 click 1
  sleep 0.3
}
music_off() {  # 音楽を再生する unchecked in the settings, then OK
  xdotool key alt+c
  local config
  config=$(viewable_window 'コンフィグ') || return 1
  xdotool mousemove --window "$config" 24 67 click 1
  sleep 0.2
  xdotool key Return
  for _ in $(seq 30); do xdotool search --name '^コンフィグ$' >/dev/null 2>&1 || break; sleep 0.1; done
}
# The level of a recording in dBFS RMS (-200 for digital silence).
rms_db() {
  od -An -v -td2 -w2 "$1" |
    awk '{s += $1 * $1; n++} END {r = n ? s / n / 1073741824 : 0; printf "%.1f\n", (r > 0 ? 10 * log(r) / log(10) : -200)}'
}
# A game from the menu, recorded for some seconds from the first pass; Space held when asked.
record_game() {  # name, seconds, "space" or ""
  xdotool mousemove --window "$menu" 96 84 click 1
  xdotool key Return
  local game
  game=$(viewable_window 'ゲーム画面') || return 1
  xdotool mousemove --window "$game" 5 5 click 1
  [ "$3" = space ] && xdotool keydown space
  timeout "$2" parec -d test.monitor --raw --format=s16le --channels=1 --rate=44100 >"$out/$1.raw"
  [ "$3" = space ] && xdotool keyup space
  import -window root "$out/$1.png"
  xdotool key Escape
}
stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# --- effects and music off: silence; effects on: firing is heard
settings false 100
start_game quiet && music_off && record_game quiet 3 space
stop_game
settings true 100
start_game effects && music_off && record_game effects 3 space
stop_game
quiet=$(rms_db "$out/quiet.raw")
effects=$(rms_db "$out/effects.raw")
echo "effects and music off: RMS $quiet dBFS; effects on, firing: RMS $effects dBFS"
check "silence with effects and music off" awk -v l="$quiet" 'BEGIN {exit !(l < -80)}'
check "firing heard with effects on" awk -v l="$effects" 'BEGIN {exit !(l > -50)}'
check "no complaint with the effects on" test -z "$(grep -i 'effect' "$out/effects.log")"

# --- the music at 100 % and at 50 %: the same opening bars, half the level
for volume in 100 50; do
  settings false "$volume"
  start_game "music$volume" && record_game "music$volume" 5 ""
  stop_game
done
full=$(rms_db "$out/music100.raw")
half=$(rms_db "$out/music50.raw")
echo "music at 100 %: RMS $full dBFS; at 50 %: RMS $half dBFS"
check "music at 50 % about half the level of 100 %" awk -v f="$full" -v h="$half" \
  'BEGIN {d = f - h; exit !(f > -40 && d > 20 * log(1 / 0.6) / log(10) && d < 20 * log(1 / 0.4) / log(10))}'

# --- effects on, but no sound server: the game plays on
silent_game() {  # name
  start_game "$1" || return 1
  xdotool key Return
  local game
  game=$(viewable_window 'ゲーム画面') || return 1
  xdotool mousemove --window "$game" 5 5 click 1
  xdotool keydown space
  sleep 2
  xdotool keyup space
  xdotool key Escape
  # The menu answers again, and Esc there asks to leave: the game is not stuck in a sound call.
  for _ in $(seq 50); do xdotool search --name '^ゲーム画面$' >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}
settings true 100
PULSE_SERVER="unix:$work/nothing.socket" silent_game no-server
check "without a sound server the game plays on" test $? -eq 0
stop_game
# Qt's own line about the music's connection aside.
check "without a sound server one line on standard error at most" \
  test "$(grep -vE '^(PulseAudioService|QStandardPaths):' "$out/no-server.log" | grep -c .)" -le 1

# --- a headless replay with effects on never reaches for the sound server
settings true 100
strace -f -e trace=connect -o "$out/headless.strace" "$program" --headless \
  --replay "$(dirname "$0")/data/replays/hard.rep" --trace /dev/null >"$out/headless.log" 2>&1
check "a headless replay plays" test $? -eq 0
check "a headless replay never connects to the sound server" test -z "$(grep -F "$socket" "$out/headless.strace")"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
