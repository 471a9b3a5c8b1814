#!/usr/bin/env bash
# Fifty starts on a busy X server all reach the menu: both cores kept busy, another client
# connecting and disconnecting without pause, and one connection to the server in three
# turned away at once, as a server with a full queue of waiting connections does (the test's
# own X clients meet that too).
# Arguments: the program, the build folder.
set -uo pipefail
program=$(realpath "$1")
build=$(realpath "$2")
out="$build/artifacts/busy_display"
mkdir -p "$out"
play=$(mktemp -d)
load=()
trap 'kill "${load[@]}" $xvfb_pid 2>/dev/null; rm -rf "$play"' EXIT

source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768
for _ in 1 2; do (while :; do :; done) & load+=($!); done
"$build/tests/x_connect_loop" & load+=($!)
export LD_PRELOAD="$build/tests/librefusing_connect.so"

cd "$play"
failed=0
for i in $(seq 50); do
  "$program" --seed 7 >"$out/start.log" 2>&1 &
  game=$!
  shown=""
  for _ in $(seq 300); do
    shown=$(xdotool search --onlyvisible --name '^ぽに狩り$' 2>/dev/null)
    if [ -n "$shown" ] || ! kill -0 "$game" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if [ -z "$shown" ]; then
    failed=$((failed + 1))
    kill "$game" 2>/dev/null
    wait "$game"
    echo "start $i showed no menu (exit $?): $(cat "$out/start.log")"
  fi
  kill "$game" 2>/dev/null
  wait "$game" 2>/dev/null
done
echo "$((50 - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
