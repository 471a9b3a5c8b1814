#!/usr/bin/env bash
# The windows on a desktop with a window manager (openbox), at several screen sizes:
# - the menu and the game window open centred by their frames, with the 16 x 16 and 32 x 32
#   icons, the game window at 320 x 240 times the desktop's whole-number scale;
# - maximised and full screen (through the window manager, the F key and --fullscreen), the
#   field is drawn at the largest whole-number scale that fits, centred on black and crisp:
#   the ship has 1 x 1 its pixels times the scale squared, right where the scale puts it;
# - the end-of-game boxes (two replays) show their whole titles: each title bar's text is as
#   wide as the same title's in a wide window.
# Screenshots and the measured figures are kept under <build>/artifacts/window_manager/.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(readlink -f "$1")
build=$(readlink -f "$2")
data="$(cd "$(dirname "$0")" && pwd)/data"
out="$build/artifacts/window_manager"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
game_pid="" wm_pid="" xvfb_pid=""
stop_program() {
  [ -n "$game_pid" ] && { kill "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; }
  game_pid=""
}
stop_desktop() {
  stop_program
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wm_pid="" xvfb_pid=""
}
trap 'stop_desktop; rm -rf "$work"' EXIT

source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"
export HOME="$work"  # openbox's own settings, no one else's

figure() { echo "$*" | tee -a "$out/figures.txt"; }

start_desktop() {  # WxH, dpi
  start_xvfb "$1"
  screen_w=${1%x*} screen_h=${1#*x}
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$2"
  openbox --sm-disable >>"$out/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
}
start_program() {  # arguments for the program; it runs in a fresh play folder
  mkdir -p "$work/play"
  (cd "$work/play" && exec "$program" "$@") >>"$out/program.log" 2>&1 &
  game_pid=$!
}

# The window's frame on the screen, from its client area and the borders openbox reports:
# sets fx fy fw fh and top (the title bar's height).
frame_of() {
  local x y w h l r b
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  IFS=', ' read -r l r top b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
  fx=$((x - l)) fy=$((y - top)) fw=$((w + l + r)) fh=$((h + top + b))
  client_w=$w client_h=$h
}
# Twice the distance between the frame's corner and where centring puts it, against twice
# the pixels allowed: 1, or at a desktop scale of 2 one of its pixels (windows are placed in
# those, and openbox's borders are odd numbers of screen pixels).
off_by_at_most() { local d=$(($1 < 0 ? -$1 : $1)); [ "$d" -le $((2 * $2)) ]; }
centred() {  # window, name, pixels allowed
  frame_of "$1"
  figure "$2: frame ${fw}x$fh at $fx,$fy on ${screen_w}x$screen_h"
  check "$2 is centred by its frame across" off_by_at_most $((2 * fx - (screen_w - fw))) "$3"
  check "$2 is centred by its frame down" off_by_at_most $((2 * fy - (screen_h - fh))) "$3"
}
until_size() {  # window, then a test of client_w and client_h that must come true
  local id=$1
  shift
  for _ in $(seq 100); do
    frame_of "$id"
    eval "$@" && return 0
    sleep 0.1
  done
  return 1
}
focused() {
  for _ in $(seq 50); do [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0; sleep 0.1; done
  return 1
}

# The ship (16 x 16 at 64,112 of the field; it stays there while no key is pressed, and the
# first game of --seed 7 loses it only at frame 750), counted where a field of this scale,
# centred in the window, puts it.
lit() { convert "$1" -crop "$2" +repage -colorspace gray -threshold 20% -format '%[fx:round(mean*w*h)]' info:; }
ship_1x=""
field() {  # window, file, scale expected, what
  local id=$1 file=$2 s=$3 what=$4 ox oy ship measured differing outside
  sleep 0.5
  import -window "$id" "$out/$file"
  frame_of "$id"
  ox=$(((client_w - 320 * s) / 2)) oy=$(((client_h - 240 * s) / 2))
  ship=$(lit "$out/$file" "$((16 * s))x$((16 * s))+$((ox + 64 * s))+$((oy + 112 * s))")
  [ -z "$ship_1x" ] && ship_1x=$ship
  measured=$(awk -v n="$ship" -v one="$ship_1x" 'BEGIN {printf "%.2f", sqrt(n / one)}')
  figure "$what: client ${client_w}x$client_h, ship $ship lit pixels (1x: $ship_1x), field scale $measured"
  check "$what: the ship shows at scale $s where the centred field puts it ($ship)" \
    test $((ship * 100 / (ship_1x * s * s))) -ge 95 -a $((ship * 100 / (ship_1x * s * s))) -le 105
  # Each game pixel a uniform s x s block, the blocks starting at the field's corner.
  convert "$out/$file" -crop "$((320 * s))x$((240 * s))+$ox+$oy" +repage "$work/field.png"
  convert "$work/field.png" -sample 320x240! -sample "$((320 * s))x$((240 * s))!" "$work/blocks.png"
  differing=$(compare -metric AE "$work/field.png" "$work/blocks.png" null: 2>&1)
  check "$what: crisp ${s}x$s blocks ($differing pixels differ)" test "$differing" = 0
  # Nothing but black around the field.
  outside=$(convert "$out/$file" -fill black -draw "rectangle $ox,$oy $((ox + 320 * s - 1)),$((oy + 240 * s - 1))" \
    -format '%[fx:maxima.r+maxima.g+maxima.b > 0]' info:)
  check "$what: black around the field" test "$outside" = 0
}

open_menu() {  # program arguments: starts it, sets menu to the menu's id
  start_program --seed 7 "$@"
  menu=$(viewable_window 'ぽに狩り') && focused "$menu" && sleep 0.5
}
start_game() {  # Enter on the menu; sets game to the game window's id
  xdotool key Return
  game=$(viewable_window 'ゲーム画面') && focused "$game"
}

# The text of a window's title, as the title bar shows it: its width in pixels, from the
# difference between the bar with the title and with a blank one.
title_width() {  # window, file
  frame_of "$1"
  sleep 0.3
  import -window root -crop "${fw}x$top+$fx+$fy" +repage "$work/title.png"
  cp "$work/title.png" "$out/$2"
  xdotool set_window --name " " "$1"
  for _ in $(seq 30); do
    sleep 0.1
    import -window root -crop "${fw}x$top+$fx+$fy" +repage "$work/blank.png"
    [ "$(compare -metric AE "$work/title.png" "$work/blank.png" null: 2>&1)" != 0 ] && break
  done
  convert "$work/title.png" "$work/blank.png" -compose difference -composite -threshold 5% \
    -format '%@' info: | sed 's/x.*//'
}
declare -A wide
reference_titles() {  # the titles, each in a window wide enough for any title
  local t id
  for t in "$@"; do
    xmessage -geometry 640x60+0+0 -title "$t" " " 2>/dev/null &
    local pid=$!
    id=$(viewable_window "$t")
    wide[$t]=$(title_width "$id" "reference-$t.png")
    kill "$pid"
    wait "$pid" 2>/dev/null
  done
}
boxes() {  # replay, then the titles of its boxes in order
  local replay=$1 t box width
  shift
  start_program --replay "$data/$replay"
  for t in "$@"; do
    box=$(viewable_window "$t") || { check "$replay: a box titled $t" false; break; }
    sleep 0.3
    import -window root "$out/box-$t-screen.png"
    width=$(title_width "$box" "box-$t.png")
    frame_of "$box"
    figure "box \"$t\": title ${width}px wide in its title bar, ${wide[$t]}px in a wide window (box frame ${fw}px wide)"
    check "box \"$t\" shows its whole title" test "$width" -ge $((wide[$t] - 1))
    xdotool windowactivate --sync "$box" key Return
  done
  stop_program
}

# Maximised through the window manager, then full screen by F or by the window manager.
maximised_then_full() {  # name, "F" or "window manager", scale maximised, scale full screen
  local name=$1
  wmctrl -i -r "$game" -b add,maximized_vert,maximized_horz
  check "$name maximised" until_size "$game" '[ "$client_w" = "$screen_w" ] && [ "$client_h" -gt $((screen_h - 60)) ]'
  field "$game" "$name-maximised.png" "$3" "$name maximised"
  if [ "$2" = F ]; then xdotool key f; else wmctrl -i -r "$game" -b add,fullscreen; fi
  check "$name full screen ($2)" until_size "$game" '[ "${client_w}x$client_h" = "${screen_w}x$screen_h" ]'
  field "$game" "$name-fullscreen.png" "$4" "$name full screen ($2)"
}

# 1024 x 768 at 96 dpi: centring, icons, the field at 1x, maximised (3x), then F (3x).
start_desktop 1024x768 96
if open_menu; then
  centred "$menu" "menu" 1
  check "the menu has 16 x 16 and 32 x 32 icons" \
    test "$(xprop -id "$menu" _NET_WM_ICON | grep -c -E 'Icon \((16 x 16|32 x 32)\)')" = 2
fi
if start_game; then
  check "the game window opens at 320x240" until_size "$game" '[ "${client_w}x$client_h" = 320x240 ]'
  centred "$game" "game window" 1
  field "$game" 1024x768-window.png 1 "1024x768 window"
  maximised_then_full 1024x768 F 3 3
else
  check "a game starts at 1024x768" false
fi
stop_desktop

# 800 x 600 at 144 dpi (desktop scale 2): --fullscreen (2x); F gives the 640 x 480 window.
start_desktop 800x600 144
if open_menu --fullscreen; then
  import -window "$menu" "$out/menu-144dpi.png"
  centred "$menu" "menu at 144 dpi" 2
fi
if start_game; then
  check "--fullscreen opens full screen" until_size "$game" '[ "${client_w}x$client_h" = 800x600 ]'
  field "$game" 800x600-fullscreen-144dpi.png 2 "800x600 at 144 dpi, --fullscreen"
  xdotool key f
  check "F leaves full screen for the 2x window" until_size "$game" '[ "${client_w}x$client_h" = 640x480 ]'
  field "$game" 800x600-window-144dpi.png 2 "800x600 at 144 dpi, window"
else
  check "a game starts at 800x600" false
fi
stop_desktop

# 1280 x 1024 at 120 dpi: maximised and full screen through the window manager (4x); the
# end-of-game boxes.
start_desktop 1280x1024 120
if open_menu; then
  import -window "$menu" "$out/menu-120dpi.png"
  centred "$menu" "menu at 120 dpi" 1
fi
if start_game; then maximised_then_full 1280x1024 "window manager" 4 4; else check "a game starts at 1280x1024" false; fi
stop_program
reference_titles '審判' 'GAME OVER' 'SCORE' 'Mission Completed !!'
boxes replays/judge.rep '審判' 'GAME OVER' 'SCORE'
boxes desktop/clear.rep 'Mission Completed !!' 'SCORE'
stop_desktop

# 3840 x 2160 at 96 dpi: maximised (8x) and full screen (9x).
start_desktop 3840x2160 96
if open_menu && start_game; then maximised_then_full 3840x2160 F 8 9; else check "a game starts at 3840x2160" false; fi
stop_desktop

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
