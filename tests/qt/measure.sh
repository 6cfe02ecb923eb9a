#!/bin/bash
# Prints the cabinet's figures: in-process timings (offscreen), then the real
# program under a virtual X server: time to a visible window beside a Qt
# hello window's, processor time of the first five seconds, idle CPU over
# ten seconds with the window open, and resident memory.
#   measure.sh <build folder>
set -u
build=$1
if [ -z "${MEASURE_INSIDE_X:-}" ]; then
  QT_QPA_PLATFORM=offscreen "$build/tests/qt/quov_qt_measure"
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env MEASURE_INSIDE_X=1 "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
# Launch to a visible window, in ms: the median of five starts.
first_window() {  # first_window <title> <program>
  local times=() i start pid
  for i in 1 2 3 4 5; do
    start=$(date +%s%N)
    XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
      "$2" > /dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$1" > /dev/null 2>&1; do
      kill -0 $pid 2>/dev/null || { echo "$2 ended without a window" >&2; return 1; }
      sleep 0.002
    done
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
    kill $pid
    wait $pid 2>/dev/null
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 3p
}
echo "launch to visible window (Xvfb, median of 5): game $(first_window "Current Player" "$build/app/quov") ms, Qt hello window $(first_window "Hello window" "$build/tests/qt/quov_hello_window") ms"
XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" "$build/app/quov" > /dev/null 2>&1 &
pid=$!
sleep 5
echo "processor time of the first 5 s: $(awk -v t="$(ticks $pid)" -v hz="$hz" 'BEGIN{printf "%.2f", t / hz}') s"
before=$(ticks $pid)
sleep 10
after=$(ticks $pid)
echo "idle CPU with the window open: $(awk -v t=$((after - before)) -v hz="$hz" 'BEGIN{printf "%.2f", 100 * t / hz / 10}') % of a core"
echo "resident memory: $(awk '/VmRSS/{printf "%.1f MB", $2 / 1024}' "/proc/$pid/status")"
kill $pid
wait $pid 2>/dev/null
