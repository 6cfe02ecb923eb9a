#!/bin/bash
# A free-spin series survives SIGKILL. The real program plays an autoplay
# session under a virtual X server, starting with a free-spin series (its
# first spin's draws are forced: a test build reads them from
# QUOV_TEST_DRAWS), and is killed with SIGKILL at a moment drawn from a
# seeded sequence, then started again, over and over. The moments are
# counted from what the game has done, not from the clock: a test build
# announces each outcome booked, and a kill comes a drawn time after the
# 0th, 1st or 2nd booking of its run, so a slow machine meets the same
# moments of play as a quick one. A restart that finds a
# series in the records lets it play on; a series that waits for its collect
# gets it (the COLLECT button), then autoplay goes on. After every kill
# records_check compares the settings files with the history: both files
# from one moment, the money identity (credit + a series waiting for its
# collect = 5000 + money in - bets + total won + meter prizes + bet-multiple
# prizes), and no game lost but the one in progress. At the end the series
# has been collected and the identity holds with nothing waiting. The
# game's output is kept, and a sanitizer report in it fails the test.
#   series_kill_test.sh <quov> <records_check> [kills, 30 by default]
set -u
QUOV=$1
CHECK=$2
KILLS=${3:-30}
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env E2E_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work" 2>/dev/null' EXIT
cfg=$work/cfg/quov
history=$work/data/io.quov.Quov/history.sqlite
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
value() { sed -n "s/^$1=//p" "$cfg/quovslot.ini" 2>/dev/null | head -1; }
series_kept() { local g; g=$(value freespinsgiven); [ -n "$g" ] && [ "$g" != 0 ]; }
# Window points of the AUTO button and of COLLECT (which stands over BET's
# half of the control bar, never over GAMBLE).
AUTO=(588 559)
COLLECT=(330 559)
# No jackpot time; three scatters and no wild; the payout setting lets the
# win stand.
TRIGGER=2,10,9,5,15,6,1

mkdir -p "$cfg"
: > "$work/log"
# The fastest reels, and the autoplay notice already shown (its message box
# would stop the session).
printf '[player1]\nbank=5000\nreelspeed=1\n[notice]\nautoplay=-1\n' > "$cfg/quovslot.ini"

# Starts the game (with the forced draws `$1`, if any) and waits for its
# window; false when none came.
start_game() {
  local tries
  for tries in 1 2 3; do
    env XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
      ${1:+QUOV_TEST_DRAWS=$1} "$QUOV" >> "$work/log" 2>&1 &
    pid=$!
    win=""
    for _ in $(seq 900); do
      win=$(xdotool search --onlyvisible --name "Current Player" 2>/dev/null | head -1)
      [ -n "$win" ] && return 0
      kill -0 $pid 2>/dev/null || break
      sleep 0.1
    done
    kill -9 $pid 2>/dev/null
    wait $pid 2>/dev/null
    # The virtual server is shared on a busy machine: a start that could not
    # reach the display is made again.
    grep -q 'could not connect to display' "$work/log" || break
    sleep 1
  done
  return 1
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1 >/dev/null 2>&1; }

# Outcomes drawn so far, over every run.
draws_made() { grep -c 'quov-test: outcome drawn' "$work/log" 2>/dev/null || true; }

# Plays on until the game is gone: a series in the records plays by itself
# and is collected once complete; outside one, autoplay is switched on once.
# A window just mapped on a loaded machine may not take the click yet: when
# no outcome has been drawn ten seconds after it, the click is made again.
drive() {
  local auto=0 clicked=0 drawn
  sleep 0.3
  while kill -0 $pid 2>/dev/null; do
    if series_kept; then
      if [ "$(value freespinmode)" == 0 ]; then
        click "${COLLECT[@]}"
        # The collect reaches the records at the next tick.
        for _ in $(seq 30); do series_kept || break; sleep 0.1; done
        auto=0
      fi
    elif [ $auto -eq 0 ]; then
      drawn=$(draws_made)
      click "${AUTO[@]}"
      auto=1
      clicked=$SECONDS
    elif [ $((SECONDS - clicked)) -ge 10 ] && [ "$(draws_made)" -eq "$drawn" ]; then
      auto=0
    fi
    sleep 0.1
  done
}

check() {  # check <when>
  local out
  out=$("$CHECK" "$cfg" "$history" "$work/state" 2>&1)
  local status=$?
  echo "$out" | sed "s/^/$1: /"
  [ $status -eq 0 ] || fail "$1: the records and the history disagree"
  echo "$out" | grep -q "last .* lost" && lost=$((lost + 1))
}

# Outcomes booked so far, over every run.
bookings() { grep -c 'quov-test: outcome booked' "$work/log" 2>/dev/null || true; }

sanitizer_reports() {
  grep -qE 'ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:' "$work/log"
}

RANDOM=2031
began=$SECONDS
kept=0        # kills that left a series in the records
resumed=0     # starts that found a series and played it on
triggered=0
lost=0        # kills that cost the game in progress
for k in $(seq "$KILLS"); do
  draws=""
  # Until a series has reached the records, every run starts with one.
  if [ $triggered -eq 0 ] && ! series_kept; then draws=$TRIGGER; fi
  if series_kept; then resumed=$((resumed + 1)); fi
  booked=$(bookings)
  if ! start_game "$draws"; then
    fail "run $k: no window"
    continue
  fi
  # The kill comes 0 to 2.9 seconds after the run's 0th (its window), 1st
  # or 2nd booked outcome, so the kills meet a series' reels, its bookings,
  # its holds and the collect, and ordinary spins alike. A run whose
  # bookings do not come within a minute is killed where it stands.
  after=$((RANDOM % 3))
  tenths=$((RANDOM % 30))
  (
    for _ in $(seq 600); do
      [ "$(bookings)" -ge $((booked + after)) ] && break
      sleep 0.1
    done
    sleep "$((tenths / 10)).$((tenths % 10))"
    kill -9 $pid 2>/dev/null
  ) &
  killer=$!
  drive 2>/dev/null  # and the shell's word on the killed game
  wait $pid 2>/dev/null
  wait $killer 2>/dev/null
  if series_kept; then
    kept=$((kept + 1))
    triggered=1
  fi
  check "kill $k $tenths tenths after booking $after"
done

# The last start plays the series to its collect and ends with SIGTERM.
if series_kept; then resumed=$((resumed + 1)); fi
if start_game ""; then
  (
    for _ in $(seq 1200); do
      sleep 0.1
      series_kept && continue
      # Nothing waits for a collect: two seconds more of play, then the end.
      sleep 2
      break
    done
    kill -TERM $pid 2>/dev/null
  ) &
  ender=$!
  drive 2>/dev/null
  wait $pid 2>/dev/null
  status=$?
  wait $ender 2>/dev/null
  [ $status -eq 0 ] || fail "the last run ended with status $status"
  check "the end"
  series_kept && fail "a series still waits in the records"
else
  fail "the last run: no window"
fi

echo "$KILLS kills in $((SECONDS - began)) s; $kept left a series in the records, $resumed starts played one on, $lost cost the game in progress"
[ $kept -ge 1 ] || fail "no kill came during the series"
[ $resumed -ge 1 ] || fail "no start found a series to play on"
echo "--- the game's output"
cat "$work/log"
echo "---"
sanitizer_reports && fail "a sanitizer reported a fault"
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
