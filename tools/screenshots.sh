#!/usr/bin/env bash
# The README's pictures: the title menu and a game in progress, at scale 2, taken from the real
# program in a private X server while the script plays with the keyboard.
# Usage: tools/screenshots.sh [program] [folder]   (defaults: build/ponigari, docs)
set -euo pipefail
program=$(readlink -f "${1:-build/ponigari}")
out=$(readlink -f "${2:-docs}")
work=$(mktemp -d)
trap 'kill ${game_pid:-} $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT

source "$(dirname "$0")/../tests/support/x11.sh"
start_xvfb 1280x800


cd "$work"
# The pictures show the game in its own language, whatever the desktop's.
QT_SCALE_FACTOR=2 "$program" --seed 20 --lang ja >/dev/null 2>&1 &
game_pid=$!
menu=$(viewable_window 'ぽに狩り')
sleep 0.5
import -window "$menu" "$out/menu.png"

xdotool windowfocus --sync "$menu"
xdotool key Return
game=$(viewable_window 'ゲーム画面')
xdotool windowfocus --sync "$game"
# Fire all the way and weave up and down while the waves come in; keep the busiest picture.
xdotool keydown space
best=0
for i in $(seq 14); do
  if ((i % 2)); then key=Up; else key=Down; fi
  xdotool keydown "$key"
  sleep 0.5
  xdotool keyup "$key"
  sleep 0.5
  ((i < 8)) && continue
  xwininfo -id "$game" >/dev/null 2>&1 || break
  import -window "$game" "$work/shot.png"
  colours=$(convert "$work/shot.png" -format '%k' info:)
  if ((colours > best)); then
    best=$colours
    cp "$work/shot.png" "$out/game.png"
  fi
done
xdotool keyup space
echo "wrote $out/menu.png and $out/game.png ($best colours)"
