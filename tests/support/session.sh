# Sourced by the tests that run the real game: a work directory and a fresh home for the player
# in it, background programs stopped and the directory removed on exit, and an X server.
work="$(mktemp -d)"
pids=()
session_cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap session_cleanup EXIT

export XDG_RUNTIME_DIR="$work/run" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"

# Starts Xvfb on a free-looking display from FIRST to FIRST + 99 and waits until it answers.
start_xvfb() {
  local display=":$(($1 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY="$display"
  for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}
