#!/usr/bin/env bash
# What a screen reader hears of the real game: the game under Xvfb with its accessibility
# bridge on, on a session bus of its own with the AT-SPI registry, read with pyatspi. The
# companion is replaced by one that writes a known base.dat, so the question and answers are
# known; the game is played with the keyboard (Enter, Enter).
#   tests/a11y/atspi_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "${1:?usage: atspi_test.sh BUILD_DIR}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${KVIZAR_IN_SESSION:-}" ]; then
  for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "atspi_test: $tool is missing" >&2; exit 1; }
  done
  exec env KVIZAR_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

source "$here/../support/session.sh"
fail() { echo "atspi_test: $*" >&2; [ -f "$work/tree" ] && cat "$work/tree" >&2; exit 1; }

# The program directory with a companion that always writes the same game.
cp -r "$build/kvizar" "$work/program"
"$build/kvizar/base" encode "$build/kvizar/bank.txt" --seed 11 -o "$work/known.dat"
"$build/kvizar/base" decode "$work/known.dat" >"$work/known.txt"
printf '#!/bin/sh\ncp "%s" "$(dirname "$0")/base.dat"\n' "$work/known.dat" >"$work/program/base"
chmod +x "$work/program/base"
question="$(sed -n '1s/^1\. \[[A-Z]*\] //p' "$work/known.txt")"
[ -n "$question" ] || fail "no question in: $(head -3 "$work/known.txt")"

start_xvfb 100
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$work/program/Kvizar" >"$work/game.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool search --name '^start$' >/dev/null 2>&1 && break; sleep 0.1; done
xdotool mousemove 100 100 key Return
sleep 1
/usr/bin/python3 "$here/tree.py" 10 >"$work/tree" || fail "no tree"
grep -qx 'label|Итак приступим к завоеванию миллиона. Вы готовы? Тогда||' "$work/tree" || fail "the host's greeting is not in the tree"
grep -q '^push button|начинаем!|' "$work/tree" || fail "no button «начинаем!»"

xdotool mousemove 600 500 key Return
sleep 6.5
/usr/bin/python3 "$here/tree.py" 10 >"$work/tree" || fail "no tree"
grep -qxF "label|$question||" "$work/tree" || fail "the question «$question» is not in the tree"
for letter in A B C D; do
  grep -qE "^push button\|[^|]+\|Вариант $letter\|" "$work/tree" || fail "no answer $letter"
done
while IFS= read -r answer; do
  grep -qF "push button|$answer|" "$work/tree" || fail "the answer «$answer» is not in the tree"
done < <(sed -n '2,5s/^ *[-+] //p' "$work/known.txt")
grep -qE '^progress bar\|Оставшееся время\|\|[1-9][0-9]*$' "$work/tree" || fail "no clock with its seconds"
[ -n "${KVIZAR_SHOW_TREE:-}" ] && cat "$work/tree"
echo "atspi test passed: the question, its four answers, the host's line and the clock are in the tree"
