#!/usr/bin/env bash
# What the real program plays, heard at a sound server of the test's own: PulseAudio with a
# null sink, whose monitor parec records while the game runs under Xvfb. With effects off and
# the music at 0 % the game is silent; with effects on, firing is heard; music at 50 % is half the
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
start_game() {  # log name
  (cd "$play" && exec "$program" --seed 7) >"$out/$1.log" 2>&1 &
  game_pid=$!
  menu=$(viewable_window 'ぽに狩り') || return 1
  xdotool mousemove --window "$menu" 96 84 click 1
  sleep 0.3
}
# The level of a recording in dBFS RMS (-200 for digital silence).
rms_db() {
  od -An -v -td2 -w2 "$1" |
    awk '{s += $1 * $1; n++} END {r = n ? s / n / 1073741824 : 0; printf "%.1f\n", (r > 0 ? 10 * log(r) / log(10) : -200)}'
}
# A game from the menu, played for some seconds from the first pass with Space held when asked
# and recorded under the name given; then Esc, and the menu answers again: the game is not
# stuck in a sound call.
play_game() {  # seconds, "space" or "", name of the recording or ""
  xdotool key Return
  local game
  game=$(viewable_window 'ゲーム画面') || return 1
  xdotool mousemove --window "$game" 5 5 click 1
  [ "$2" = space ] && xdotool keydown space
  if [ -n "${3:-}" ]; then
    timeout "$1" parec -d test.monitor --raw --format=s16le --channels=1 --rate=44100 >"$out/$3.raw"
  else
    sleep "$1"
  fi
  [ "$2" = space ] && xdotool keyup space
  xdotool key Escape
  for _ in $(seq 50); do xdotool search --name '^ゲーム画面$' >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}
stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# --- effects off and the music at 0 %: silence; effects on: firing is heard
settings false 0
start_game quiet && play_game 3 space quiet
stop_game
settings true 0
start_game effects && play_game 3 space effects
stop_game
quiet=$(rms_db "$out/quiet.raw")
effects=$(rms_db "$out/effects.raw")
echo "effects off, music at 0 %: RMS $quiet dBFS; effects on, firing: RMS $effects dBFS"
check "silence with effects off and the music at 0 %" awk -v l="$quiet" 'BEGIN {exit !(l < -80)}'
check "firing heard with effects on" awk -v l="$effects" 'BEGIN {exit !(l > -50)}'
check "no complaint with the effects on" test -z "$(grep -i 'effect' "$out/effects.log")"

# --- the music at 100 % and at 50 %: the same opening bars, half the level
for volume in 100 50; do
  settings false "$volume"
  start_game "music$volume" && play_game 5 "" "music$volume"
  stop_game
done
full=$(rms_db "$out/music100.raw")
half=$(rms_db "$out/music50.raw")
echo "music at 100 %: RMS $full dBFS; at 50 %: RMS $half dBFS"
check "music at 50 % about half the level of 100 %" awk -v f="$full" -v h="$half" \
  'BEGIN {d = f - h; exit !(f > -40 && d > 20 * log(1 / 0.6) / log(10) && d < 20 * log(1 / 0.4) / log(10))}'

# --- effects on, but no sound server: the game plays on
settings true 100
PULSE_SERVER="unix:$work/nothing.socket" start_game no-server && play_game 2 space
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
