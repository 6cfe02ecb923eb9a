#!/bin/bash
# Drives the real program under a virtual X server: a spin started with the
# space bar, then a close request; a second run is killed after its spin. The
# spin's draws are forced (a test build reads them from QUOV_TEST_DRAWS): no
# jackpot time, then stops that lose on all 25 lines. The store must hold
# each spin: games=1, wager=25, total=0, bank=4975. The game's own output is
# shown, and any sanitizer report in it fails the test.
#   e2e_spin_test.sh <quov> <close_window>
set -u
QUOV=$1
CLOSE=$2
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "no xvfb-run/xdotool"; exit 77; }
  exec env E2E_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
value() {  # value <key>
  sed -n "s/^$1=//p" "$work/cfg/quov/quovslot.ini" | head -1
}

# One run of the game: spin, let it settle, then end it by `$1` (close|kill).
run() {
  rm -rf "$work/cfg" "$work/cache"
  mkdir -p "$work/cfg/quov"
  printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
  XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" QUOV_TEST_DRAWS=2,22,8,17,1,1 \
    "$QUOV" > "$work/log" 2>&1 &
  pid=$!
  win=""
  for _ in $(seq 50); do
    win=$(xdotool search --name "Current Player" 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "FAIL no window"; kill -9 $pid; return 1; }
  xdotool windowfocus --sync "$win"
  xdotool key space
  for _ in $(seq 80); do
    [ "$(value games)" == "1" ] && break
    sleep 0.1
  done
  sleep 2  # the win has rolled up and the records are written
  if [ "$1" == close ]; then
    "$CLOSE" "$win"
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "FAIL the close request did not end the program"; failures=$((failures + 1)); kill -9 $pid; fi
  else
    kill -9 $pid
  fi
  wait $pid 2>/dev/null
  check "$1: games" 1 "$(value games)"
  check "$1: wager" 25 "$(value wager)"
  check "$1: total" 0 "$(value total)"
  check "$1: bank" 4975 "$(value bank)"
  if [ -s "$work/log" ]; then
    echo "--- the game's output ($1)"
    cat "$work/log"
    echo "---"
  fi
  if grep -qE 'ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:' "$work/log"; then
    echo "FAIL $1: a sanitizer reported a fault"
    failures=$((failures + 1))
  fi
}

run close
run kill
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ] || exit 1
exit 0
