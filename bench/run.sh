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

# Statistics of numbers on standard input: "median unit (min–max)" with the given unit, scale
# and decimals (1 unless said).
stats() {
  sort -n | awk -v unit="$1" -v scale="$2" -v d="${3:-1}" '{ a[NR] = $1 / scale } END {
    f = "%." d "f"; printf f " %s (" f "–" f ")", a[int((NR + 1) / 2)], unit, a[1], a[NR] }'
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# A program that prints the time (ns since the epoch) once its first window is painted:
# microseconds from its launch to that moment.
to_first_paint() {
  local launched=${EPOCHREALTIME/./}
  local painted
  painted=$("$@" 2>/dev/null | tail -n 1)
  echo $((painted / 1000 - launched))
}
# Peak resident memory (KiB) of a run.
peak_memory() {
  /usr/bin/time -f "%M" -o "$work/time" "$@" >/dev/null 2>&1
  tail -n 1 "$work/time"
}

runs=21
echo "== Start-up to the first painted start screen, and peak memory ($runs runs each, game and bare window in turn; median (min–max))"
: >"$work/game.start"; : >"$work/bare.start"; : >"$work/game.mem"; : >"$work/bare.mem"
for ((i = 0; i < runs; i++)); do  # in turn, so that the machine's moods fall on both alike
  to_first_paint "$work/kvizar/startup-probe" >>"$work/game.start"
  to_first_paint "$build/bench/bare-window" >>"$work/bare.start"
  peak_memory "$work/kvizar/startup-probe" >>"$work/game.mem"
  peak_memory "$build/bench/bare-window" >>"$work/bare.mem"
done
echo "game:        $(stats ms 1000 <"$work/game.start")   $(stats MiB 1024 <"$work/game.mem")"
echo "bare window: $(stats ms 1000 <"$work/bare.start")   $(stats MiB 1024 <"$work/bare.mem")"
awk -v gt="$(median <"$work/game.start")" -v bt="$(median <"$work/bare.start")" \
    -v gm="$(median <"$work/game.mem")" -v bm="$(median <"$work/bare.mem")" 'BEGIN {
  printf "ratio:       %.2f (start-up; goal 1.15 or less)   %.2f (memory; goal 1.3 or less)\n", gt / bt, gm / bm }'

echo "== CPU while a question's clock runs (question 1: three spans of 6 s; median (min–max); goal 0.3 % or less)"
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
hz=$(getconf CLK_TCK)
for ((i = 0; i < 3; i++)); do
  before=$(ticks)
  sleep 6
  after=$(ticks)
  awk -v d=$((after - before)) -v hz="$hz" 'BEGIN { print d / hz / 6 * 100 * 1000 }'
done >"$work/cpu"
echo "CPU: $(stats % 1000 2 <"$work/cpu") of one core"
kill "$game_pid" 2>/dev/null || true
wait "$game_pid" 2>/dev/null || true
game_pid=""

echo "== Simulated whole games per second (kvizar-sim, 200 won games, three runs; median (min–max); goal 1,000 or more)"
{
  for ((g = 0; g < 200; g++)); do
    echo "click start.continue"; echo "click game.begin"; echo "wait 5600"
    for ((q = 0; q < 15; q++)); do echo "click game.answer(right)"; echo "wait 26000"; done
  done
} >"$work/games.script"
for ((i = 0; i < 3; i++)); do
  start=$(date +%s%N)
  "$work/kvizar/kvizar-sim" "$work/games.script" >"$work/games.out"
  end=$(date +%s%N)
  echo $((200 * 1000000000000 / (end - start)))
done >"$work/sim"
won=$(grep -c 'sound /program/true.wav' "$work/games.out" || true)
echo "$won right answers a run; $(stats "games per second" 1000 <"$work/sim")"

echo "== The companion writing base.dat"
RUNS=100 "$root/bench/companion.sh" "$work/kvizar"

echo "== Timer drift of a real window over a 25.6-second reveal"
"$build/bench/timer-drift"
