#!/usr/bin/env bash
# The game's sounds, heard: the real game under Xvfb plays into a PulseAudio null sink whose
# monitor is recorded while the start screen comes up, an answer is pressed and the verdict
# falls. Each sound must be heard within 150 ms of when the game's schedule says, measured
# against the others (so the recorder's own start-up delay cancels out). Needs no sound card,
# no desktop session and no network.
#   tests/sound/sound_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: sound_test.sh BUILD_DIR}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb xdotool pulseaudio pactl parec sox python3; do
  command -v "$tool" >/dev/null || { echo "sound_test: $tool is missing" >&2; exit 1; }
done

source "$here/../support/session.sh"
unset PULSE_SERVER
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  --load=module-native-protocol-unix --load="module-null-sink sink_name=s rate=22050 channels=1" \
  >"$work/pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink s

start_xvfb 90

cp -r "$build/kvizar" "$work/kvizar"
now() { date +%s%3N; }

# A silent stream keeps the sink running, and the recorder takes a while to begin: wait until
# it has recorded a moment of that silence, so the recording misses nothing of the game.
pacat -d s --format=s16le --rate=22050 --channels=1 </dev/zero &
pids+=($!)
parec -d s.monitor --format=s16le --rate=22050 --channels=1 --latency-msec=10 >"$work/rec.raw" &
recorder=$!
pids+=($recorder)
for _ in $(seq 300); do [ "$(stat -c %s "$work/rec.raw")" -gt 8820 ] && break; sleep 0.02; done

launched=$(now)
QT_QPA_PLATFORM=xcb "$work/kvizar/Kvizar" >"$work/game.log" 2>&1 &
pids+=($!)
# The start screen is shown right after the start-up sound is asked for: watch closely for it.
until xdotool search --onlyvisible --name '^start$' >/dev/null 2>&1; do sleep 0.01; done
shown=$(now); echo "sound_test: shown $((shown - launched)) ms after launch"
sleep 1.5
xdotool mousemove 130 228 click 1                      # "Начать игру"
game=$(xdotool search --sync --onlyvisible --name 'Квизар' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$game")"
sleep 0.5
xdotool mousemove $((X + 323)) $((Y + 179)) click 1   # "начинаем!"
sleep 7                                                 # the intro, and question 1 on screen
xdotool mousemove $((X + 124)) $((Y + 368))             # answer A
pressed=$(now); xdotool mousedown 1
sleep 0.3
released=$(now); xdotool mouseup 1
sleep 5                                                 # the verdict comes 3.6 s after the release
kill "$recorder" 2>/dev/null || true
sleep 0.2

sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/rec.raw" "$work/rec.wav"
sox "$work/rec.wav" -n stat 2>&1 | grep -E 'Length|RMS +amplitude' | sed 's/^/sound_test: recording /'
status=0
python3 "$here/onsets.py" "$work/rec.raw" 22050 \
  "start-up sound=0" "press sound=$((pressed - shown))" "verdict sound=$((released + 3600 - shown))" || status=1

# The synchronous request, with a device to play on: it returns once the sound has ended.
QT_QPA_PLATFORM=offscreen "$build/tests/qt/qt_tests" --gtest_filter='SoundPlayer.*' --gtest_brief=1 || status=1
exit "$status"
