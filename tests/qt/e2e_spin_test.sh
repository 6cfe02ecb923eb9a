#!/bin/bash
# Drives the real program under a virtual X server: a spin started with the
# space bar, then the program is ended by a close request, SIGTERM or
# SIGKILL. The spin's draws are forced (a test build reads them from
# QUOV_TEST_DRAWS): no jackpot time, then stops that lose on all 25 lines.
# The store must hold the spin: games=1, wager=25, total=0, bank=4975. Every
# end but the kill is a shut-down: exit status 0 and the tune file removed.
# The close starts with a garbage lock file in the store's folder (the save
# goes through at once), and a second SIGTERM run with a named pipe in place
# of allslot.ini (start-up does not block; the pipe is refused and stays). The game's own
# output is shown, and any sanitizer report in it fails the test.
#   e2e_spin_test.sh <quov> <close_window>
set -u
QUOV=$1
CLOSE=$2
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env E2E_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cfg=$work/cfg/quov
failures=0
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
value() {  # value <key> [file]
  sed -n "s/^$1=//p" "$cfg/${2:-quovslot.ini}" 2>/dev/null | head -1
}
kind() {  # what stands at a path
  if [ -p "$1" ]; then echo pipe; elif [ -f "$1" ]; then echo file; elif [ -e "$1" ]; then echo other; else echo none; fi
}
tune() {  # what stands where the tune is written, in the game's cache folder
  local f
  for f in "$work"/cache/*/brelk-video-slots/quovspin.midi; do kind "$f"; done
}

# One run of the game: spin, let it settle, then end it by `$1`
# (close|term|kill); `$2` plants a fault first (lock|pipe).
run() {
  local end=$1 fault=${2:-} name="$1${2:+ with a $2}"
  rm -rf "$work/cfg" "$work/cache"
  mkdir -p "$cfg"
  printf '[player1]\nbank=5000\n' > "$cfg/quovslot.ini"
  case $fault in
    lock) printf 'not a lock\x01\n' > "$cfg/quovslot.ini.lock" ;;
    pipe) mkfifo "$cfg/allslot.ini" ;;
  esac
  XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" QUOV_TEST_DRAWS=2,22,8,17,1,1 \
    "$QUOV" > "$work/log" 2>&1 &
  pid=$!
  win=""
  for _ in $(seq 100); do
    win=$(xdotool search --name "Current Player" 2>/dev/null | head -1)
    [ -n "$win" ] && break
    sleep 0.1
  done
  if [ -z "$win" ]; then
    echo "FAIL $name: no window"
    failures=$((failures + 1))
    kill -9 $pid 2>/dev/null
    wait $pid 2>/dev/null
    show_output
    return
  fi
  check "$name: the tune file while playing" file "$(tune)"
  xdotool windowfocus --sync "$win"
  xdotool key space
  if [ "$fault" == pipe ]; then
    sleep 3  # nothing can be saved: give the spin its time
  else
    for _ in $(seq 80); do
      [ "$(value games)" == "1" ] && break
      sleep 0.1
    done
    sleep 2  # the win has rolled up and the records are written
  fi
  case $end in
    close) "$CLOSE" "$win" ;;
    term) kill -TERM $pid ;;
    kill) kill -9 $pid ;;
  esac
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then
    echo "FAIL $name: the program did not end"
    failures=$((failures + 1))
    kill -9 $pid
  fi
  wait $pid 2>/dev/null
  local status=$?
  if [ "$end" != kill ]; then
    check "$name: exit status" 0 "$status"
    check "$name: the tune file afterwards" none "$(tune)"
  fi
  if [ "$fault" == pipe ]; then
    check "$name: allslot.ini" pipe "$(kind "$cfg/allslot.ini")"
    check "$name: bank (nothing could be saved)" 5000 "$(value bank)"
  else
    check "$name: games" 1 "$(value games)"
    check "$name: wager" 25 "$(value wager)"
    check "$name: total" 0 "$(value total)"
    check "$name: bank" 4975 "$(value bank)"
    check "$name: one generation in both files" "$(value generation)" "$(value generation allslot.ini)"
  fi
  show_output
}

# The game's output of the run `$name`; a sanitizer report in it fails.
show_output() {
  if [ -s "$work/log" ]; then
    echo "--- the game's output ($name)"
    cat "$work/log"
    echo "---"
  fi
  if grep -qE 'ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:' "$work/log"; then
    echo "FAIL $name: a sanitizer reported a fault"
    failures=$((failures + 1))
  fi
}

run close lock
run term
run kill
run term pipe
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ] || exit 1
exit 0
