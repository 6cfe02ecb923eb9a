#!/bin/bash
# The real game read through a real accessibility bus: a private D-Bus
# session with the AT-SPI bus of at-spi2-core in it, a virtual X server, the
# game, and a standard AT-SPI client (pyatspi) that finds SPIN as an enabled
# push button, reads the credit, presses INSERT CREDIT through its
# accessibility action and sees the credit grow by 50 dollars. Skipped (77)
# when a tool is missing.
#   atspi_test.sh <quov>
set -u
QUOV=$1
HERE=$(cd "$(dirname "$0")" && pwd)
LAUNCHER=/usr/libexec/at-spi-bus-launcher
PYTHON=/usr/bin/python3  # the system's, which has pyatspi
if [ -z "${ATSPI_INSIDE:-}" ]; then
  for tool in Xvfb dbus-run-session; do
    command -v $tool >/dev/null || { echo "no $tool"; exit 77; }
  done
  [ -x $LAUNCHER ] || { echo "no $LAUNCHER"; exit 77; }
  $PYTHON -c 'import pyatspi' 2>/dev/null || { echo "no pyatspi"; exit 77; }
  exec dbus-run-session -- \
    "$HERE/with_xvfb.sh" 1024x768x24 env ATSPI_INSIDE=1 "$0" "$@"
fi

work=$(mktemp -d)
cleanup() {
  [ -n "${game:-}" ] && kill "$game" 2>/dev/null && wait "$game" 2>/dev/null
  [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null && wait "$bus" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The accessibility bus of this session only.
$LAUNCHER --launch-immediately > "$work/bus.log" 2>&1 &
bus=$!

mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
  PULSE_SERVER=unix:/nonexistent/quov-no-audio-server \
  "$QUOV" > "$work/game.log" 2>&1 &
game=$!

# 5000 cents and a press of INSERT CREDIT: 10000 cents.
$PYTHON "$HERE/atspi_read.py" 'Credit: $ 100'
status=$?
if [ $status -ne 0 ]; then
  echo "--- the game's output"; cat "$work/game.log"
  echo "--- the accessibility bus"; cat "$work/bus.log"
fi
exit $status
