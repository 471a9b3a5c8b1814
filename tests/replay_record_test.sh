#!/usr/bin/env bash
# A live game recorded and played back: under Xvfb the real program plays a game of a few
# hundred frames on xdotool's keys (moving, firing, a pause with debugging keys, Esc) with
# --record and --trace. The replay it wrote must give the very same trace played headless
# and played again in the game window, which must also leave the ranking file alone. A
# replayed game over shows its boxes but takes the recorded answer.
# Arguments: the program, the build folder.
set -euo pipefail
program=$(realpath "$1")
build=$(realpath "$2")
data="$(cd "$(dirname "$0")" && pwd)/data/replays"
out="$build/artifacts/replay_record"
mkdir -p "$out"
play=$(mktemp -d)
game_pid=
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$play"' EXIT

source "$(dirname "$0")/support/x11.sh"
start_xvfb 1024x768

gone() {  # waits until no window has this exact name
  for _ in $(seq 100); do xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}

cd "$play"
"$program" --seed 4242 --record live.rep --trace live.jsonl >"$out/live.log" 2>&1 &
game_pid=$!
menu=$(viewable_window 'ぽに狩り')
# Clicks make windows active (there is no window manager); keys are real key presses.
xdotool mousemove --window "$menu" 96 84 click 1
sleep 0.3
xdotool key Return
game=$(viewable_window 'ゲーム画面')
xdotool mousemove --window "$game" 5 5 click 1
sleep 0.3

# Fire all the way; climb, dive, slide right; a pause with the shield and the power-up keys.
xdotool keydown space
xdotool keydown Up; sleep 1; xdotool keyup Up
xdotool keydown Down; sleep 1.5; xdotool keyup Down
xdotool keydown Right; sleep 0.7; xdotool keyup Right
xdotool key ctrl; sleep 0.4
xdotool key F9; sleep 0.2
xdotool key F8; sleep 0.2
xdotool key ctrl
xdotool keydown Up; sleep 1.2; xdotool keyup Up
xdotool keydown Left; sleep 0.5; xdotool keyup Left
sleep 1
xdotool keyup space
xdotool key Escape
gone 'ゲーム画面' || { echo "the game window is still open after Esc"; exit 1; }
for _ in $(seq 50); do [ -s live.rep ] && break; sleep 0.1; done
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=
cp live.rep live.jsonl "$out/"

fail() { echo "$*"; exit 1; }
[ -s live.rep ] || fail "no replay was written"
echo "replay:"; cat live.rep
passes=$(($(wc -l <live.jsonl) - 1))
echo "live game: $passes passes; $(tail -1 live.jsonl)"
[ "$passes" -ge 200 ] || fail "the live game was too short"
grep -q '^hold [0-9]* f9$' live.rep || fail "the pause's F9 is not in the replay"
grep -q '^hold [0-9]* ctrl$' live.rep || fail "the resuming Ctrl is not in the replay"
grep -q '^event [0-9]* esc$' live.rep || fail "the Esc is not in the replay"
[ "$(tail -1 live.rep)" = "end $passes aborted $(tail -2 live.jsonl | head -1 | sed 's/.*"score":\([0-9]*\).*/\1/')" ] ||
  fail "the replay does not end with the game's end line"
[ "$(grep -c '^keys ' live.rep)" -ge 6 ] || fail "the moves are not in the replay"
grep -q '"end":"aborted"' live.jsonl || fail "the live game did not end as abandoned"
# After F9 and F8 in the pause: speed 4, all weapons at power 8, shield 8.
grep -q '"player":\[-1,[0-9]*,[0-9]*,16,16,4,1,256,8,8,8,8,' live.jsonl || fail "the power-up never shows in the live trace"

# Headless, byte for byte.
"$program" --headless --replay live.rep --trace headless.jsonl
cmp live.jsonl headless.jsonl || { cp headless.jsonl "$out/"; fail "the headless replay's trace differs from the live one"; }
echo "headless replay: same trace"

# In the watching window, at the game's pace; the keys steer only the watching (Ctrl pauses
# and resumes it, Enter would hide a live game), the ranking file stays.
ranking_before=$(md5sum Ranking.sav 2>/dev/null || echo none)
start=$(date +%s.%N)
timeout 120 "$program" --replay live.rep --trace window.jsonl >"$out/window.log" 2>&1 &
replay_pid=$!
game=$(viewable_window 'リプレイ')
xdotool windowfocus --sync "$game" 2>/dev/null || true
xdotool key ctrl Return
sleep 0.3
xdotool key ctrl
wait "$replay_pid" || fail "the windowed replay exited with $?"
seconds=$(echo "$(date +%s.%N) - $start" | bc)
echo "windowed replay: $passes passes in $seconds s"
cmp live.jsonl window.jsonl || { cp window.jsonl "$out/"; fail "the windowed replay's trace differs from the live one"; }
[ "$(md5sum Ranking.sav 2>/dev/null || echo none)" = "$ranking_before" ] || fail "the windowed replay touched Ranking.sav"
# 25 ms a frame at the least: the replay is paced, not raced.
[ "$(echo "$seconds * 1000 >= $passes * 25" | bc)" -eq 1 ] || fail "the windowed replay ran faster than 40 frames a second"

# The boxes of a replayed game over are shown; whatever the viewer answers (Space presses the
# focused default button, Yes), the game takes the replay's No, and the trace is the golden one.
timeout 120 "$program" --replay "$data/judge.rep" --trace judge.jsonl >"$out/judge.log" 2>&1 &
replay_pid=$!
for box in '審判' 'GAME OVER' 'SCORE'; do
  id=$(viewable_window "$box") || fail "no box $box"
  # Without a window manager a box need not become the active window by itself: a click
  # into it does that, as a player's would.
  xdotool mousemove --window "$id" 10 10 click 1
  sleep 0.2
  xdotool key space
done
wait "$replay_pid" || fail "the windowed judgement replay exited with $?"
gzip -dc "$data/judge.jsonl.gz" | cmp - judge.jsonl || fail "the windowed judgement replay differs from its golden trace"
echo "windowed judgement replay: boxes shown, the recorded answer taken"
echo "1 passed, 0 failed"
