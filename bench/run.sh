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

# Statistics of numbers on standard input: "median (min–max)" with the given unit and scale.
stats() {
  sort -n | awk -v unit="$1" -v scale="$2" '{ a[NR] = $1 / scale } END {
    printf "%.1f %s (%.1f–%.1f)", a[int((NR + 1) / 2)], unit, a[1], a[NR] }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# A program that prints the time (ns since the epoch) once its first window is painted:
# microseconds from its launch to that moment, once a line for each of `runs` runs.
to_first_paint() {
  for ((i = 0; i < runs; i++)); do
    local launched=${EPOCHREALTIME/./}
    local painted
    painted=$("$@" 2>/dev/null | tail -n 1)
    echo $((painted / 1000 - launched))
  done
}
# Peak resident memory (KiB) of each run.
peak_memory() {
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%M" -o "$work/time" "$@" >/dev/null 2>&1
    tail -n 1 "$work/time"
  done
}

runs=15
echo "== Start-up to the first painted start screen, and peak memory ($runs runs each; median (min–max))"
to_first_paint "$work/kvizar/startup-probe" >"$work/game.start"
to_first_paint "$build/bench/bare-window" >"$work/bare.start"
peak_memory "$work/kvizar/startup-probe" >"$work/game.mem"
peak_memory "$build/bench/bare-window" >"$work/bare.mem"
echo "game:        $(stats ms 1000 <"$work/game.start")   $(stats MiB 1024 <"$work/game.mem")"
echo "bare window: $(stats ms 1000 <"$work/bare.start")   $(stats MiB 1024 <"$work/bare.mem")"
awk -v gt="$(median <"$work/game.start")" -v bt="$(median <"$work/bare.start")" \
    -v gm="$(median <"$work/game.mem")" -v bm="$(median <"$work/bare.mem")" 'BEGIN {
  printf "ratio:       %.2f (start-up; goal 1.15 or less)   %.2f (memory; goal 1.3 or less)\n", gt / bt, gm / bm }'

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
