#!/bin/bash
# Every signal ends the real game, whatever is open, under a virtual X
# server: SIGTERM, SIGINT and SIGHUP, each with the offer up (the cabinet
# hidden), the autoplay notice's message box open, and the options, pay
# table, about and recall windows open. Each run spins once (forced losing
# draws), opens one of them, sends the signal and then wants: the program
# gone by itself with status 0, the records saved by the shut-down with
# the one game settled, no spin booked after the signal (the history holds
# one spin, the test build announced one), and the tune file removed.
# Every wait is for a condition with a generous deadline; nothing is timed.
#   e2e_signals_test.sh <quov>
set -u
QUOV=$1
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env E2E_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
# wait_for <what> <command...>: polls the command for up to 30 s.
wait_for() {
  local what=$1; shift
  local deadline=$((SECONDS + 30))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || { fail "waiting for $what"; return 1; }
    sleep 0.1
  done
}
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
shown() { [ -n "$(visible "$1")" ]; }
hidden() { [ -z "$(visible "$1")" ]; }
click_in() {  # click_in <window> <x> <y>, in the window's pixels
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
ended() { ! kill -0 "$pid" 2>/dev/null; }
value() { sed -n "s/^$1=//p" "$run/cfg/quov/quovslot.ini" 2>/dev/null | head -1; }
games_are() { [ "$(value games)" == "$1" ]; }
game() {
  XDG_CONFIG_HOME="$run/cfg" XDG_DATA_HOME="$run/data" XDG_CACHE_HOME="$run/cache" "$QUOV" "$@"
}

# One losing spin: no jackpot time, stops that lose on all 25 lines, the
# payout throttle's draw. Two of them, should one more spin ever start.
draws=2,22,8,17,1,1,1,2,22,8,17,1,1,1

# open <what>: brings up what is to be open when the signal comes.
open_it() {
  case $1 in
    offer) wait_for "the offer" shown "Play for Real Money" && wait_for "the cabinet to hide" hidden "Current Player" ;;
    notice) click_in "$cabinet" 588 559 && wait_for "the autoplay notice" shown "Slots_quov" ;;
    options) click_in "$cabinet" 650 489 && wait_for "the options" shown "Quov Options" ;;
    paytable)
      click_in "$cabinet" 731 489; sleep 0.5; click_in "$cabinet" 738 316
      wait_for "the pay table" shown "QUOV PAYTABLE" ;;
    about)
      click_in "$cabinet" 731 489; sleep 0.5; click_in "$cabinet" 738 277
      wait_for "the about screen" shown "about quov" ;;
    recall)
      click_in "$cabinet" 731 489; sleep 0.5; click_in "$cabinet" 738 436
      wait_for "the recall" shown "QUOV LAST GAMES - RECALL" ;;
  esac
}

for signal in TERM INT HUP; do
  for what in offer notice options paytable about recall; do
    echo "--- SIG$signal with the $what open"
    run="$work/$signal-$what"
    mkdir -p "$run/cfg/quov"
    notice='[notice]\nautoplay=-1\n'
    [ "$what" == notice ] && notice=''
    printf "[player1]\nbank=5000\nreelspeed=1\n$notice" > "$run/cfg/quov/quovslot.ini"
    losses=0
    [ "$what" == offer ] && losses=24
    # A job started by a script ignores SIGINT unless told otherwise, and
    # the game leaves a signal it was started to ignore ignored. A game
    # that could not reach the shared virtual display is started again.
    for attempt in 1 2 3; do
      env --default-signal=INT XDG_CONFIG_HOME="$run/cfg" XDG_DATA_HOME="$run/data" \
        XDG_CACHE_HOME="$run/cache" QUOV_TEST_DRAWS=$draws QUOV_TEST_LOSSES=$losses \
        "$QUOV" > "$run/log" 2>&1 &
      pid=$!
      started() { shown "Current Player" || ended; }
      wait_for "the cabinet" started
      ended && grep -q 'could not connect to display' "$run/log" && { wait "$pid" 2>/dev/null; continue; }
      break
    done
    shown "Current Player" || { fail "no cabinet"; cat "$run/log"; kill -9 "$pid" 2>/dev/null; pid=""; continue; }
    cabinet=$(visible "Current Player")
    xdotool windowfocus --sync "$cabinet" 2>/dev/null
    xdotool key space
    wait_for "the spin" games_are 1
    [ -f "$run/cache/io.quov.Quov/brelk-video-slots/quovspin.midi" ] || fail "no tune file while the game runs"
    open_it "$what"
    kill -s "$signal" "$pid"
    if wait_for "the game to end" ended; then
      wait "$pid"
      check "exit status" 0 $?
    else
      kill -9 "$pid"
      wait "$pid" 2>/dev/null
    fi
    pid=""
    check "games saved" 1 "$(value games)"
    check "credit saved" 4975 "$(value bank)"
    check "payout setting saved by the shut-down" 4 "$(value machinepay)"
    check "outcomes booked" 1 "$(grep -c 'quov-test: outcome booked' "$run/log")"
    check "spins in the history" 1 "$(game --export csv - 2>/dev/null | grep -c ',spin,')"
    check "tune file removed" no "$([ -e "$run/cache/io.quov.Quov/brelk-video-slots/quovspin.midi" ] && echo yes || echo no)"
    [ "$what" == notice ] && check "autoplay never switched on: the notice is still due" "" "$(sed -n 's/^autoplay=//p' "$run/cfg/quov/quovslot.ini")"
  done
done

echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
