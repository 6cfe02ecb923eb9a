#!/bin/bash
# Kills a program that saves the settings store over and over (SIGKILL, at
# 30 moments drawn from a fixed seed, each after the run's first save) and
# checks after each kill that the two files describe one moment and that no
# save the program had seen finish was lost.
#   store_kill_test.sh <store_writer>
set -u
WRITER=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
RANDOM=1009
failures=0
for kill in $(seq 30); do
  # Emptied here, not by the background job's own redirection: on a slow
  # machine the job may start after the wait below has read the last run's file.
  : > "$work/saved"
  "$WRITER" save "$work/quov" >> "$work/saved" &
  pid=$!
  # However slow the machine, the run's first save comes before the kill.
  for _ in $(seq 600); do [ -s "$work/saved" ] && break; sleep 0.05; done
  sleep "0.$(printf '%03d' $((RANDOM % 300)))"
  kill -9 $pid
  wait $pid 2>/dev/null
  finished=$(tail -n 1 "$work/saved")
  count=$("$WRITER" check "$work/quov")
  status=$?
  pending=$(ls -A "$work/quov" | grep -c '\.next$')
  if [ -z "$finished" ]; then
    echo "FAIL kill $kill: no save finished"
    failures=$((failures + 1))
  elif [ $status -ne 0 ]; then
    echo "FAIL kill $kill: the files describe different moments"
    failures=$((failures + 1))
  elif [ "$count" -lt "$finished" ]; then
    echo "FAIL kill $kill: save $finished had finished, the files hold $count"
    failures=$((failures + 1))
  else
    echo "ok   kill $kill: count $count (save $finished had finished), $pending file(s) of an unfinished save"
  fi
done
echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
