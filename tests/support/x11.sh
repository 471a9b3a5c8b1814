# Shared by the scripts that drive the real program under Xvfb. Source it, then:
#   start_xvfb WxH          a private X server on a display Xvfb picks itself (other tests run
#                           servers of their own); sets DISPLAY and xvfb_pid
#   viewable_window NAME    waits for the viewable window with exactly this name, prints its id

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
