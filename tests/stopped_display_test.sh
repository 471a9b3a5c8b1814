#!/usr/bin/env bash
# An X server that takes connections and never answers them, as a stopped server of a frozen
# session does: the game gives up within seconds with its no-display line and exit code 1,
# whether the server stopped before the start or between the game's look at it and Qt's own
# connection.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(realpath "$1")
build=$(realpath "$2")
play=$(mktemp -d)
trap 'kill -CONT $xvfb_pid 2>/dev/null; kill $xvfb_pid 2>/dev/null; rm -rf "$play"' EXIT
source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"
start_xvfb 640x480
cd "$play"
gives_up() {  # what, then the environment to start the game in
  local name=$1 start err code ms
  shift
  start=$(date +%s%N)
  err=$(env "$@" timeout 30 "$program" --seed 1 2>&1 >/dev/null)
  code=$?
  ms=$((($(date +%s%N) - start) / 1000000))
  kill -CONT "$xvfb_pid"
  echo "$name: exit $code after ${ms} ms: $err"
  check "$name" test "$code" -eq 1 -a "$ms" -lt 10000
  check "$name: the no-display line" grep -qF "cannot open a display (is DISPLAY set" <<<"$err"
}
kill -STOP "$xvfb_pid"
gives_up "a server stopped before the start"
gives_up "a server that stops as Qt connects" \
  LD_PRELOAD="$build/tests/libstopping_connect.so" PONIGARI_STOP_SERVER="$xvfb_pid"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
