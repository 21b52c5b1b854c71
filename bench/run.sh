#!/usr/bin/env bash
# Prints the benchmark figures of the game. Needs a built tree (./run.sh or ./test.sh) and an
# X display; without one it starts Xvfb (package xvfb, with xdotool for the clicks).
#   bench/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
program="$build/kvizar"
cd "$root"

for tool in Xvfb xdotool /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "bench/run.sh needs $tool (apt-get install xvfb xdotool time)" >&2; exit 1; }
done
cmake --build "$build" -j"$(nproc)" --target Kvizar base kvizar-sim bare-window startup-probe timer-drift sounds >/dev/null

work="$(mktemp -d)"
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:97
  sleep 1
fi
cp -r "$program" "$work/kvizar"
cp "$build/bench/startup-probe" "$work/kvizar/"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# Median of repeated runs of a command that ends after its first paint: seconds and peak KB.
measure() {
  local runs=9 times=() mems=()
  for ((i = 0; i < runs; i++)); do
    if ! /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1; then
      echo "bench/run.sh: $* failed" >&2
      exit 1
    fi
    read -r t m < <(tail -n 1 "$work/time")
    times+=("$t"); mems+=("$m")
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
  printf '%s\n' "${mems[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

echo "== Start-up to the first painted start screen, and peak memory (median of 9 runs)"
mapfile -t game < <(measure "$work/kvizar/startup-probe")
mapfile -t bare < <(measure "$build/bench/bare-window")
awk -v gt="${game[0]}" -v gm="${game[1]}" -v bt="${bare[0]}" -v bm="${bare[1]}" 'BEGIN {
  printf "game:        %6.0f ms  %7.1f MiB\n", gt * 1000, gm / 1024
  printf "bare window: %6.0f ms  %7.1f MiB\n", bt * 1000, bm / 1024
  printf "ratio:       %6.2f     %7.2f\n", (bt > 0 ? gt / bt : 0), (bm > 0 ? gm / bm : 0)
}'

echo "== CPU while a question's clock runs (20 s of question 1)"
"$work/kvizar/Kvizar" >/dev/null 2>&1 &
game_pid=$!
sleep 2
xdotool mousemove 130 228 click 1   # "Начать игру" on the start screen at the top-left corner
sleep 1
geometry=$(xdotool search --name 'Квизар' getwindowgeometry --shell | tail -n 5)
eval "$geometry"
xdotool mousemove $((X + 323)) $((Y + 179)) click 1   # "начинаем!"
sleep 7                                               # the intro, and the host reading
ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
before=$(ticks)
sleep 20
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v d=$((after - before)) -v hz="$hz" 'BEGIN { printf "CPU: %.2f %% of one core\n", d / hz / 20 * 100 }'
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

echo "== Simulated whole games per second (kvizar-sim, 200 won games)"
{
  for ((g = 0; g < 200; g++)); do
    echo "click start.continue"; echo "click game.begin"; echo "wait 5600"
    for ((q = 0; q < 15; q++)); do echo "click game.answer(right)"; echo "wait 26000"; done
  done
} >"$work/games.script"
start=$(date +%s%N)
"$work/kvizar/kvizar-sim" "$work/games.script" >"$work/games.out"
end=$(date +%s%N)
won=$(grep -c 'sound /program/true.wav' "$work/games.out" || true)
awk -v ns=$((end - start)) -v won="$won" 'BEGIN { printf "%d right answers; %.1f games per second\n", won, 200 / (ns / 1e9) }'

echo "== The companion writing base.dat"
RUNS=100 "$root/bench/companion.sh" "$work/kvizar"

echo "== Timer drift of a real window over a 25.6-second reveal"
"$build/bench/timer-drift"
