#!/usr/bin/env bash
# A live game kept and watched again: under Xvfb the real program plays a game that no key
# touches until the ponis ram the ship, and registers it in the 最下層民 row. Its replay must
# be in replays/ with its end line and play headless to the same end; the ranking window's
# リプレイ opens the "リプレイ" window, where Ctrl holds the picture and Esc brings the ranking
# back, both files untouched, and the program goes on. Screenshots go to
# <build>/artifacts/replay_watch/ (watch_test shows a replay that parts from its end line).
# Arguments: the program, the build folder.
set -uo pipefail
source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"
program=$(realpath "$1")
out="$(realpath "$2")/artifacts/replay_watch"
play=$(mktemp -d)
game_pid=
trap 'kill $game_pid $xvfb_pid 2>/dev/null; rm -rf "$play"' EXIT
mkdir -p "$out"
start_xvfb 1024x768

viewable() {
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do xwininfo -id "$id" | grep -q IsViewable && return 0; done
  return 1
}
unseen() { ! viewable "$1"; }
# Without a window manager a window becomes active by a click into it, as a player's would.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }
answer() { click_in "$(viewable_window "$1")" 10 10 && xdotool key space; }  # presses its focused button
shot() { sleep 0.3; import -window "$(viewable_window "$1")" "$out/$2"; }
pick_row_0() { click_in "$(viewable_window 'ランキング')" 150 162; }

cd "$play"
"$program" --seed 3 >"$out/program.log" 2>&1 &
game_pid=$!
click_in "$(viewable_window 'ぽに狩り')" 96 84
xdotool key Return
click_in "$(viewable_window 'ゲーム画面')" 5 5
# Seed 3 with no key held: the ponis ram the ship after 342 passes, with 0 points.
for box in 'GAME OVER' 'SCORE' 'NEW RECORD !!'; do check "the $box box" answer "$box"; done
click_in "$(viewable_window 'ランキングに登録')" 60 20
xdotool type --delay 50 Watcher
xdotool key Return
viewable_window 'ランキング' >/dev/null

replay=$(ls replays/*.rpl)
end=$(tail -1 "$replay")
echo "kept: $replay, $end"
check "the game is kept, named after its time, ending and score" \
  grep -qE '^replays/[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{6}_gameover_0\.rpl$' <<<"$replay"
check "it ends with its end line" grep -qE '^end 342 gameover 0$' <<<"$end"
"$program" --headless --replay "$replay" --trace headless.jsonl
check "it plays headless to the same end (exit $?)" grep -q '"end":"gameover","frames":342,' headless.jsonl
files=$(md5sum Ranking.sav replays/*)

pick_row_0
shot 'ランキング' ranking-picked.png
xdotool key alt+p
check "リプレイ opens the リプレイ window in place of the ranking" wait_until 5 unseen 'ランキング'
click_in "$(viewable_window 'リプレイ')" 160 230
shot 'リプレイ' watching.png
xdotool key ctrl
shot 'リプレイ' paused-1.png
shot 'リプレイ' paused-2.png
check "Ctrl holds the picture" cmp -s "$out/paused-1.png" "$out/paused-2.png"
xdotool key ctrl Escape
check "Esc brings the ranking window back" wait_until 5 viewable 'ランキング'
check "the リプレイ window is gone" wait_until 5 unseen 'リプレイ'
check "watching left Ranking.sav and the replays alone" test "$(md5sum Ranking.sav replays/*)" = "$files"

click_in "$(viewable_window 'ランキング')" 515 199
check "戻る still goes back to the menu" wait_until 5 viewable 'ぽに狩り'
check "the program is still running" kill -0 "$game_pid"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
