#!/usr/bin/env bash
# The windows as a player sees them in a real X server, at the desktop's scale: the menu, the
# ranking window and the settings dialog at scales 1 and 2, and in English at 96 and 144 dpi;
# the game window at scales 2 and 3 and on a 144 dpi desktop, whose 1.5 is rounded to 2. Game pixels must stay crisp square
# blocks. Screenshots are kept under <build>/artifacts/screens/.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(readlink -f "$1")
build=$2
out="$build/artifacts/screens"
mkdir -p "$out"
work=$(mktemp -d)
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"
start_xvfb 1920x1080


find_window() {  # the viewable window with this exact name, if there is one now
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && { echo "$id"; return 0; }
  done
  return 1
}
wait_for() {  # the same, waiting for it
  for _ in $(seq 100); do find_window "$1" && return 0; sleep 0.1; done
  echo "no window named $1" >&2
  return 1
}
viewable() { find_window "$1" >/dev/null; }
# Without a window manager nothing gives a window the focus, so the test does, and types as a
# keyboard does. A window just mapped may not take the focus at once: the key is pressed
# again when nothing happened.
press_until() {  # window, key, then the command that tells it worked
  local target=$1 key=$2
  shift 2
  for _ in 1 2 3; do
    timeout 3 xdotool windowfocus --sync "$target" 2>/dev/null
    xdotool key "$key"
    for _ in $(seq 20); do "$@" && return 0; sleep 0.1; done
  done
  return 1
}
size_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
start() {  # environment assignments and --options for the program; it runs in a fresh play folder
  local assignments=() options=()
  for a in "$@"; do if [[ $a == --* ]]; then options+=("$a"); else assignments+=("$a"); fi; done
  mkdir -p "$work/play"
  (cd "$work/play" && exec env "${assignments[@]}" "$program" --seed 7 "${options[@]}") >>"$out/program.log" 2>&1 &
  game_pid=$!
}
stop() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

# A window of this name opens with this size; its screenshot is kept; its id goes to $window.
shot() {  # name, expected size, file
  window=$(wait_for "$1") || { check "$1 opens" false; return 1; }
  sleep 0.3
  check "$1 is $2 ($3)" test "$(size_of "$window")" = "$2"
  import -window "$window" "$out/$3"
}

# Each game pixel a uniform block of scale x scale screen pixels, and a real picture in it.
crisp() {  # file, scale
  local w h differing colours
  read -r w h < <(identify -format '%w %h' "$1")
  convert "$1" -sample "$((w / $2))x$((h / $2))!" -sample "${w}x${h}!" "$work/resampled.png"
  differing=$(compare -metric AE "$1" "$work/resampled.png" null: 2>&1)
  check "$1 is made of crisp ${2}x$2 blocks ($differing pixels differ)" test "$differing" = 0
  colours=$(convert "$1" -format '%k' info:)
  check "$1 shows a picture ($colours colours)" test "$colours" -ge 4
}

records_windows() {  # name, scale expected, environment assignments: the menu, the ranking
  # window and the settings dialog, with the same sizes and access keys in either language
  local name=$1 s=$2 menu ranking=ランキング config=コンフィグ
  shift 2
  start "$@"
  if [[ $name == *-en ]]; then ranking=Ranking config=Config; fi
  shot 'ぽに狩り' "$((192 * s))x$((88 * s))" "menu-$name.png" || { stop; return; }
  menu=$window
  check "Alt+R opens the ranking ($name)" press_until "$menu" alt+r viewable "$ranking"
  shot "$ranking" "$((564 * s))x$((255 * s))" "ranking-$name.png" &&
    check "Esc on the ranking brings the menu back" press_until "$window" Escape viewable 'ぽに狩り'
  check "Alt+C opens the settings ($name)" press_until "$menu" alt+c viewable "$config"
  shot "$config" "$((320 * s))x$((157 * s))" "config-$name.png" &&
    check "Esc on the settings brings the menu back" press_until "$window" Escape viewable 'ぽに狩り'
  if [[ $name == *-en ]]; then
    # Esc asks before leaving, in English, in a box wide enough for what it says.
    check "Esc on the menu asks in English ($name)" press_until "$menu" Escape viewable Confirm
    window=$(find_window Confirm) && import -window "$window" "$out/exit-$name.png"
  fi
  stop
}

game_window() {  # file name, scale expected, environment assignments
  local file=$1 s=$2
  shift 2
  start "$@"
  window=$(wait_for 'ぽに狩り') || { check "$file: menu opens" false; stop; return; }
  check "$file: Enter starts a game" press_until "$window" Return viewable 'ゲーム画面'
  shot 'ゲーム画面' "$((320 * s))x$((240 * s))" "$file" || { stop; return; }
  # Let stars and the ship's shots fill the field, then take the picture again.
  timeout 3 xdotool windowfocus --sync "$window"
  xdotool keydown space
  sleep 1.5
  import -window "$window" "$out/$file"
  xdotool keyup space
  crisp "$out/$file" "$s"
  stop
}

records_windows x1 1 QT_SCALE_FACTOR=1
records_windows x2 2 QT_SCALE_FACTOR=2
# In English: the same windows and sizes.
records_windows 96dpi-en 1 --lang=en
game_window game-x2.png 2 QT_SCALE_FACTOR=2
game_window game-x3.png 3 QT_SCALE_FACTOR=3
# A desktop of 144 dpi asks for 1.5; the program rounds it to 2.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER 'Xft.dpi:	144'
game_window game-144dpi.png 2 QT_SCALE_FACTOR=1
records_windows 144dpi-en 2 QT_SCALE_FACTOR=1 --lang=en
xprop -root -remove RESOURCE_MANAGER

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
