#!/usr/bin/env bash
# The real program in a real X server: the menu appears, Enter opens the game window with a
# 320 x 240 client area, the right arrow moves the ship, Esc returns to the menu.
# Arguments: the program, the build folder.
set -euo pipefail
program=$1
build=$2
out="$build/artifacts/realwindow"
mkdir -p "$out"
play=$(mktemp -d)
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$play"' EXIT

source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768

cd "$play"
"$program" --seed 7 >"$out/program.log" 2>&1 &
game_pid=$!

menu=$(viewable_window 'ぽに狩り')
echo "menu window $menu"
xdotool mousemove --window "$menu" 96 84 click 1  # into the menu, beside its buttons
sleep 0.3
import -window root "$out/menu.png"
xdotool key Return

game=$(viewable_window 'ゲーム画面')
echo "game window $game"
geometry=$(xwininfo -id "$game" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
echo "client area $geometry"
[ "$geometry" = "320x240" ] || { echo "game client area is $geometry, not 320x240"; exit 1; }
# A click makes it the active window: nothing else does that without a window manager.
xdotool mousemove --window "$game" 5 5 click 1
sleep 0.3
import -window "$game" "$out/before.png"
xdotool keydown Right
sleep 1
xdotool keyup Right
import -window "$game" "$out/after.png"

# The ship starts at x 64, y 112. Count lit pixels in the band it flies in, at its start and
# to the right of it (stars add a few scattered pixels, the ship about a hundred).
lit() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 20% -format '%[fx:round(mean*w*h)]' info:; }
start_before=$(lit "$out/before.png" 24x16+60+112)
start_after=$(lit "$out/after.png" 24x16+60+112)
right_after=$(lit "$out/after.png" 220x16+90+112)
echo "lit pixels at the start: $start_before before, $start_after after; to the right after: $right_after"
[ "$start_before" -gt 40 ] || { echo "no ship at its starting place"; exit 1; }
[ "$start_after" -lt 15 ] && [ "$right_after" -gt 40 ] || { echo "the ship did not move right"; exit 1; }

# A real key press, not one sent to the window: the window is gone before a sent release
# could follow.
xdotool key Escape
for _ in $(seq 50); do xdotool search --name '^ゲーム画面$' >/dev/null 2>&1 || break; sleep 0.1; done
if xdotool search --name '^ゲーム画面$' >/dev/null 2>&1; then echo "the game window is still open after Esc"; exit 1; fi
xwininfo -id "$menu" | grep -q 'IsViewable' || { echo "the menu did not come back"; exit 1; }
import -window root "$out/back.png"
echo "1 passed, 0 failed"
