#!/usr/bin/env bash
# The real program starting beside a Ranking.sav it must neither block on, overwrite nor lose:
# a FIFO, a file on a full file system, a file in a read-only folder.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(realpath "$1")
root=$(mktemp -d)
chmod 755 "$root"
trap 'mountpoint -q "$root/full" && umount "$root/full"; kill $xvfb_pid; rm -rf "$root"' EXIT
source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768

passed=0
failures=0
verdict() {  # name, condition result, detail
  if [ "$2" -eq 0 ]; then echo "ok   $1"; passed=$((passed + 1)); else echo "FAIL $1: $3"; failures=$((failures + 1)); fi
}

# Starts the program in a folder (with a command put before it, if any) and prints the name of
# the first window it shows: the error box or the menu; "none" after 10 s.
first_window() {
  local folder=$1
  shift
  (cd "$folder" && exec "$@" "$program" >/dev/null 2>&1) &
  local game_pid=$!
  local seen=none
  for _ in $(seq 100); do
    if xdotool search --name '^Error !!$' >/dev/null 2>&1; then seen=error; break; fi
    if xdotool search --name '^ぽに狩り$' >/dev/null 2>&1; then seen=menu; break; fi
    sleep 0.1
  done
  kill "$game_pid" 2>/dev/null
  wait "$game_pid" 2>/dev/null
  for _ in $(seq 50); do xdotool search --name '^(Error !!|ぽに狩り)$' >/dev/null 2>&1 || break; sleep 0.1; done
  echo "$seen"
}

# A complete file holding places 300 and 500 in the wrong order: the start-up writes it back sorted.
place() {  # a used slot of normal mode, uncleared, with this score's four bytes, and its filler
  printf '\xff\xffP                   %b\0\0\0\0\0\0\0\0\0\xf9\xe5\x4012:00:00' "$1"
  head -c 30 /dev/zero
}
ranking() {
  head -c 76 /dev/zero
  place '\x2c\x01\0\0'
  place '\xf4\x01\0\0'
  head -c $((2 * 76 + 46)) /dev/zero
}
score_at() { od -An -t d4 -j $((76 * $2 + 22)) -N 4 "$1" | tr -d ' '; }

mkdir "$root/fifo"
mkfifo "$root/fifo/Ranking.sav"
seen=$(first_window "$root/fifo")
verdict "a FIFO is refused without blocking" "$([ "$seen" = error ] && [ -p "$root/fifo/Ranking.sav" ]; echo $?)" "first window: $seen"

mkdir "$root/full"
if mount -t tmpfs -o size=8k tmpfs "$root/full" 2>/dev/null; then
  ranking >"$root/full/Ranking.sav"
  cp "$root/full/Ranking.sav" "$root/expected"
  head -c 4096 /dev/zero >"$root/full/filler" 2>/dev/null
  seen=$(first_window "$root/full")
  verdict "a full disk keeps the old file and says so" \
    "$([ "$seen" = error ] && cmp -s "$root/expected" "$root/full/Ranking.sav" && [ "$(ls -A "$root/full" | grep -cvx Ranking.sav.lock)" = 2 ]; echo $?)" \
    "first window: $seen, $(stat -c %s "$root/full/Ranking.sav") bytes left, files: $(ls -A "$root/full" | tr '\n' ' ')"
  umount "$root/full"
else
  echo "skip a full disk: this machine does not let the test mount a tmpfs"
fi

# Root writes into any folder: the program runs as nobody there.
as_nobody=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
[ "$(id -u)" -ne 0 ] && as_nobody=()
if [ "$(id -u)" -eq 0 ] && ! "${as_nobody[@]}" test -x "$program" 2>/dev/null; then
  echo "skip a read-only folder: setpriv is missing or nobody cannot run $program"
else
  mkdir "$root/readonly"
  ranking >"$root/readonly/Ranking.sav"
  chmod 666 "$root/readonly/Ranking.sav"
  chmod 555 "$root/readonly"
  seen=$(first_window "$root/readonly" "${as_nobody[@]}")
  verdict "a read-only folder with a writable file records in place" \
    "$([ "$seen" = menu ] && [ "$(score_at "$root/readonly/Ranking.sav" 1)" = 500 ]; echo $?)" \
    "first window: $seen, first place $(score_at "$root/readonly/Ranking.sav" 1)"
  chmod 755 "$root/readonly"
fi

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
