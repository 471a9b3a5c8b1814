#!/usr/bin/env bash
# A live game kept and watched again: under Xvfb the real program plays a game that no key
# touches until the ponis ram the ship, and registers the result in the 最下層民 row. Its
# replay must be in replays/ with its end line and play headless to the same end; the ranking
# window picks the row and its リプレイ button opens the "リプレイ" window, where Ctrl holds
# the picture, V speeds it up and Esc brings the ranking back; a replay edited afterwards
# shows the box that says where it parted, and the program goes on. Neither the ranking nor
# the kept replays change by watching. Screenshots go to <build>/artifacts/replay_watch/.
# Arguments: the program, the build folder.
set -uo pipefail
program=$(realpath "$1")
build=$(realpath "$2")
out="$build/artifacts/replay_watch"
mkdir -p "$out"
play=$(mktemp -d)
game_pid=
trap 'kill $game_pid $xvfb_pid 2>/dev/null; rm -rf "$play"' EXIT

source "$(dirname "$0")/support/x11.sh"
source "$(dirname "$0")/support/check.sh"
start_xvfb 1024x768

viewable() {
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && return 0
  done
  return 1
}
unseen() { ! viewable "$1"; }
# Without a window manager a window becomes active by a click into it, as a player's would.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }
answer() {  # the box of this title: click into it, then Space presses its focused button
  local id
  id=$(viewable_window "$1") || return 1
  click_in "$id" 10 10
  xdotool key space
}
shot() { import -window "$1" "$out/$2"; }
same_picture() { cmp -s "$out/$1" "$out/$2"; }
new_picture() { ! same_picture "$@"; }

cd "$play"
"$program" --seed 3 >"$out/program.log" 2>&1 &
game_pid=$!
menu=$(viewable_window 'ぽに狩り') || exit 1
click_in "$menu" 96 84
xdotool key Return
game=$(viewable_window 'ゲーム画面') || exit 1
click_in "$game" 5 5
# Seed 3 with no key held: the ponis ram the ship after 342 passes, with 0 points.
for box in 'GAME OVER' 'SCORE' 'NEW RECORD !!'; do check "the $box box" answer "$box"; done
name=$(viewable_window 'ランキングに登録') && click_in "$name" 60 20
xdotool type --delay 50 Watcher
xdotool key Return
rank=$(viewable_window 'ランキング') || { echo "no ranking window"; exit 1; }

kept=(replays/*.rpl)
check "one replay is kept (${kept[*]})" test "${#kept[@]}" -eq 1 -a -f "${kept[0]}"
replay=${kept[0]}
check "it is named after the time, the ending and the score" \
  grep -qE '^replays/[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{6}_gameover_0\.rpl$' <<<"$replay"
end=$(tail -1 "$replay")
echo "kept: $replay, $end"
check "it ends with its end line" grep -qE '^end [0-9]+ gameover 0$' <<<"$end"
passes=${end#end }
passes=${passes%% *}
"$program" --headless --replay "$replay" --trace headless.jsonl
check "it plays headless to the same end (exit $?)" grep -q "\"end\":\"gameover\",\"frames\":$passes," headless.jsonl
check "the 最下層民 row links to it" grep -qE "^[0-9a-f]{92} ${replay#replays/}\$" replays/ranking.links
ranking=$(md5sum Ranking.sav)
listing=$(ls -l --time-style=+%s.%N replays)

# The bottom row, picked with the mouse.
click_in "$rank" 150 162
sleep 0.3
shot "$rank" ranking-picked.png
xdotool key alt+p
watch=$(viewable_window 'リプレイ')
check "リプレイ opens the リプレイ window" test -n "$watch"
check "the ranking window steps aside" wait_until 5 unseen 'ランキング'
click_in "$watch" 160 230
sleep 1
shot "$watch" watching.png
# Ctrl holds the picture; Ctrl again lets it go on.
xdotool key ctrl
sleep 0.3
shot "$watch" paused-1.png
sleep 0.6
shot "$watch" paused-2.png
check "Ctrl pauses the watching" same_picture paused-1.png paused-2.png
xdotool key ctrl
sleep 0.6
shot "$watch" resumed.png
check "Ctrl resumes it" new_picture paused-2.png resumed.png
xdotool key Escape
check "Esc brings the ranking window back" wait_until 5 viewable 'ランキング'
check "the watching window is gone" wait_until 5 unseen 'リプレイ'

# Watched to its end with V held: four times as fast, the game's own boxes at its end.
rank=$(viewable_window 'ランキング')
click_in "$rank" 150 162
start=$(date +%s.%N)
xdotool key alt+p
watch=$(viewable_window 'リプレイ') && click_in "$watch" 160 230
xdotool keydown v
viewable_window 'GAME OVER' >/dev/null
seconds=$(echo "$(date +%s.%N) - $start" | bc)
xdotool keyup v
echo "watched $passes passes with V held in $seconds s (at the game's pace: $(echo "$passes * 0.025" | bc) s)"
check "V plays faster than the game's pace" test "$(echo "$seconds < $passes * 0.025 * 0.6" | bc)" -eq 1
for box in 'GAME OVER' 'SCORE'; do check "the replayed $box box" answer "$box"; done
check "the ranking window is back after the end" wait_until 5 viewable 'ランキング'
check "watching left Ranking.sav alone" test "$(md5sum Ranking.sav)" = "$ranking"
check "watching left the kept replays alone" test "$(ls -l --time-style=+%s.%N replays)" = "$listing"

# The replay edited afterwards: its playback parts from the end line.
sed -i 's/^end \([0-9]*\) gameover 0$/end \1 clear 500/' "$replay"
rank=$(viewable_window 'ランキング')
click_in "$rank" 150 162
xdotool key alt+p
watch=$(viewable_window 'リプレイ') && click_in "$watch" 160 230
xdotool keydown v
viewable_window 'GAME OVER' >/dev/null
xdotool keyup v
for box in 'GAME OVER' 'SCORE'; do answer "$box"; done
error=$(viewable_window 'Error !!')
check "an edited replay shows the Error !! box" test -n "$error"
[ -n "$error" ] && shot "$error" parted.png
answer 'Error !!'
rank=$(viewable_window 'ランキング')
check "the ranking window is back after the box" test -n "$rank"
click_in "$rank" 520 199
check "戻る still goes back to the menu" wait_until 5 viewable 'ぽに狩り'
check "the program is still running" kill -0 "$game_pid"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
