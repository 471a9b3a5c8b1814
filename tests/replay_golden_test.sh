#!/usr/bin/env bash
# Replays played headless by the program itself: every replay in data/replays gives its golden
# trace byte for byte; the pass limit; the trace on standard output; malformed replays and
# misused options. No display, no ranking file, no sound.
# Arguments: the program, the build folder.
#
# Each golden trace was checked by hand against the rules before it was committed, at these
# passes (the trace's "frame" is the frame counter, which the warp key moves):
# quiet  frame 0: Up alone, the ship goes from y 112 to 110 and nothing is fired.
#        frame 20: Space + Up: the first Balkan shot, placed from the ship's last position
#          (64, 72) at x 64 + 16 - 1 - 10 = 69, y 72 + 10 = 82, then moved once to 79;
#          FireWait 3. Frame 24: at power 1 the same slot is fired again, at (79, 74).
#        frame 150: the first ぽに (150 is a multiple of 30 above 120) at 320 - 2 = 318;
#          four draws: its speed and row, a new star's speed and row.
#        frame 266: shot (79, 20) meets the ぽに at (86, 17): 20 points, the kill flag, a blast
#          centred on (94, 25) at (46, -23) with frame -1 (spawned after the animation step),
#          an item of kind 2 at (86, 17) drifting at -1; three draws (sheet, the drop chance of
#          power 1, the kind).
#        end: Esc before pass 420: aborted after 420 passes, no boxes, no result.
# debug  pass 30 (frame 13400): in one hold F8 (speed 4, all weapons at 8, shield 8), F9
#          (shield 512), F10 (shower: three blasts this pass), F11 (frame 13400, kill flag);
#          the boss enters in the same pass for 10000 points (the warp counts as a kill) at
#          x 256 - 64 = 192, y (240 - 64) / 2 = 88 with 600 HP; the power-8 Laser fires at
#          x 64 - 8 = 56 and widens once: x 24, width 96, beams at 112 - 16 - 32 = 64 and 144.
#        pass 100: F10 ends the shower, Enter hides, Ctrl is ignored while hidden, F12 shows,
#          Ctrl resumes: not paused, not hidden; Up at speed 4 takes the ship from 112 to 108.
#        frame 13500: 100 frames into the fight the boss can be hurt; normal mode leaves the
#          512 shield alone.
#        end: Esc before pass 320: aborted.
# hard   frame 13450 and 13470: F7 in two pauses, hard mode off and on again.
#        frame 13500: hard mode strips the shield (8 to 0) with the cyan flash 16776960 and a
#          blast on the ship's centre (72, 169) at (24, 121); the easy blast starts at frame -2
#          and has stepped to 0 in the same pass.
#        frame 13547: rocket 1, moved to (78, 100), overlaps the ship at (64, 111): no shield,
#          so the ship is destroyed (DeathFrame 13547, red flash 255, blast (24, 71)) and the
#          rocket detonates (blast (38, 60)); the Laser fired in this pass detonates rockets 2
#          and 3 for 10 points each, 10010 to 10030.
#        end: game over 41 frames later (frame 13588, pass 198), result mode 1.
# judge  frames 0 to 14: Down, the ship goes to y 142; from pass 120 Right, 2 pixels a frame.
#        frame 195: the ship at (216, 142) and the ぽに at (228, 142) touch within the ram
#          margin of 2: destroyed, DeathFrame 195, red flash, blast (176, 102).
#        frame 236 = 195 + 41: the game over draws twice (all six ranking rows used, so special
#          with r < 1/2, then text 7), asks 審判, the answer No gives だったらやめやがれ！！,
#          then " 0 Points."; 237 passes, result [-1,0,0,0].
# stall  all switches off: no stars, so the reset's one draw per star slot leaves rng at 64.
#        pass 5: hidden by Enter; Ctrl ignored; F12 shows; F9 gives shield 512 since hiding
#          pauses; the second unhide finds nothing hidden; Ctrl resumes; Right goes on (x 76).
#        pass 40: paused, F10, then no more hold items: stalled after 40 passes.
set -uo pipefail
program=$(realpath "$1")
data="$(cd "$(dirname "$0")" && pwd)/data/replays"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
unset DISPLAY WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb  # headless must not need any display at all

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }

# The first line where two traces differ, shortened.
first_difference() {
  local line
  line=$(cmp "$1" "$2" 2>&1 | sed -n 's/.* line \([0-9]*\).*/\1/p')
  [ -n "$line" ] || line=$(($(wc -l <"$1") + 1))
  echo "first difference at line $line:"
  sed -n "${line}p" "$1" | cut -c1-300
  sed -n "${line}p" "$2" | cut -c1-300
}

# ---- golden traces ----
for replay in "$data"/*.rep; do
  name=$(basename "$replay" .rep)
  golden="$data/$name.jsonl.gz"
  [ -f "$golden" ] || { fail "$name has no golden trace"; continue; }
  gzip -dc "$golden" >"golden-$name.jsonl"
  "$program" --headless --replay "$replay" --trace "$name.jsonl" 2>"$name.err"
  code=$?
  if [ $code -ne 0 ]; then
    fail "$name: exit code $code ($(cat "$name.err"))"
  elif ! cmp -s "golden-$name.jsonl" "$name.jsonl"; then
    fail "$name: trace differs from the golden one"
    first_difference "golden-$name.jsonl" "$name.jsonl"
  else
    pass
  fi
done

# ---- the pass limit stops a game that goes on; the passes before it are those of the whole run ----
"$program" --headless --replay "$data/quiet.rep" --frames 100 --trace limit.jsonl
head -100 golden-quiet.jsonl >expected.jsonl
echo '{"end":"limit","frames":100,"boxes":[],"result":[0,0,0,0]}' >>expected.jsonl
if cmp -s expected.jsonl limit.jsonl; then pass; else fail "--frames 100"; first_difference expected.jsonl limit.jsonl; fi

# ---- the trace on standard output; no trace at all; nothing else written ----
out=$("$program" --headless --replay "$data/judge.rep" --trace - | md5sum)
[ "$out" = "$(md5sum <golden-judge.jsonl)" ] && pass || fail "--trace - differs from the file"
"$program" --headless --replay "$data/judge.rep" >silent.out 2>&1
[ $? -eq 0 ] && [ ! -s silent.out ] && pass || fail "a replay without --trace printed: $(head -c 200 silent.out)"
[ ! -e Ranking.sav ] && pass || fail "a headless replay wrote Ranking.sav"

# ---- malformed replays: exit 1 with one line naming the file and the line ----
head_lines=$'ponigari-replay 1\nseed 5\nconfig 1 1 0 0 1\nranking 0 0 0 0 0 0'
bad() {  # name, expected line number, text
  printf '%s\n' "$3" >"$1.rep"
  "$program" --headless --replay "$1.rep" --trace "$1.out" 2>"$1.err" >/dev/null
  local code=$?
  local lines
  lines=$(wc -l <"$1.err")
  if [ $code -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q "^ponigari: $1.rep:$2: " "$1.err"; then
    fail "malformed $1: exit $code, said: $(cat "$1.err")"
  else
    pass
  fi
}
bad unknown 6 "$head_lines"$'\nkeys 0 16\nfire 10 1'
bad number 5 "$head_lines"$'\nkeys 0 1.5'
bad mask 6 "$head_lines"$'\nkeys 0 16\nkeys 4 99'
bad backwards 7 "$head_lines"$'\nkeys 0 16\nevent 30 ctrl\nkeys 29 0'
bad header 1 $'seed 5\nconfig 1 1 0 0 1'
bad version 2 $'# a comment first\nponigari-replay 9'
bad key 5 "$head_lines"$'\nhold 3 f13'
"$program" --headless --replay missing.rep 2>missing.err
[ $? -eq 1 ] && grep -q "cannot read the replay missing.rep" missing.err && pass || fail "missing replay file"

# ---- misused options: usage and exit 2 ----
misuse() {
  "$program" "$@" >/dev/null 2>misuse.err
  local code=$?
  [ $code -eq 2 ] && pass || fail "ponigari $* gave exit $code"
}
misuse --headless
misuse --frames 10
misuse --replay "$data/quiet.rep" --headless --frames -1
misuse --replay "$data/quiet.rep" --headless --record x.rep
misuse --replay "$data/quiet.rep" --headless --seed 5
misuse --headless --replay "$data/quiet.rep" --bogus
help=$("$program" --help)
for option in --record --replay --headless --trace --frames --seed; do
  grep -q -- "$option" <<<"$help" && pass || fail "--help does not list $option"
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
