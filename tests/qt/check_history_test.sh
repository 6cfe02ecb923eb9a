#!/bin/bash
# `quov --check-history` on the real program: a history that is not there is
# reported with a non-zero status and never created; a history the game
# wrote (the game started on Qt's offscreen platform and ended by SIGTERM)
# is sound; records the history missed, as a slot keeps them, or a damaged
# file give a non-zero status. No check leaves a file behind.
#   check_history_test.sh <quov>
set -u
QUOV=$1
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill -9 $pid 2>/dev/null; rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
export XDG_CONFIG_HOME="$work/cfg" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export QT_QPA_PLATFORM=offscreen
history="$work/data/io.quov.Quov/history.sqlite"
files() { find "$work/data" -type f 2>/dev/null | sort | tr '\n' ' '; }
check_status() { "$QUOV" --check-history > "$work/out" 2>&1; echo $?; }

echo "--- no history"
mkdir -p "$work/data"
[ "$(check_status)" -ne 0 ] && echo "ok   non-zero status" || fail "a missing history passed the check"
check "files after the check" "" "$(files)"

echo "--- a history the game wrote"
mkdir -p "$work/cfg/quov"
printf '[player1]\nbank=5000\n' > "$work/cfg/quov/quovslot.ini"
"$QUOV" > "$work/log" 2>&1 &
pid=$!
for _ in $(seq 600); do [ -f "$history" ] && break; sleep 0.1; done
[ -f "$history" ] || fail "the game made no history"
kill -TERM "$pid"
wait "$pid"
check "the game's exit status after SIGTERM" 0 $?
pid=""
before=$(files)
check "status" 0 "$(check_status)"
grep -q '^sound$' "$work/out" || fail "not sound: $(cat "$work/out")"
check "files after the check" "$before" "$(files)"

echo "--- records the history missed"
printf '[player1]\nbank=5000\n[player3]\nhistorymissed=3\n' > "$work/cfg/quov/quovslot.ini"
check "status" 1 "$(check_status)"
grep -q 'missed by the history: 3' "$work/out" || fail "the missed records not told: $(cat "$work/out")"
printf '[player1]\nbank=5000\nhistorymissed=x\n' > "$work/cfg/quov/quovslot.ini"
check "status with a count that cannot be read" 1 "$(check_status)"
printf '[player1]\nbank=5000\nhistorymissed=0\n' > "$work/cfg/quov/quovslot.ini"
check "status with nothing missed" 0 "$(check_status)"

echo "--- a damaged history"
printf 'not a database at all' | dd of="$history" bs=1 seek=0 conv=notrunc 2>/dev/null
check "status" 1 "$(check_status)"
check "files after the check" "$before" "$(files)"

if [ $failures -ne 0 ] && [ -s "$work/log" ]; then echo "--- the game's output"; cat "$work/log"; fi
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
