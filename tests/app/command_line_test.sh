#!/bin/bash
# The game's command line, run with no display at all (DISPLAY,
# WAYLAND_DISPLAY and QT_QPA_PLATFORM unset): --help and --version answer
# and end with 0, a wrong option is refused with 2 before any window system
# is touched (touching one without a display would abort), and Qt's own
# options still reach the window: with -platform offscreen the game starts
# and a SIGTERM ends it with 0. The manual page names every option --help
# prints and renders without a warning.
#   command_line_test.sh <quov> <quov.6> <version>
set -u
QUOV=$1
MANPAGE=$2
VERSION=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
contains() {  # contains <what> <text> <part>
  case "$2" in *"$3"*) echo "ok   $1 holds '$3'" ;; *) fail "$1 lacks '$3': $2" ;; esac
}
quov() {  # quov <args>...: the status, then the output and errors in files
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/cfg" \
    XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" "$QUOV" "$@" >"$work/out" 2>"$work/err"
}

quov --help
check "--help status" 0 $?
help=$(cat "$work/out")
check "--help errors" "" "$(cat "$work/err")"
for option in --export --check-history --help --version -platform -geometry -style \
              quovslot.ini history.sqlite "pretend money"; do
  contains "--help" "$help" "$option"
done
quov -h
check "-h status" 0 $?
check "-h prints the same" "$help" "$(cat "$work/out")"
quov -platform offscreen --help
check "--help after a window option" 0 $?

quov --version
check "--version status" 0 $?
check "--version" "quov $VERSION" "$(cat "$work/out")"

for wrong in --bogus -x play "-platform offscreen --spin" -platform "--export"; do
  # shellcheck disable=SC2086  # the words of one command line
  quov $wrong
  status=$?
  check "'$wrong' status" 2 $status
  check "'$wrong' output" "" "$(cat "$work/out")"
  [ -s "$work/err" ] && echo "ok   '$wrong' says why: $(head -1 "$work/err")" || fail "'$wrong' says nothing"
done
quov --bogus
contains "unknown option message" "$(cat "$work/err")" "unknown option --bogus"
quov -style
contains "option without its value" "$(cat "$work/err")" "-style needs a value"
[ -e "$work/cfg" ] && fail "a refused command line wrote records" || echo "ok   a refused command line writes nothing"

# Qt's options reach the window: the game starts offscreen with a style of
# Qt's own, writes its tune, and ends with 0 on SIGTERM.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/cfg" \
  XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" \
  PULSE_SERVER=unix:/nonexistent/quov-no-audio-server \
  "$QUOV" -platform offscreen -style Fusion >"$work/game.log" 2>&1 &
pid=$!
for _ in $(seq 600); do
  [ -n "$(find "$work/cache" -name '*.midi' 2>/dev/null)" ] && break
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if [ -n "$(find "$work/cache" -name '*.midi' 2>/dev/null)" ]; then
  echo "ok   the game started with -platform offscreen -style Fusion"
  kill -TERM $pid
  wait $pid
  check "game ended by SIGTERM, status" 0 $?
else
  fail "the game did not start with Qt's options: $(cat "$work/game.log")"
  kill -9 $pid 2>/dev/null
fi

# The manual page.
man_text=$(groff -wall -mandoc -Tutf8 -P-cbou "$MANPAGE" 2>"$work/groff")
check "groff -wall warnings" "" "$(cat "$work/groff")"
if command -v lexgrog >/dev/null; then
  check "lexgrog" "$MANPAGE: \"quov - video slot machine played for pretend money\"" "$(lexgrog "$MANPAGE" 2>&1)"
fi
contains "manual page" "$man_text" "quov $VERSION"
for option in $(printf '%s\n' "$help" | grep -oE '(^|[ ,])--?[a-z][a-z-]+' | tr -d ' ,' | sort -u); do
  contains "manual page" "$man_text" "$option"
done

echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
