#!/bin/bash
# The recall on the real program under a virtual X server: a spin with
# forced stops, then the pointer over MENU and a click on LAST GAMES. The
# recall window must draw the five reels exactly as the cabinet showed them
# (pixel digests of each reel window), the history must hold the spin's
# stops and the store its game; RETURN TO GAME gives back a cabinet that
# spins.
#   e2e_recall_test.sh <quov> <close_window> <window_pixels>
set -u
QUOV=$1
CLOSE=$2
PIXELS=$3
if [ -z "${E2E_INSIDE_X:-}" ]; then
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || { echo "no Xvfb/xdotool"; exit 77; }
  exec "$(dirname "$0")/with_xvfb.sh" 1024x768x24 env E2E_INSIDE_X=1 "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
value() { sed -n "s/^$1=//p" "$work/cfg/quov/quovslot.ini" | head -1; }
folders=(XDG_CONFIG_HOME="$work/cfg" XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data")
game() { env "${folders[@]}" "$QUOV" "$@"; }
find_window() {  # find_window <name>
  for _ in $(seq 50); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return; }
    sleep 0.1
  done
}
# The interiors of the five reel windows, in window pixels of the 800 x 600
# design screen.
reel_digests() {  # reel_digests <window>
  for left in 1022 3049 5085 7114 9165; do
    "$PIXELS" "$1" $((left / 15 + 2)) 50 122 370
  done
}

mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\nmachinepay=1\n' > "$work/cfg/quov/quovslot.ini"
env "${folders[@]}" QUOV_TEST_DRAWS=2,22,8,17,1,1,2,22,8,17,1,1 "$QUOV" > "$work/log" 2>&1 &
pid=$!
win=$(find_window "Current Player")
[ -n "$win" ] || { echo "FAIL no window"; kill -9 $pid; exit 1; }
check "window size" "800x600" "$(xdotool getwindowgeometry "$win" | sed -n 's/.*Geometry: //p')"
xdotool windowfocus --sync "$win"
xdotool key space
for _ in $(seq 80); do [ "$(value games)" == "1" ] && break; sleep 0.1; done
check "store: games" 1 "$(value games)"
sleep 1  # the cabinet has drawn the reels at rest
cabinet=$(reel_digests "$win")

# MENU opens the panel on the pointer alone; LAST GAMES opens the recall.
xdotool mousemove --window "$win" 730 489
sleep 0.5
xdotool mousemove --window "$win" 738 436 click 1
recall=$(find_window "QUOV LAST GAMES - RECALL")
if [ -z "$recall" ]; then
  echo "FAIL the recall did not open"
  failures=$((failures + 1))
else
  sleep 1
  shown=$(reel_digests "$recall")
  check "recall: reels as the cabinet showed them" "$cabinet" "$shown"
  [ "$(echo "$shown" | sort -u | wc -l)" -eq 5 ] || { echo "FAIL the recall's reels are not five pictures"; failures=$((failures + 1)); }
  check "history: the last spin" "spin,1,25,1,25,22 8 17 1 1" \
    "$(game --export csv - 2>/dev/null | tail -1 | cut -d, -f3-8)"
  # The main window takes no input: space does not spin.
  xdotool windowfocus "$win" 2>/dev/null; xdotool key space; sleep 0.5
  check "store: no spin while the recall is open" 1 "$(value games)"
  xdotool mousemove --window "$recall" 660 572 click 1
  sleep 0.5
  check "recall closed" "" "$(xdotool search --onlyvisible --name 'QUOV LAST GAMES - RECALL' 2>/dev/null | head -1)"
fi

# The cabinet spins again.
xdotool windowfocus --sync "$win"
xdotool key space
for _ in $(seq 80); do [ "$(value games)" == "2" ] && break; sleep 0.1; done
check "store: games after the recall" 2 "$(value games)"
"$CLOSE" "$win"
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -9 $pid 2>/dev/null
wait $pid 2>/dev/null
check "history: both spins" 2 "$(game --export csv - 2>/dev/null | grep -c ',spin,')"
if [ -s "$work/log" ]; then echo "--- the game's output"; cat "$work/log"; echo "---"; fi
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
