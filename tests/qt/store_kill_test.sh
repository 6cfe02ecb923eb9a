#!/bin/bash
# Kills a program that saves the settings store over and over (SIGKILL, at
# 30 moments drawn from a fixed seed) and checks after each kill that the two
# files describe one moment and that no save that had finished was lost.
#   store_kill_test.sh <store_writer>
set -u
WRITER=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
RANDOM=1009
failures=0
last=0
for kill in $(seq 30); do
  "$WRITER" save "$work/quov" &
  pid=$!
  sleep "0.$(printf '%03d' $((50 + RANDOM % 450)))"
  kill -9 $pid
  wait $pid 2>/dev/null
  count=$("$WRITER" check "$work/quov")
  status=$?
  pending=$(ls -A "$work/quov" | grep -c '\.next$')
  if [ $status -ne 0 ]; then
    echo "FAIL kill $kill: the files describe different moments"
    failures=$((failures + 1))
  elif [ -z "$count" ] || [ "$count" -lt "$last" ]; then
    echo "FAIL kill $kill: the count went from $last back to '$count'"
    failures=$((failures + 1))
  else
    echo "ok   kill $kill: count $count, $pending file(s) of an unfinished save"
    last=$count
  fi
done
[ "$last" -gt 0 ] || { echo "FAIL nothing was ever saved"; failures=$((failures + 1)); }
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
