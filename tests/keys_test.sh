#!/usr/bin/env bash
# The keys the player chose, in the real program under Xvfb with real key presses. With
# fire=Z in the preferences file Z fires and Space does not, and the game replays to the same
# trace without the file. With hide=H and back=B, an H held from the menu does not hide the
# game it started, a fresh H does and Enter does not, and B held from outside the game brings
# it back. A damaged file starts, tells each damaged entry in a line on standard error, plays
# it as its default, and is left as it was.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(readlink -f "$1")
out="$(readlink -f "$2")/artifacts/keys"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
game_pid="" wm_pid="" xvfb_pid=""
trap 'kill $game_pid $wm_pid $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"

export HOME="$work" XDG_CONFIG_HOME="$work/config"
conf="$XDG_CONFIG_HOME/ponigari/ponigari.conf"
mkdir -p "$(dirname "$conf")"
start_xvfb 1024x768
# A window manager gives a new window the focus before the keys it hears, as on a desktop.
openbox --sm-disable >"$out/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

start_game() {  # log name, options...; leaves the menu window in $menu
  (cd "$work" && exec "$program" --seed 7 "${@:2}") >"$out/$1.log" 2>&1 &
  game_pid=$!
  menu=$(viewable_window 'ぽに狩り')
}
stop_game() { kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null; }
open_game() {  # from the menu; leaves the game window in $game
  xdotool mousemove --window "$menu" 96 84 click 1 sleep 0.2 key Return
  game=$(viewable_window 'ゲーム画面') || return 1
  xdotool mousemove --window "$game" 5 5 click 1 sleep 0.3
}
viewable() { [ -n "$1" ] && xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
unmapped() { [ -n "$1" ] && ! viewable "$1"; }
ended() { grep -q '"end":' "$1" 2>/dev/null; }
play_firing() {  # key held for a second, then Esc; the trace file
  open_game && xdotool keydown "$1" sleep 1 keyup "$1" key Escape && wait_until 5 ended "$2"
}
shots() { grep -c '"balkan":\[\[' "$1"; }

# --- fire=Z: Z fires, Space does not; the replay holds the action, not the key
printf '[keys]\nfire=Z\n' >"$conf"
start_game fire-z --record "$work/z.rep" --trace "$work/z.jsonl" &&
  play_firing space "$work/z.jsonl" && mv "$work/z.jsonl" "$work/space.jsonl" && play_firing z "$work/z.jsonl"
stop_game
echo "passes with shots: $(shots "$work/space.jsonl") holding Space, $(shots "$work/z.jsonl") holding Z"
check "Space no longer fires" test "$(shots "$work/space.jsonl")" -eq 0
check "Z fires" test "$(shots "$work/z.jsonl")" -gt 20
rm "$conf"
"$program" --headless --replay "$work/z.rep" --trace "$work/replayed.jsonl"
check "the game replays to the same trace without the preferences" cmp "$work/z.jsonl" "$work/replayed.jsonl"

# --- hide=H, back=B: the guard against a key held from the menu follows the key
printf '[keys]\nhide=H\nback=B\n' >"$conf"
if start_game hide-h; then
  # Held past the key repeat's delay, H repeats into the game that a click on スタート starts.
  xdotool mousemove --window "$menu" 96 84 click 1 keydown h sleep 1 mousemove --window "$menu" 48 24 click 1
  if game=$(viewable_window 'ゲーム画面'); then
    check "an H held from the menu does not hide the game it started" holds_for 1 viewable "$game"
  fi
  xdotool keyup h key Return
  check "Enter does not hide the game" holds_for 0.5 viewable "$game"
  xdotool key h
  check "a fresh H hides the game" wait_until 5 unmapped "$game"
  xdotool keydown b
  check "B held from outside the game brings it back" wait_until 5 viewable "$game"
  xdotool keyup b
fi
stop_game

# --- a damaged file: each damaged entry told once and played as its default
printf '[keys]\nfire=Qwerty\nfast=Left\n[pad]\nfire=Left\n[sound]\nmusic_volume=loud\neffects=false\n' >"$conf"
cp "$conf" "$work/damaged.conf"
start_game damaged --trace "$work/damaged.jsonl" && play_firing space "$work/damaged.jsonl"
stop_game
check "one line for each of the four damaged entries" test "$(grep -c 'ponigari.conf' "$out/damaged.log")" -eq 4
check "the damaged fire plays as Space" test "$(shots "$work/damaged.jsonl")" -gt 20
check "the file is not rewritten for being read" cmp "$conf" "$work/damaged.conf"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
