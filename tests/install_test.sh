#!/usr/bin/env bash
# The installed game as a player gets it: `make install` into a system-wide prefix and into
# the player's own ~/.local, the menu entry and the software-centre entry, the game started
# the way the desktop menu does, what the launcher shows when it cannot use the player's
# folder, and `make uninstall` removing what each install put there and nothing else.
# Arguments: the program (unused: the installed copies are tested), the build folder.
set -uo pipefail
build=$(readlink -f "$2")
source_dir=$(dirname "$(readlink -f "$0")")/..
out="$build/artifacts/install"
mkdir -p "$out"
: >"$out/checks.log"
work=$(mktemp -d)
chmod 755 "$work"  # the unprivileged player below reaches the installed copy
sys="$work/usr"  # stands for /usr/local
# A folder named like the game above the prefix must not fool uninstall into taking folders.
export HOME="$work/ponigari/home"
mkdir -p "$HOME"
unset XDG_DATA_HOME
app=io.github.ponigari.ponigari
game_pid=""
xvfb_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
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
make_() { env -u MAKEFLAGS -u MFLAGS make -s -C "$source_dir" BUILD="$build" "$@" >>"$out/make.log" 2>&1; }
installed() { sed "s|^$1/||" "$1/libexec/ponigari/install_manifest.txt" | sort; }
all_there() { while read -r f; do [ -e "$1/$f" ] || return 1; done <<<"$2"; }
none_there() { while read -r f; do [ ! -e "$1/$f" ] || return 1; done <<<"$2"; }

make_ install PREFIX="$sys" || { cat "$out/make.log"; exit 1; }

# --- the files, where the desktop looks for them
entry="$sys/share/applications/$app.desktop"
metainfo="$sys/share/metainfo/$app.metainfo.xml"
check "launcher in bin" test -x "$sys/bin/ponigari"
check "program in libexec" test -x "$sys/libexec/ponigari/ponigari"
check "stage music" test -s "$sys/share/ponigari/music/迎撃戦.wav"
check "boss music" test -s "$sys/share/ponigari/music/ボス戦.wav"
check "the eleven sound effects" test "$(find "$sys/share/ponigari/music/effects" -name '*.wav' -size +1k | wc -l)" -eq 11
check "English translation" test -s "$sys/share/ponigari/translations/ponigari_en.qm"
for size in 16 32 48 64 128 256; do
  icon="$sys/share/icons/hicolor/${size}x${size}/apps/$app.png"
  check "icon of $size pixels" test "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}"
done
check "menu entry is valid" test -z "$(desktop-file-validate "$entry" 2>&1)"
check "software-centre entry is valid, pedantically" appstreamcli validate --pedantic --no-net --explain "$metainfo"
check "software-centre entry has no remark" test -z "$(appstreamcli validate --pedantic --no-net "$metainfo" | grep -E '^[EWIP]:')"
check "entry names the game" grep -qx 'Name=ぽに狩り' "$entry"
check "entry is a game" grep -qE '^Categories=(.*;)?Game;' "$entry"
check "entry's icon is installed" grep -qx "Icon=$app" "$entry"
check "entry starts the installed launcher" grep -qx "Exec=$sys/bin/ponigari" "$entry"
check "every installed file is in the prefix's manifest" \
  test "$(cd "$sys" && find . -type f | sed 's|^\./||' | sort)" = "$(installed "$sys")"
# The manual page describes every option the program lists, and no other.
manual=$(zcat "$sys/share/man/man6/ponigari.6.gz" | sed 's/\\-/-/g')
listed=$("$sys/libexec/ponigari/ponigari" --help | grep -oE '^ +(-[a-zA-Z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+')
for option in $listed; do
  check "manual page describes $option" grep -qE -- "$option( |$)" <<<"$manual"
done
for option in $(grep -A1 -x '.TP' <<<"$manual" | grep -oE -- '^\.BI? (-[a-zA-Z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+'); do
  check "--help lists the manual's $option" grep -qx -- "$option" <<<"$listed"
done
check "--version names the version" grep -qx 'ponigari [0-9][0-9.]*' <("$sys/libexec/ponigari/ponigari" --version)

# --- started from the menu: the window opens and the game runs in the player's own folder
source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768

start_from_menu() {  # the entry's command line, run from an unrelated folder; a command may lead it
  local exec_line
  exec_line=$(sed -n 's/^Exec=//p' "$1")
  shift
  (cd / && exec "$@" $exec_line) >"$out/game.log" 2>&1 &
  game_pid=$!
}
stop_game() {  # the game, or the strace that runs it (which leaves once the game is gone)
  kill $(pgrep -P "$game_pid") "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  game_pid=""
}

play="$HOME/.local/share/ponigari"
start_from_menu "$entry"
menu=$(viewable_window 'ぽに狩り') || menu=""
check "menu window appears" test -n "$menu"
if [ -n "$menu" ]; then
  import -window root "$out/menu.png"
  pid=$(xprop -id "$menu" _NET_WM_PID | awk '{print $3}')
  check "game runs in the player's folder" test "$(readlink -f "/proc/$pid/cwd")" = "$(readlink -f "$play")"
fi
check "ranking kept in the player's folder" test -f "$play/Ranking.sav"
check "no music put into the player's folder" test -z "$(find "$play" -name '*.wav')"
stop_game

# --- a per-user install after playing the system-wide copy: its data folder lies beside the
# player's folder, and the game finds both pieces of music there.
cp "$play/Ranking.sav" "$work/ranking.before"
make_ install PREFIX="$HOME/.local" || { cat "$out/make.log"; exit 1; }
user_entry="$HOME/.local/share/applications/$app.desktop"
start_from_menu "$user_entry" strace -f -e trace=%stat,statx -o "$work/stat.log"
menu=$(viewable_window 'ぽに狩り') || menu=""
check "menu window of the per-user copy appears" test -n "$menu"
if [ -n "$menu" ]; then
  # Start a game (stage music), pause, warp to the boss, resume (boss music).
  xdotool mousemove --window "$menu" 96 84 click 1
  xdotool key Return
  game=$(viewable_window 'ゲーム画面') || game=""
  check "game window appears" test -n "$game"
  if [ -n "$game" ]; then
    xdotool mousemove --window "$game" 5 5 click 1
    for key in ctrl F11 ctrl; do sleep 0.5 && xdotool key "$key"; done
  fi
  music="$HOME/.local/share/ponigari/music/"
  found() { grep -F "$music" "$work/stat.log" | grep -E '= 0$' | grep -oE '/[^"]*\.wav' | sort -u | grep -c .; }
  for _ in $(seq 150); do [ "$(found)" -ge 2 ] && break; sleep 0.2; done
  check "both pieces of music found in the per-user data folder" test "$(found)" -eq 2
fi
stop_game
check "ranking left alone" cmp "$play/Ranking.sav" "$work/ranking.before"
check "no music put into the player's folder by the per-user install" test -z "$(find "$play" -maxdepth 1 -name '*.wav')"

# --- uninstalling the per-user copy takes its own files and nothing of the player's
printf 'own' >"$play/ボス戦.wav"
user_files=$(installed "$HOME/.local")
make_ uninstall PREFIX="$HOME/.local"
check "per-user files removed" none_there "$HOME/.local" "$user_files"
check "player's ranking stays" cmp "$play/Ranking.sav" "$work/ranking.before"
check "player's own wave file stays" test "$(cat "$play/ボス戦.wav")" = own
check "system-wide copy stays" all_there "$sys" "$(installed "$sys")"
check "folders that are not the game's own stay" test -d "$HOME/.local/bin" -a -d "$HOME/.local/share/applications"

# --- a staged install keeps no list: uninstalling the real prefix later touches only its own
cp "$sys/libexec/ponigari/install_manifest.txt" "$work/manifest.before"
make_ install DESTDIR="$work/stage" PREFIX="$sys"
check "staged install has the program" test -x "$work/stage$sys/libexec/ponigari/ponigari"
check "staged install keeps no manifest" test ! -e "$work/stage$sys/libexec/ponigari/install_manifest.txt"
check "staged install leaves the real prefix's manifest alone" cmp "$sys/libexec/ponigari/install_manifest.txt" "$work/manifest.before"

# --- the launcher shows a window whatever is wrong with the player's folder; the cases where
# permissions matter run as an unprivileged player.
as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
mkdir -p "$work/locked" "$work/readonly/ponigari"
touch "$work/a-file"
cp "$work/ranking.before" "$work/readonly/ponigari/Ranking.sav"
chmod 555 "$work/locked" "$work/readonly/ponigari"
shows() {  # window name, text the message must name, command leading the entry
  local name=$1 text=$2
  shift 2
  start_from_menu "$entry" "$@"
  local window
  window=$(viewable_window "$name") || window=""
  [ -n "$window" ] && import -window root "$out/shows-$((passed + failed)).png"
  sleep 0.5
  stop_game
  [ -n "$window" ] && grep -qF -- "$text" "$out/game.log"
}
check "message for an unwritable XDG_DATA_HOME" shows 'Error !!' "$work/locked/ponigari" \
  "${as_player[@]}" env XDG_DATA_HOME="$work/locked"
check "message for an XDG_DATA_HOME that is a file" shows 'Error !!' "$work/a-file/ponigari" \
  env XDG_DATA_HOME="$work/a-file"
check "message for an unset HOME" shows 'Error !!' HOME env -u HOME
# On an English desktop the installed game finds its translation and words the launcher's message.
check "message in English for an unset HOME" shows 'Error !!' 'HOME is not set' env -u HOME -u LC_ALL LANG=en_US.UTF-8
check "read-only player's folder with a ranking still plays" shows 'ぽに狩り' '' \
  "${as_player[@]}" env XDG_DATA_HOME="$work/readonly"

# Files named on the launcher's command line are relative to the caller's folder.
mkdir -p "$work/caller"
cp "$source_dir/tests/data/replays/quiet.rep" "$work/caller/"
(cd "$work/caller" && "$sys/bin/ponigari" --headless --replay quiet.rep --frames 20 --trace=trace.jsonl) \
  >>"$out/checks.log" 2>&1
check "replay and trace relative to the caller" test "$(wc -l <"$work/caller/trace.jsonl")" -gt 0

# --- removal with the prefix's manifest leaves nothing behind, and the staged copy alone
make_ uninstall PREFIX="$sys"
check "nothing left after removal" test -z "$(find "$sys" -type f -o -type l)"
check "staged copy untouched by the real prefix's removal" test -x "$work/stage$sys/libexec/ponigari/ponigari"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
