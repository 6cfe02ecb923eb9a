#!/bin/bash
# `quov --chart` on the real program, with no display: after 300 autoplay
# presses each chart is an SVG drawing that parses and holds its series, the
# meters it prints are those `quov --check-history` prints, and the return
# chart's title gives the return the check measured. A PNG is written by
# its name; a missing history, a wrong chart or slot are refused.
#   chart_command_test.sh <quov> <quov_autoplay_history>
set -u
QUOV=$1
MAKE_HISTORY=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
export XDG_CONFIG_HOME="$work/cfg" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
quov() { "$QUOV" "$@" >"$work/out" 2>"$work/err"; echo $?; }

echo "--- no history"
check "status" 1 "$(quov --chart return "$work/none.svg")"
[ -e "$work/none.svg" ] && fail "a drawing without a history"

echo "--- after 300 autoplay presses"
mkdir -p "$work/data/io.quov.Quov"
"$MAKE_HISTORY" "$work/data/io.quov.Quov/history.sqlite" 300 4 11 || fail "no history made"
"$QUOV" --check-history >"$work/check" 2>&1
meters=$(grep '^money in ' "$work/check")
measured=$(grep '^measured return ' "$work/check")
[ -n "$meters" ] || fail "no meters from the check: $(cat "$work/check")"

# The names each drawing must hold, as its series' legend shows them.
declare -A series=(
  [return]="returned|expected|returned with jackpots|expected with jackpots|range expected by chance"
  [credit]="credit|insertion|jackpot prize|free-spin series"
  [wins]="seen|expected by the rules"
)
for kind in return credit wins; do
  check "$kind status" 0 "$(quov --chart $kind "$work/$kind.svg")"
  check "$kind meters" "$meters" "$(grep '^money in ' "$work/out")"
  python3 - "$work/$kind.svg" "${series[$kind]}" <<'PY' || fail "$kind drawing"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
texts = {"".join(t.itertext()).strip() for t in root.iter() if t.tag.endswith("text")}
missing = [name for name in sys.argv[2].split("|") if name not in texts]
paths = sum(1 for t in root.iter() if t.tag.endswith("path") or t.tag.endswith("polyline"))
if missing or paths < 3:
    print("missing", missing, "paths", paths, "texts", sorted(texts)[:40])
    sys.exit(1)
PY
done
check "measured return" "$measured" "$(grep '^measured return ' "$work/out")"
quov --chart return "$work/return.svg" >/dev/null
games=$(grep -o 'games [0-9]*$' "$work/check" | grep -o '[0-9]*')
percent=$(echo "$measured" | grep -o '[0-9.]*%' | tr -d '%')
title=$(python3 -c "
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
print([''.join(t.itertext()).strip() for t in root.iter() if t.tag.endswith('title')][0])" "$work/return.svg")
case "$title" in
  "Return over $games games: "*) echo "ok   the drawing's title counts $games games" ;;
  *) fail "title '$title' does not count $games games" ;;
esac
# The chart gives the return without jackpots to a tenth; the check's with
# them to a hundredth: the words under the chart name which it is.
grep -q 'your return\|Your return' "$work/out" || fail "no words: $(cat "$work/out")"

echo "--- the summaries the game keeps beside the records"
history="$work/data/io.quov.Quov/history.sqlite"
summaries=$(grep '^summaries ' "$work/check")
case "$summaries" in
  "summaries "[1-9]*", disagreeing with the records 0") echo "ok   $summaries" ;;
  *) fail "the summaries not checked: $(cat "$work/check")" ;;
esac
check "the check" "sound" "$(tail -n 1 "$work/check")"
cp "$history" "$work/kept.sqlite"
# One number of one summary changed (the block's money in, its sixth), as a
# damaged file or a foreign writer would leave it.
sqlite3 "$history" "UPDATE summary SET figures = (SELECT group_concat(CASE WHEN key = 5 THEN value + 1 ELSE value END, ' ')
  FROM json_each('[' || replace(figures, ' ', ',') || ']')) WHERE slot = 1 AND block = 0" 2>"$work/err" ||
  fail "the summary could not be changed: $(cat "$work/err")"
"$QUOV" --check-history >"$work/check2" 2>&1
check "the check of a changed summary" "FAULTS FOUND" "$(tail -n 1 "$work/check2")"
grep -q ', disagreeing with the records 1$' "$work/check2" || fail "not found: $(cat "$work/check2")"
sqlite3 "$history" "DELETE FROM summary WHERE slot = 1 AND block = 0" 2>"$work/err"
"$QUOV" --check-history >"$work/check2" 2>&1
check "the check of a lost summary" "FAULTS FOUND" "$(tail -n 1 "$work/check2")"
cp "$work/kept.sqlite" "$history"

echo "--- a picture, another slot, refusals"
check "png status" 0 "$(quov --chart wins "$work/wins.png")"
check "png signature" "PNG" "$(head -c 4 "$work/wins.png" | tail -c 3)"
check "slot 2 status" 0 "$(quov --chart credit "$work/slot2.svg" --slot 2)"
check "slot 2 games" "money in 0, money played 0, money won 0, jackpots paid 0, games 0" \
  "$(grep '^money in ' "$work/out")"
check "a wrong chart" 2 "$(quov --chart colour "$work/x.svg")"
check "slot 7" 2 "$(quov --chart return "$work/x.svg" --slot 7)"
check "no file" 2 "$(quov --chart return)"
check "a folder that is not there" 1 "$(quov --chart return "$work/no/such/x.svg")"
[ -e "$work/x.svg" ] && fail "a refused command wrote a drawing"

echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
