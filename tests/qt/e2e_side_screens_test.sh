#!/bin/bash
# Drives the real program's side screens under a virtual X server: OPTIONS
# opens, a name full of settings-file marks is typed with the keyboard and
# Enter, OK returns to the cabinet, which spins; PAYTABLE opens and its
# window's close control returns to the cabinet, which spins again; ABOUT
# opens and its RETURN TO GAME button leads back to the cabinet; F1 opens the
# help and Escape closes it; the cabinet spins
# a third time; the cabinet's close request then ends the game. The settings
# file must hold the three spins, and the next start must greet the player by the name exactly
# as typed. Each spin's draws are forced (a test
# build reads them from QUOV_TEST_DRAWS): no jackpot time, stops that lose on
# all 25 lines, and the payout throttle's draw.
#   e2e_side_screens_test.sh <quov> <close_window>
set -u
QUOV=$1
CLOSE=$2
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env E2E_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
failures=0
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
value() {  # value <key>
  sed -n "s/^$1=//p" "$work/cfg/quov/quovslot.ini" | head -1
}
# wait_for <what> <command...>: polls the command for up to 10 s.
wait_for() {
  local what=$1; shift
  for _ in $(seq 100); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "FAIL waiting for $what"; failures=$((failures + 1)); return 1
}
visible() { xdotool search --onlyvisible --name "$1" | head -1; }
shown() { [ -n "$(visible "$1")" ]; }
hidden() { [ -z "$(visible "$1")" ]; }
# click_in <window> <x> <y>: a click at a point of the window, in its pixels.
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.3
}
games_are() { [ "$(value games)" == "$1" ]; }

mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
spin_draws=2,22,8,17,1,1,1
XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" QUOV_TEST_DRAWS=$spin_draws,$spin_draws,$spin_draws \
  "$QUOV" > "$work/log" 2>&1 &
pid=$!
wait_for "the cabinet" shown "Current Player" || exit 1
cabinet=$(visible "Current Player")

# OPTIONS: the centre of btnoptions in the 800 x 600 cabinet.
click_in "$cabinet" 650 489
wait_for "the options" shown "Quov Options" || exit 1
options=$(visible "Quov Options")
# Keys of the keyboard only: xdotool types other letters by remapping a key
# for a moment, which a loaded machine can race (the desktop tests type them
# through an input method instead).
name='a=[;]"\Zoe#1'
click_in "$options" 168 178   # the name box
xdotool type --delay 30 "$name"
xdotool key Return
caption_is() { [ "$(xdotool getwindowname "$cabinet")" == "$1" ]; }
wait_for "the name in the cabinet's caption" caption_is 'Current Player       A=[;]"\ZOE#1'
click_in "$options" 92 222    # OK
wait_for "the options to close" hidden "Quov Options"

xdotool windowfocus --sync "$cabinet" 2>/dev/null
xdotool key space
wait_for "the first spin" games_are 1

# PAYTABLE from the menu, which opens when the pointer is over MENU: the
# centres of btnopenmenu and of mnuviewpaytable inside menupic, in pixels.
click_in "$cabinet" 731 489
click_in "$cabinet" 738 316
wait_for "the pay table" shown "QUOV PAYTABLE" || exit 1
"$CLOSE" "$(visible "QUOV PAYTABLE")"
wait_for "the pay table to close" hidden "QUOV PAYTABLE"
xdotool windowfocus --sync "$cabinet" 2>/dev/null
sleep 0.5
xdotool key space
wait_for "the second spin" games_are 2

# ABOUT from the menu: the centre of the about button inside menupic, then
# the centre of RETURN TO GAME in the about window.
click_in "$cabinet" 731 489
click_in "$cabinet" 738 277
wait_for "the about screen" shown "about quov" || exit 1
click_in "$(visible "about quov")" 220 350
wait_for "the about screen to close" hidden "about quov"
# F1 opens the help over the cabinet; Escape, pressed in it, closes it.
xdotool windowfocus --sync "$cabinet" 2>/dev/null
xdotool key F1
wait_for "the help" shown "quov help" && {
  xdotool windowfocus --sync "$(visible "quov help")" 2>/dev/null
  xdotool key Escape
  wait_for "Escape to close the help" hidden "quov help"
}
xdotool windowfocus --sync "$cabinet" 2>/dev/null
sleep 0.5
xdotool key space
wait_for "the third spin" games_are 3
sleep 1

"$CLOSE" "$cabinet"
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "FAIL the close request did not end the program"; failures=$((failures + 1)); fi
wait $pid 2>/dev/null
pid=""
check "games" 3 "$(value games)"
check "bank" 4925 "$(value bank)"
# The next start reads the name back from the file.
XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" "$QUOV" >> "$work/log" 2>&1 &
pid=$!
wait_for "the cabinet again" shown "Current Player" && \
  check "the name read back" "Current Player       $name" "$(xdotool getwindowname "$(visible "Current Player")")"
"$CLOSE" "$(visible "Current Player")"
wait $pid 2>/dev/null
pid=""
if [ -s "$work/log" ]; then
  echo "--- the game's output"
  cat "$work/log"
  echo "---"
fi
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ] || exit 1
exit 0
