#!/usr/bin/env bash
# The installed game as a player gets it: install into a temporary prefix, validate the menu
# entry and the software-centre entry, start the game the way the desktop menu does with a
# fresh home folder, and remove everything again with the install manifest.
# Arguments: the program (unused: the installed copy is tested), the build folder.
set -uo pipefail
build=$(readlink -f "$2")
source_dir=$(dirname "$(readlink -f "$0")")/..
out="$build/artifacts/install"
mkdir -p "$out"
work=$(mktemp -d)
prefix="$work/prefix"
export HOME="$work/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME
game_pid=""
xvfb_pid=""
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$work/manifest.before"
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  # A real installation's manifest stays usable for `make uninstall`.
  if [ -f "$work/manifest.before" ]; then cp "$work/manifest.before" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() {  # what is checked, then the command that must succeed
  local what=$1
  shift
  if "$@" >>"$out/checks.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}

cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 || { cat "$out/install.log"; exit 1; }
cp "$manifest" "$work/manifest"

# --- the files, where the desktop looks for them
entry="$prefix/share/applications/ponigari.desktop"
metainfo="$prefix/share/metainfo/io.github.ponigari.ponigari.metainfo.xml"
check "launcher in bin" test -x "$prefix/bin/ponigari"
check "program in libexec" test -x "$prefix/libexec/ponigari/ponigari"
check "stage music" test -s "$prefix/share/ponigari/迎撃戦.wav"
check "boss music" test -s "$prefix/share/ponigari/ボス戦.wav"
for size in 16 32 48 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/ponigari.png"
  check "icon of $size pixels" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}"
done
check "menu entry is valid" desktop-file-validate "$entry"
check "software-centre entry is valid" appstreamcli validate --no-net "$metainfo"
check "entry names the game" grep -qx 'Name=ぽに狩り' "$entry"
check "entry is a game" grep -qE '^Categories=(.*;)?Game;' "$entry"
check "entry's icon is installed" grep -qx 'Icon=ponigari' "$entry"
check "entry starts the installed launcher" grep -qx "Exec=$prefix/bin/ponigari" "$entry"
check "software-centre entry launches the menu entry" grep -q '<launchable type="desktop-id">ponigari.desktop</launchable>' "$metainfo"
check "every installed file is in the manifest" test "$(find "$prefix" -type f | sort)" = "$(sort "$work/manifest")"

# --- started from the menu: the window opens and the game runs in the player's own folder
source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768

start_from_menu() {  # runs the entry's command line from an unrelated folder
  local exec_line
  exec_line=$(sed -n 's/^Exec=//p' "$entry")
  (cd / && exec $exec_line) >"$out/game.log" 2>&1 &
  game_pid=$!
}
stop_game() {
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

play="$HOME/.local/share/ponigari"
start_from_menu
menu=$(viewable_window 'ぽに狩り') || menu=""
check "menu window appears" test -n "$menu"
if [ -n "$menu" ]; then
  import -window root "$out/menu.png"
  pid=$(xprop -id "$menu" _NET_WM_PID | awk '{print $3}')
  check "game runs in the per-user folder" test "$(readlink -f "/proc/$pid/cwd")" = "$(readlink -f "$play")"
fi
for wave in 迎撃戦.wav ボス戦.wav; do
  check "$wave linked into the per-user folder" test "$(readlink "$play/$wave")" = "$prefix/share/ponigari/$wave"
done
check "ranking kept in the per-user folder" test -f "$play/Ranking.sav"
stop_game

# The next start finds the same ranking, and a wave file of the player's own stays;
# XDG_DATA_HOME moves the folder.
cp "$play/Ranking.sav" "$work/ranking.before"
rm "$play/ボス戦.wav"
printf 'own' >"$play/ボス戦.wav"
start_from_menu
menu=$(viewable_window 'ぽに狩り') || menu=""
check "menu window appears again" test -n "$menu"
check "ranking left alone" cmp "$play/Ranking.sav" "$work/ranking.before"
check "player's own wave file left alone" test "$(cat "$play/ボス戦.wav")" = own
stop_game
XDG_DATA_HOME="$work/data" start_from_menu
menu=$(viewable_window 'ぽに狩り') || menu=""
check "XDG_DATA_HOME holds the per-user folder" test -L "$work/data/ponigari/迎撃戦.wav"
stop_game

# Files named on the launcher's command line are relative to the caller's folder.
mkdir -p "$work/caller"
cp "$source_dir/tests/data/replays/quiet.rep" "$work/caller/"
(cd "$work/caller" && "$prefix/bin/ponigari" --headless --replay quiet.rep --frames 20 --trace=trace.jsonl) \
  >>"$out/checks.log" 2>&1
check "replay and trace relative to the caller" test "$(wc -l <"$work/caller/trace.jsonl")" -gt 0

# --- removal with the manifest leaves nothing behind
xargs -d '\n' rm -f <"$work/manifest"
check "nothing left after removal" test -z "$(find "$prefix" -type f -o -type l)"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
