#!/usr/bin/env bash
# The command line and start-up failures: clear words and the right exit codes, never a crash.
set -uo pipefail
program=$1
failures=0
check() {  # name, expected exit code, expected text in the output, command...
  local name=$1 want=$2 text=$3
  shift 3
  local out code
  out=$("$@" 2>&1)
  code=$?
  if [ "$code" -ne "$want" ] || ! grep -q -- "$text" <<<"$out"; then
    echo "FAIL $name: exit $code (wanted $want), output: $out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}
check "unknown option" 2 "Unknown option" "$program" --bogus
check "usage follows the error" 2 "--seed" "$program" --bogus
check "stray argument" 2 "unexpected argument" "$program" extra
check "bad seed" 2 "--seed takes" "$program" --seed twelve
check "help" 0 "Usage:" "$program" --help
check "no display" 1 "cannot open a display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "unreachable display" 1 "cannot open a display" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$program"
check "unknown platform" 1 "cannot open a display" "$program" --platform bogus
check "stale Wayland, no X" 1 "cannot open a display" env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=gone "$program"
passed=$((9 - failures))
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
