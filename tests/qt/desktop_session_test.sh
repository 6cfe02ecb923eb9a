#!/bin/bash
# The game as a desktop player meets it, under a virtual X server (1280 x 1024)
# with a real window manager (openbox):
#   1. a first start opens the window centred, with the application's class
#      and icon; Ctrl+Q ends the game through its shut-down, which writes the
#      records, and the window's place and size are kept;
#   2. the next start opens the window where it was left; F11 and Ctrl+Q keep
#      full screen;
#   3. the next start opens full screen, and Escape returns to the place left;
#   4. at QT_SCALE_FACTOR=2 the first start fits the window, frame included,
#      inside the screen with the cabinet's proportions.
# Every wait is for a condition, with a deadline generous enough for a loaded
# machine; nothing is timed.
#   desktop_session_test.sh <quov>
set -u
QUOV=$1
if [ -z "${SESSION_INSIDE_X:-}" ]; then
  for tool in Xvfb xdotool xprop xwininfo openbox; do
    command -v $tool >/dev/null || { echo "no $tool"; exit 77; }
  done
  exec "$(dirname "$0")/with_xvfb.sh" 1280x1024x24 env SESSION_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
wm=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
# Waits until the command succeeds; false after the deadline.
wait_until() {
  local deadline=$((SECONDS + 60))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}
ini() {  # ini <file> <key>: the first value of the key
  sed -n "s/^$2=//p" "$work/cfg/quov/$1.ini" 2>/dev/null | head -1
}
# The window's inside on the screen: "x y width height".
client() {
  xwininfo -id "$win" 2>/dev/null | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}
# The frame the window manager put round it: "left right top bottom".
extents() {
  xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ','
}
framed() { [ -n "$(extents)" ]; }
client_is() { [ "$(client)" == "$1" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
wait_until wm_running || { echo "FAIL openbox did not start"; cat "$work/openbox.log"; exit 1; }

# start [env...]: starts the game on the kept config folder; sets $pid, $win.
start() {
  env XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" "$@" "$QUOV" >"$work/log" 2>&1 &
  pid=$!
  win=""
  find_window() { win=$(xdotool search --onlyvisible --name "Current Player" 2>/dev/null | head -1); [ -n "$win" ]; }
  wait_until find_window || { fail "no window"; cat "$work/log"; return 1; }
  wait_until framed || { fail "the window manager did not frame the window"; return 1; }
}
key() {
  xdotool windowactivate --sync "$win" >/dev/null 2>&1
  xdotool key "$1"
}
# quit: Ctrl+Q, then the program must end by itself, successfully.
quit() {
  key ctrl+q
  if wait_until ended; then
    wait "$pid"
    check "exit status after Ctrl+Q" 0 $?
  else
    fail "Ctrl+Q did not end the game"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null
  fi
  pid=""
}

echo "--- 1: first start"
mkdir -p "$work/cfg/quov"
start || exit 1
read -r x y w h <<<"$(client)"
read -r fl fr ft fb <<<"$(extents)"
check "first size" "800 600" "$w $h"
# The frame's centre is the screen's, give or take the title bar.
cx=$((x - fl + (fl + w + fr) / 2)); cy=$((y - ft + (ft + h + fb) / 2))
if ((cx < 600 || cx > 680 || cy < 472 || cy > 552)); then fail "not centred: frame centre $cx,$cy"; else echo "ok   centred: frame centre $cx,$cy"; fi
check "window class" '"quov", "io.quov.Quov"' "$(xprop -id "$win" WM_CLASS | sed 's/.*= //')"
xprop -id "$win" _NET_WM_ICON | grep -q "Icon (48 x 48)" && echo "ok   the window has its icon" || fail "no 48 x 48 window icon"
xdotool windowsize "$win" 640 480
xdotool windowmove "$win" 100 150
moved() { read -r mx my mw mh <<<"$(client)"; [ "$mw $mh" == "640 480" ] && ((mx < 200)); }
wait_until moved || fail "the window did not move and resize: $(client)"
left=$(client)
quit
check "records written by the shut-down: machinepay" 4 "$(ini quovslot machinepay)"
check "records written by the shut-down: reelspeed" 1 "$(ini quovslot reelspeed)"
check "kept width" 640 "$(ini window width)"
check "kept height" 480 "$(ini window height)"
check "kept full screen" false "$(ini window fullScreen)"

echo "--- 2: where it was left"
start || exit 1
wait_until client_is "$left" || true
check "place and size" "$left" "$(client)"
key F11
wait_until client_is "0 0 1280 1024" || fail "F11: not full screen: $(client)"
quit
check "kept full screen" true "$(ini window fullScreen)"
check "kept width under full screen" 640 "$(ini window width)"

echo "--- 3: full screen again, Escape leaves it"
start || exit 1
wait_until client_is "0 0 1280 1024" || fail "not full screen: $(client)"
key Escape
wait_until client_is "$left" || true
check "after Escape" "$left" "$(client)"
quit
check "kept full screen" false "$(ini window fullScreen)"

echo "--- 4: scale factor 2"
rm -rf "$work/cfg"
mkdir -p "$work/cfg/quov"
start QT_SCALE_FACTOR=2 || exit 1
read -r x y w h <<<"$(client)"
read -r fl fr ft fb <<<"$(extents)"
echo "     window $w x $h at $x,$y, frame $fl $fr $ft $fb"
if ((x - fl >= 0 && y - ft >= 0 && x + w + fr <= 1280 && y + h + fb <= 1024)); then
  echo "ok   inside the screen, frame included"
else
  fail "the window leaves the screen"
fi
# The cabinet's proportions, 4:3, to a pixel or two.
if ((w * 3 - h * 4 >= -8 && w * 3 - h * 4 <= 8)); then echo "ok   4:3"; else fail "not 4:3: $w x $h"; fi
quit

if [ -s "$work/log" ]; then
  echo "--- the game's output (last run)"
  cat "$work/log"
fi
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
