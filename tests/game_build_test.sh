#!/usr/bin/env bash
# `make run` builds the game and its music and nothing else: a build folder configured the way
# it configures one holds no test, benchmark or developer tool among its targets.
# Arguments: the program (unused), the build folder (unused: a fresh one is configured).
set -uo pipefail
source_dir=$(dirname "$(readlink -f "$0")")/..
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

env -u MAKEFLAGS -u MFLAGS make -s -C "$source_dir" configure-game BUILD="$work/build" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log"; exit 1; }
targets=$(ninja -C "$work/build" -t targets all | cut -d: -f1)
failed=0
for wanted in ponigari music; do
  grep -qx "$wanted" <<<"$targets" || { echo "FAILED: no target $wanted"; failed=1; }
done
unwanted=$(grep -E '(^|/)(tests|bench|tools/(sprites|fuzz))/|_test$|_bench$|sanitize|fuzz|make_sprites' <<<"$targets")
[ -z "$unwanted" ] || { echo "FAILED: targets beyond the game:"; head -n 20 <<<"$unwanted"; failed=1; }
echo "$(grep -c . <<<"$targets") targets, $failed failures"
exit "$failed"
