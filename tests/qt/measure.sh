#!/bin/bash
# Prints the cabinet's figures: in-process timings (offscreen), then the real
# program under a virtual X server: time to a visible window, idle CPU over
# ten seconds with the window open, and resident memory.
#   measure.sh <build folder>
set -u
build=$1
if [ -z "${MEASURE_INSIDE_X:-}" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tests/qt/quov_qt_measure"
  exec env MEASURE_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
start=$(date +%s%N)
XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" "$build/app/quov" > /dev/null 2>&1 &
pid=$!
until xdotool search --onlyvisible --name "Current Player" > /dev/null 2>&1; do sleep 0.005; done
echo "launch to visible window (Xvfb): $(( ($(date +%s%N) - start) / 1000000 )) ms"
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
echo "idle CPU with the window open: $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN{printf "%.2f", 100 * t / hz / 10}') % of a core"
echo "resident memory: $(awk '/VmRSS/{printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
kill $pid
wait $pid 2>/dev/null
