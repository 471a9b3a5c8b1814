#!/usr/bin/env bash
# The keys the player chose, in the real program under Xvfb with real key presses: with
# fire=Z in the preferences file Z fires and Space does not, and the recorded game replays
# to the same trace without that file; with hide=H an H held from the menu does not hide the
# game it started, a fresh H does and Enter no longer does, and back=B brings it back as F12
# did, from outside the game; a damaged file still starts, one
# line on standard error for each damaged entry, which plays as its default, and the file
# is left as it was. The window キーと音 sets a key by its press and keeps it on OK.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(readlink -f "$1")
build=$(readlink -f "$2")
out="$build/artifacts/keys"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
game_pid="" xvfb_pid=""
cleanup() {
  for pid in $game_pid $xvfb_pid; do kill "$pid"; done 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
conf="$XDG_CONFIG_HOME/ponigari/ponigari.conf"
mkdir -p "$HOME" "$(dirname "$conf")"
start_xvfb 1280x1024
play="$work/play"
mkdir -p "$play"

start_game() {  # log name, options...; leaves the menu window in $menu
  local name=$1
  shift
  (cd "$play" && exec "$program" --seed 7 "$@") >"$out/$name.log" 2>&1 &
  game_pid=$!
  menu=$(viewable_window 'ぽに狩り') || return 1
  # A click makes a window active: nothing else does that without a window manager.
  xdotool mousemove --window "$menu" 96 84 click 1
  sleep 0.3
}
stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}
open_game() {  # Enter on the menu; leaves the focused game window in $game
  xdotool mousemove --window "$menu" 96 84 click 1
  sleep 0.2
  xdotool key Return
  game=$(viewable_window 'ゲーム画面') || return 1
  xdotool mousemove --window "$game" 5 5 click 1
  sleep 0.3
}
gone() { ! xdotool search --name "^$1\$" >/dev/null 2>&1; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
unmapped() { ! viewable "$1"; }
fire_with() {  # key held for a second, then the game is abandoned
  xdotool keydown "$1"
  sleep 1
  xdotool keyup "$1"
  xdotool key Escape
  wait_until 5 gone 'ゲーム画面'
}
ended() { grep -q '"end":' "$1" 2>/dev/null; }
shots() { grep -c '"balkan":\[\[' "$1"; }

# --- fire=Z: Z fires, Space does not; the replay holds the action, not the key
printf '[keys]\nfire=Z\n' >"$conf"
if start_game fire-z --record "$work/z.rep" --trace "$work/z.jsonl"; then
  open_game && fire_with space && wait_until 5 ended "$work/z.jsonl" && mv "$work/z.jsonl" "$work/space.jsonl"
  open_game && fire_with z && wait_until 5 ended "$work/z.jsonl"
fi
stop_game
echo "passes with shots: $(shots "$work/space.jsonl") of $(wc -l <"$work/space.jsonl") holding Space," \
  "$(shots "$work/z.jsonl") of $(wc -l <"$work/z.jsonl") holding Z"
check "Space no longer fires" test "$(shots "$work/space.jsonl")" -eq 0
check "Z fires" test "$(shots "$work/z.jsonl")" -gt 20
check "the replay holds fire (Space's bit), not a key" grep -q '^keys [0-9]* 16$' "$work/z.rep"
mv "$conf" "$work/z.conf"
"$program" --headless --replay "$work/z.rep" --trace "$work/replayed.jsonl" >"$out/replayed.log" 2>&1
check "the game replays to the same trace without the preferences" cmp "$work/z.jsonl" "$work/replayed.jsonl"
cp "$work/z.rep" "$work/z.jsonl" "$out/"

# --- hide=H, back=B: the held-at-focus guard follows the key; Enter no longer hides, B
# brings the hidden game back
printf '[keys]\nhide=H\nback=B\n' >"$conf"
if start_game hide-h --record "$work/h.rep"; then
  xdotool keydown h
  open_game
  check "an H held from the menu does not hide the game it started" holds_for 1 viewable "$game"
  xdotool keyup h
  xdotool key Return
  check "Enter does not hide the game" holds_for 0.5 viewable "$game"
  xdotool key h
  check "a fresh H hides the game" wait_until 5 unmapped "$game"
  xdotool keydown F12
  check "F12 no longer brings it back" holds_for 0.5 unmapped "$game"
  xdotool keyup F12 keydown b
  check "B, held from anywhere, brings it back" wait_until 5 viewable "$game"
  xdotool keyup b
  xdotool mousemove --window "$game" 5 5 click 1
  xdotool key Escape
  wait_until 5 gone 'ゲーム画面'
  for _ in $(seq 50); do [ -s "$work/h.rep" ] && break; sleep 0.1; done
fi
stop_game
check "the replay holds one hide" test "$(grep -c 'enter$' "$work/h.rep")" -eq 1

# --- a damaged file: the program starts, each damaged entry told once and played as its default
printf '[keys]\nfire=Qwerty\nfast=Left\nup=Up\n[pad]\nfire=Left\n[sound]\nmusic_volume=loud\neffects=false\n' >"$conf"
cp "$conf" "$work/damaged.conf"
touch -d '2001-02-03 04:05:06' "$conf"
if start_game damaged --trace "$work/damaged.jsonl"; then
  open_game && fire_with space && wait_until 5 ended "$work/damaged.jsonl"
fi
stop_game
told=$(grep -c 'ponigari.conf' "$out/damaged.log")
echo "standard error of the damaged file:"
grep 'ponigari.conf' "$out/damaged.log"
check "one line for each of the four damaged entries" test "$told" -eq 4
for entry in 'fire=Qwerty' 'fast=Left' 'fire=Left' 'music_volume=loud'; do
  check "the line for $entry" grep -qF "$entry" "$out/damaged.log"
done
check "the damaged fire plays as Space" test "$(shots "$work/damaged.jsonl")" -gt 20
check "the file is not rewritten for being read" cmp "$conf" "$work/damaged.conf"
check "the file keeps its time" test "$(stat -c %Y "$conf")" = "$(date -d '2001-02-03 04:05:06' +%s)"

# --- the window: fire set to X by its press, kept on OK, X then fires
rm -f "$conf"
keys_window() {  # opens コンフィグ, then キーと音; leaves it in $keys
  xdotool key alt+c
  local config
  config=$(viewable_window 'コンフィグ') || return 1
  xdotool mousemove --window "$config" 316 153 click 1  # beside its controls
  sleep 0.2
  xdotool key alt+k
  keys=$(viewable_window 'キーと音')
}
if start_game window --trace "$work/x.jsonl" && keys_window; then
  import -window "$keys" "$out/window-96dpi.png"
  # 発射's key: the fifth row of the keyboard's left column.
  xdotool mousemove --window "$keys" 180 143 click 1
  sleep 0.2
  xdotool key x
  sleep 0.2
  import -window "$keys" "$out/window-fire-x.png"
  xdotool key alt+o
  wait_until 5 gone 'キーと音'
  check "OK keeps fire=X in the file" grep -qx 'fire=X' "$conf"
  xdotool key Escape
  wait_until 5 gone 'コンフィグ'
  open_game && fire_with x && wait_until 5 ended "$work/x.jsonl"
fi
stop_game
check "X fires in the next game" test "$(shots "$work/x.jsonl")" -gt 20
cp "$conf" "$out/window.conf" 2>/dev/null

# --- the window at 144 dpi (scale 2), for a look
if QT_FONT_DPI=144 start_game window-144dpi && keys_window; then
  check "the window doubles at 144 dpi" \
    test "$(xwininfo -id "$keys" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" = 944x778
  import -window "$keys" "$out/window-144dpi.png"
fi
stop_game

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
