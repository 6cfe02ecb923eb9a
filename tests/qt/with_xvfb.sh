#!/bin/bash
# Runs a command under a virtual X server of its own:
#   with_xvfb.sh <width>x<height>x<depth> <command> [args...]
# The server picks a free display itself (-displayfd), so tests started side by
# side never race for one display number as `xvfb-run -a` can; -noreset keeps it
# from resetting each time its last client leaves, which can refuse a client
# that arrives at that moment. The server is stopped and awaited at the end.
set -u
screen=$1
shift
command -v Xvfb >/dev/null || { echo "no Xvfb"; exit 77; }
ready=$(mktemp)
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "$screen" 3>"$ready" 2>"$ready.log" &
server=$!
stop() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -f "$ready" "$ready.log"
}
trap stop EXIT
for _ in $(seq 600); do
  [ -s "$ready" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
display=$(head -1 "$ready")
if [ -z "$display" ]; then
  echo "the virtual X server did not start:"
  cat "$ready.log"
  exit 1
fi
DISPLAY=":$display" "$@"
