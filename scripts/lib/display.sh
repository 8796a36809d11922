# One virtual X server for a whole run of Windows programs, when there is no
# display: cheaper than a server per program, and every program sees the
# same screen, 1024 x 768 unless the caller names another size.
started_xvfb=""

start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local size=${1:-1024x768}
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    started_xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    return 0
  done
}

stop_display() {
  if [ -n "$started_xvfb" ]; then
    kill "$started_xvfb" 2>/dev/null || true
    wait "$started_xvfb" 2>/dev/null || true
  fi
}
