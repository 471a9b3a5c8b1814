#!/usr/bin/env bash
# The game on a desktop with a window manager (openbox), played as a new player would: an
# Enter held on the menu starts a game that stays in sight; keys typed into another program
# do not steer the ship, and losing the focus pauses the game, as does minimising it; Ctrl in
# the game resumes; Enter hides it, F12 typed anywhere brings it back. The game is recorded;
# its replay gives the live trace headless, and in the window although another program takes
# the focus.
# Arguments: the program, the build folder.
set -euo pipefail
program=$(realpath "$1")
build=$(realpath "$2")
out="$build/artifacts/desktop_focus"
mkdir -p "$out"
play=$(mktemp -d)
game_pid= wm_pid= other_pid=
trap 'kill $game_pid $other_pid $wm_pid $xvfb_pid 2>/dev/null || true; rm -rf "$play"' EXIT

source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768
openbox --sm-disable >"$out/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done

fail() { echo "$*"; exit 1; }
active() {  # waits until this window has the focus
  for _ in $(seq 100); do [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0; sleep 0.1; done
  fail "window $1 never got the focus"
}
# Whether the pause label shows: its dark blue box fills the middle of the field.
paused() {
  import -window "$game" "$out/$1.png"
  [ "$(convert "$out/$1.png" -crop 80x12+120+114 +repage -fx 'b > 0.12 && b < 0.4 && r < 0.1' \
       -format '%[fx:round(mean*100)]' info:)" -gt 50 ]
}

viewable() { xwininfo -id "$1" | grep -q IsViewable; }
unmapped() { xwininfo -id "$1" | grep -q IsUnMapped; }
running() { ! paused "$1"; }

cd "$play"
"$program" --seed 4343 --record live.rep --trace live.jsonl >"$out/program.log" 2>&1 &
game_pid=$!
menu=$(viewable_window 'ぽに狩り')
active "$menu"

# Held past the key repeat's delay, Enter starts the game and keeps repeating into it.
xdotool keydown Return; sleep 1.5; xdotool keyup Return
game=$(viewable_window 'ゲーム画面')
active "$game"
holds_for 0.5 viewable "$game" || fail "the held Enter hid the game it started"

# Another program takes the focus; what is typed there is not for the game.
xterm -geometry 40x6+0+0 -T other >"$out/xterm.log" 2>&1 &
other_pid=$!
other=$(viewable_window other)
active "$other"
xdotool keydown Right space; sleep 1; xdotool keyup Right space
wait_until 3 paused lost || fail "the game did not pause when it lost the focus"
xdotool windowactivate --sync "$game"; active "$game"
holds_for 0.3 paused back || fail "the game resumed by itself when it got the focus back"
xdotool key ctrl
wait_until 3 running resumed || fail "Ctrl did not resume the game"

# Minimised, it pauses too.
xdotool windowminimize --sync "$game"
wait_until 3 unmapped "$game" || fail "the game was not minimised"
wmctrl -i -a "$game"; active "$game"
wait_until 3 paused restored || fail "the game did not pause when it was minimised"
xdotool key ctrl
wait_until 3 running resumed2 || fail "Ctrl did not resume the game"

# A fresh Enter still hides the game; F12 brings it back from wherever the focus went.
xdotool key Return
wait_until 5 unmapped "$game" || fail "a fresh Enter in the game did not hide it"
xdotool keydown F12
wait_until 5 viewable "$game" || fail "F12 did not bring the hidden game back"
xdotool keyup F12
xdotool windowactivate --sync "$game"; active "$game"
xdotool key Escape
wait_until 10 test -s live.rep || fail "no replay was written"
cp live.rep live.jsonl "$out/"
echo "replay:"; cat live.rep
grep -q '^keys ' live.rep && fail "keys typed into the other program reached the game"
[ "$(grep -c 'enter$' live.rep)" -eq 1 ] || fail "the held Enter reached the game"
[ "$(grep -c '^event [0-9]* ctrl$' live.rep) $(grep -c '^hold [0-9]* ctrl$' live.rep)" = "2 2" ] ||
  fail "not two pauses (focus lost, minimised) each resumed by Ctrl"
"$program" --headless --replay live.rep --trace headless.jsonl
cmp live.jsonl headless.jsonl || { cp headless.jsonl "$out/"; fail "the headless replay's trace differs from the live one"; }
echo "headless replay: same trace over $(($(wc -l <live.jsonl) - 1)) passes"

# Played in the window, the replay takes no pause of its own when the focus goes elsewhere.
timeout 120 "$program" --replay live.rep --trace window.jsonl >"$out/window.log" 2>&1 &
replay_pid=$!
game=$(viewable_window 'リプレイ')
active "$game"
xdotool windowactivate --sync "$other"
wait "$replay_pid" || fail "the windowed replay exited with $?"
cmp live.jsonl window.jsonl || { cp window.jsonl "$out/"; fail "the windowed replay's trace differs from the live one"; }
echo "windowed replay, its focus lost: same trace"
echo "1 passed, 0 failed"
