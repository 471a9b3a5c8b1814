#!/usr/bin/env bash
# The command line and start-up failures: clear words and the right exit codes, never a crash.
# Replay and trace files that cannot be read or written, replays whose game ends otherwise
# than they say, replay files from other systems, with odd bytes or odd names.
set -uo pipefail
program=$(realpath "$1")
data="$(cd "$(dirname "$0")" && pwd)/data/replays"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
checks=0
failures=0
result() {  # name, whether it went well, what happened
  checks=$((checks + 1))
  if [ "$2" = yes ]; then echo "ok   $1"; else echo "FAIL $1: $3"; failures=$((failures + 1)); fi
}
check() {  # name, expected exit code, expected text in the output, command...
  local name=$1 want=$2 text=$3
  shift 3
  local out code
  out=$("$@" 2>&1)
  code=$?
  [ "$code" -eq "$want" ] && grep -qF -- "$text" <<<"$out" && ok=yes || ok=no
  result "$name" $ok "exit $code (wanted $want), output: $out"
}
# As check, and the program says exactly one line, on standard error.
says() {
  local name=$1 want=$2 text=$3
  shift 3
  local err code
  err=$("$@" 2>&1 >/dev/null)
  code=$?
  [ "$code" -eq "$want" ] && [ "$(wc -l <<<"$err")" -eq 1 ] && grep -qF -- "$text" <<<"$err" && ok=yes || ok=no
  result "$name" $ok "exit $code (wanted $want), standard error: $err"
}
gzip -dc "$data/quiet.jsonl.gz" >quiet.golden
plays_quiet() {  # name, replay file: played headless, it gives the quiet game's golden trace
  local err
  err=$("$program" --headless --replay "$2" --trace trace.jsonl 2>&1) && cmp -s trace.jsonl quiet.golden && ok=yes || ok=no
  result "$1" $ok "$err $(cmp trace.jsonl quiet.golden 2>&1)"
}
check "unknown option" 2 "Unknown option" "$program" --bogus
check "usage follows the error" 2 "--seed" "$program" --bogus
check "stray argument" 2 "unexpected argument" "$program" extra
check "bad seed" 2 "--seed takes" "$program" --seed twelve
check "unknown language" 2 "--lang takes ja or en" "$program" --lang fr
check "help" 0 "Usage:" "$program" --help
check "no display" 1 "cannot open a display" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "unreachable display" 1 "cannot open a display" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:987 "$program"
check "unknown platform, and why" 1 'Could not find the Qt platform plugin "bogus"' "$program" --platform bogus
check "odd bytes of the command line shown escaped" 2 "Unknown option '\x1b[31mX'" "$program" $'--\e[31mX'
check "stale Wayland, no X" 1 "cannot open a display" env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=gone "$program"


# ---- a trace or replay that cannot be written fails the run; the replay is never the trace ----
says "trace to a full device" 1 "cannot write the trace to /dev/full: No space left on device" \
  "$program" --headless --replay "$data/judge.rep" --trace /dev/full
says "trace on a full standard output" 1 "cannot write the trace to -: No space left on device" \
  sh -c '"$0" --headless --replay "$1" --trace - >/dev/full' "$program" "$data/judge.rep"
# A file size limit cuts the trace off the way a full disk does.
says "trace cut off" 1 "cannot write the trace to cut.jsonl: File too large" \
  bash -c 'ulimit -f 16; trap "" XFSZ; exec "$@"' - "$program" --headless --replay "$data/quiet.rep" --trace cut.jsonl
cp "$data/quiet.rep" same.rep
ln same.rep linked.rep
check "trace over its own replay" 2 "--trace names the replay file" "$program" --headless --replay same.rep --trace same.rep
check "trace over its own replay by another name" 2 "--trace names the replay file" \
  "$program" --headless --replay same.rep --trace ./linked.rep
cmp -s same.rep "$data/quiet.rep" && ok=yes || ok=no
result "the refused replay is untouched" $ok "same.rep changed"
# The ranking is never a trace's or a replay's target, by any name, before or after it exists.
mkdir ranked && cd ranked
ln -s Ranking.sav soon.jsonl
check "trace through a link to a ranking not made yet" 2 "--trace names the ranking file" \
  "$program" --headless --replay "$data/quiet.rep" --trace soon.jsonl
printf 'ranking bytes' >Ranking.sav
ln Ranking.sav hard.jsonl
ln -s "$PWD/Ranking.sav" soft.rep
check "trace over the ranking" 2 "--trace names the ranking file" "$program" --headless --replay "$data/quiet.rep" --trace Ranking.sav
check "trace over the ranking by a hard link" 2 "--trace names the ranking file" \
  "$program" --headless --replay "$data/quiet.rep" --trace hard.jsonl
check "replay recorded over the ranking through a link" 2 "--record names the ranking file" "$program" --record soft.rep
[ "$(cat Ranking.sav)" = "ranking bytes" ] && [ ! -e Ranking.sav.lock ] && ok=yes || ok=no
result "the ranking is untouched, nothing opened beside it" $ok "$(ls)"
cd ..

# ---- the end line: checked when there, a desync otherwise ----
cp "$data/quiet.rep" ended.rep
echo "end 420 aborted 20" >>ended.rep
plays_quiet "a replay that ends as it says" ended.rep
sed 's/^end 420 aborted 20$/end 420 gameover 20/' ended.rep >astray.rep
says "a game that ends otherwise" 3 \
  "astray.rep: desync at pass 420: the game ended (aborted, score 20) where the replay ends at pass 420 (gameover, score 20)" \
  "$program" --headless --replay astray.rep
{ cat "$data/stall.rep"; echo "end 41 aborted 0"; } >stalls.rep
says "a replay that runs out before its end" 3 "stalls.rep: desync at pass 40: the pause waits" \
  "$program" --headless --replay stalls.rep --trace stalls.jsonl

# ---- every option --help lists does what it says ----
mkdir menu && cd menu
check "no --help-all: it is refused, not a game" 2 "Unknown option 'help-all'" \
  timeout 20 env QT_QPA_PLATFORM=offscreen "$program" --help-all
[ ! -e Ranking.sav ] && ok=yes || ok=no
result "--help-all leaves no ranking file" $ok "Ranking.sav was made"
cd ..
check "-h" 0 "--replay" "$program" -h
# The game runs until the timeout ends it.
mkdir platform && cd platform
check "--platform=NAME" 124 "" timeout 5 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --platform=offscreen
cd ..

# ---- replay files from elsewhere; messages show odd bytes escaped ----
{ printf '\xef\xbb\xbf'; sed 's/$/\r/' "$data/quiet.rep"; } >windows.rep
plays_quiet "a byte-order mark and CR LF line ends" windows.rep
tr '\n' '\r' <"$data/quiet.rep" >mac.rep
plays_quiet "CR line ends" mac.rep
cp "$data/quiet.rep" $'\xff\xfe.rep'
plays_quiet "a file name that is not UTF-8" $'\xff\xfe.rep'
printf 'ponigari-replay 1\nseed 1\nconfig 1 1 0 0 1\nranking 0 0 0 0 0 0\nfire\e[31mRED\0!\xc2\x9b 3 1\n' >$'odd\e.rep'
says "control bytes shown escaped" 1 "odd\x1b.rep:5: unknown item 'fire\x1b[31mRED\x00!\xc2\x9b'" "$program" --headless --replay $'odd\e.rep'
mkdir folder.rep
says "a folder" 1 "cannot read the replay folder.rep: it is a folder" "$program" --headless --replay folder.rep

# ---- what is no replay is refused at once, never read whole; pipes still play ----
truncate -s 30G sparse.rep
refused() {  # what, file, expected message: within seconds, where it used to read until memory ran out
  says "$1 is refused at once" 1 "$3" timeout 3 "$program" --headless --replay "$2"
}
refused /dev/zero /dev/zero "/dev/zero:1: a line of more than 4096 bytes: not a replay"
refused /dev/urandom /dev/urandom "/dev/urandom:"
refused "a sparse file of 30 GB" sparse.rep "cannot read the replay sparse.rep: it is far longer than any replay"
refused "a replay running on into zeros" <(cat "$data/quiet.rep" /dev/zero) ":15: a line of more than 4096 bytes"
plays_quiet "a replay through a pipe" <(cat "$data/quiet.rep")

# ---- a headless replay that never ends stops at 2,000,000 passes unless --frames asks for more ----
# A shield renewed every 400 passes keeps the firing ship alive; the end line lies beyond the limit.
{ printf 'ponigari-replay 1\nseed 7\nconfig 0 0 0 0 1\nranking 0 0 0 0 0 0\nkeys 0 16\n'; seq 400 400 2000000 | awk '{ print "event " $1 " ctrl\nhold " $1 " f9\nhold " $1 " ctrl" }'
  echo "end 2000050 aborted 0"; } >endless.rep
says "the headless limit" 4 "endless.rep: stopped after 2000000 passes, the most a headless replay plays unless --frames" \
  "$program" --headless --replay endless.rep
# Past the limit to the end line, where the game goes on: a desync shows how far it ran.
says "--frames beyond the limit" 3 "endless.rep: desync at pass 2000050: the game goes on" \
  "$program" --headless --replay endless.rep --frames 2000100

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
