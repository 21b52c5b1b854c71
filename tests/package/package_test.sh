#!/usr/bin/env bash
# The Debian package, as a machine's users meet it: builds it, checks it with lintian,
# desktop-file-validate and appstreamcli, installs it with apt-get, then two ordinary users
# play the installed game at once under Xvfb (each must reach the game screen, with base.dat
# in their own data directory and never in the read-only /usr), a second start by one of them
# gives way to the running game, and removing the package leaves none of its files behind.
# Installs packages and adds users, so it runs only as root; otherwise it says so and passes.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "$(id -u)" -ne 0 ]; then
  echo "package test skipped: it installs the package and adds users, so it needs root"
  exit 0
fi
source scripts/deps.sh
kvizar_install_packages lintian desktop-file-utils appstream xvfb xdotool procps passwd

deb="$(packaging/deb.sh | tail -n 1)"
echo "package: $deb"
lintian --allow-root --fail-on error "$deb"
apt-get install -y -qq "$deb" >/dev/null
desktop-file-validate /usr/share/applications/ru.kvizar.Kvizar.desktop
appstreamcli validate --no-net /usr/share/metainfo/ru.kvizar.Kvizar.metainfo.xml
mapfile -t installed < <(dpkg -L kvizar)

users=(kvizar-test-a kvizar-test-b)
pids=()
display=":$((200 + RANDOM % 100))"
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for u in "${users[@]}"; do
    pkill -u "$u" 2>/dev/null || true
    userdel -r "$u" >/dev/null 2>&1 || true
    rm -rf "/tmp/run-$u"
  done
}
trap cleanup EXIT
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -ac >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do DISPLAY="$display" xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"

fail() { echo "package test: $*" >&2; exit 1; }
# The first window of user $1's game named exactly $2, waited for up to ten seconds.
window_of() {
  for _ in $(seq 100); do
    local w="" pid
    pid="$(pgrep -u "$1" -x kvizar | head -n 1)" || true
    [ -n "$pid" ] && w="$(xdotool search --onlyvisible --pid "$pid" --name "^$2\$" 2>/dev/null | head -n 1)" || true
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
# Runs a command as user $1, in a clean environment like a desktop session's.
as() { local user="$1"; shift; runuser -u "$user" -- env -i DISPLAY="$display" HOME="/home/$user" \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games XDG_RUNTIME_DIR="/tmp/run-$user" QT_QPA_PLATFORM=xcb "$@"; }

for u in "${users[@]}"; do
  userdel -r "$u" >/dev/null 2>&1 || true
  useradd -m "$u"
  rm -rf "/tmp/run-$u"
  install -d -m 0700 -o "$u" "/tmp/run-$u"
  [ "$(runuser -l "$u" -c 'command -v kvizar')" = /usr/games/kvizar ] || fail "kvizar is not on $u's path"
  # Each user starts the game and presses "Начать игру"; the other's game runs meanwhile.
  as "$u" kvizar >"/tmp/run-$u/game.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  start="$(window_of "$u" start)" || fail "$u: no start window; it said: $(cat "/tmp/run-$u/game.log")"
  sleep 1  # the companion writes base.dat meanwhile
  xdotool mousemove --window "$start" 130 228 click 1
  window_of "$u" "Квизар" >/dev/null || fail "$u: no game screen; it said: $(cat "/tmp/run-$u/game.log")"
  [ -s "/home/$u/.local/share/Kvizar/asked.txt" ] || fail "$u: no record of questions asked"
  echo "$u reached the game screen"
done
for u in "${users[@]}"; do pgrep -u "$u" -x kvizar >/dev/null || fail "$u's game ended early"; done
[ ! -e /usr/lib/kvizar/base.dat ] || fail "base.dat was written into /usr/lib/kvizar"

# A second start by the same user gives way to the running game.
said="$(as "${users[0]}" kvizar 2>&1)" || fail "the second start failed: $said"
[[ "$said" == *"уже запущен"* ]] || fail "the second start said: $said"
[ "$(pgrep -u "${users[0]}" -x kvizar | wc -l)" -eq 1 ] || fail "the first game ended, or a second one runs"

for u in "${users[@]}"; do pkill -u "$u" -x kvizar; done
apt-get remove -y -qq kvizar >/dev/null
for f in "${installed[@]}"; do
  [ -f "$f" ] && fail "$f is left behind"
  [ -L "$f" ] && fail "$f is left behind"
done
[ ! -e /usr/lib/kvizar ] || fail "/usr/lib/kvizar is left behind"
echo "package test passed"
