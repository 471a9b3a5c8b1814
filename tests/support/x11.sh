# Shared by the scripts that drive the real program under Xvfb. Source it, then:
#   start_xvfb WxH          a private X server on a display Xvfb picks itself (other tests run
#                           servers of their own); sets DISPLAY and xvfb_pid
#   viewable_window NAME    waits for the viewable window with exactly this name, prints its id
#   wait_until S CMD...     runs CMD until it succeeds, for S seconds at most; fails after that
#   holds_for S CMD...      CMD keeps succeeding for S seconds (a thing that must not change)
# The X clients the scripts call (xdotool, xwininfo, xprop, xdpyinfo, import) are patient once
# this is sourced; see x_patiently.

# A busy X server turns a connection away now and then. A client that could not connect is
# run again after a short pause, up to about a second and a half in all, as the game does; any
# other failure is its answer at once.
x_patiently() {
  local pause err status
  for pause in 0.01 0.02 0.04 0.08 0.16 0.25 0.25 0.25 0.25 0.25 last; do
    { err=$("$@" 2>&1 >&3 3>&-); status=$?; } 3>&1
    if [ "$status" -eq 0 ] || [ "$pause" = last ] ||
      ! grep -qiE '(open|connect to) (the )?(display|x server)' <<<"$err"; then
      [ -n "$err" ] && printf '%s\n' "$err" >&2
      return "$status"
    fi
    sleep "$pause"
  done
}
xdotool() { x_patiently command xdotool "$@"; }
xwininfo() { x_patiently command xwininfo "$@"; }
xprop() { x_patiently command xprop "$@"; }
xdpyinfo() { x_patiently command xdpyinfo "$@"; }
import() { x_patiently command import "$@"; }

start_xvfb() {
  local fifo
  fifo=$(mktemp)
  # -noreset: without it the server restarts whenever its last client leaves.
  Xvfb -displayfd 3 -noreset -screen 0 "${1}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fifo" ] && break; sleep 0.1; done
  DISPLAY=:$(head -n 1 "$fifo" | tr -d '\n')
  export DISPLAY
  rm -f "$fifo"
  unset QT_QPA_PLATFORM
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

viewable_window() {
  for _ in $(seq 100); do
    for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
      xwininfo -id "$id" 2>/dev/null | grep -q IsViewable && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  echo "no window named $1" >&2
  return 1
}

wait_until() {
  local end=$((SECONDS + ${1%.*} + 1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.05
  done
}

holds_for() {
  local until_ms=$(($(date +%s%3N) + $(awk "BEGIN { print int($1 * 1000) }")))
  shift
  while [ "$(date +%s%3N)" -lt "$until_ms" ]; do
    "$@" || return 1
    sleep 0.05
  done
}
