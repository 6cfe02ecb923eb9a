#!/bin/bash
# Installs the build into a fresh prefix and checks what a desktop and a
# software centre find there: the program, the launcher, the metainfo, the
# icon at every hicolor size, all under one application id; the help, the
# licence and the manual page; the metainfo's release is the project's
# version, it names the web site the build was given and no other, and its
# screenshots, when the build said where they are published, are the
# project's own (data/screenshots, at the sizes the metainfo states). The
# launcher and the metainfo must pass desktop-file-validate and
# `appstreamcli validate --pedantic` when those tools are installed.
#   install_test.sh <cmake> <build dir> <source dir> <project version> [<web site>]
set -u
CMAKE=$1
BUILD=$2
SOURCE=$3
VERSION=$4
HOMEPAGE=${5:-}
APP_ID=io.quov.Quov

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
check() {  # check <what> <expected> <actual>
  if [ "$2" == "$3" ]; then echo "ok   $1 = $3"; else fail "$1: expected '$2', got '$3'"; fi
}
png_size() {  # the width and height in a PNG's header: "w h"
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

if ! "$CMAKE" --install "$BUILD" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  fail "cmake --install failed"
  cat "$prefix/install.log"
  exit 1
fi

share=$prefix/share
[ -x "$prefix/bin/quov" ] && echo "ok   bin/quov" || fail "no bin/quov"
desktop=$share/applications/$APP_ID.desktop
metainfo=$share/metainfo/$APP_ID.metainfo.xml
for f in "$desktop" "$metainfo" "$share/icons/hicolor/scalable/apps/$APP_ID.svg" "$share/doc/quov/LICENSE" \
         "$share/doc/quov/help.html" "$share/man/man6/quov.6"; do
  [ -f "$f" ] && echo "ok   ${f#"$prefix"/}" || fail "not installed: ${f#"$prefix"/}"
done
for size in 16 24 32 48 64 128 256 512; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  if [ -f "$icon" ]; then
    check "icon ${size}x${size}" "$size $size" "$(png_size "$icon")"
  else
    fail "no ${size}x${size} icon"
  fi
done

# One id everywhere.
check "launcher icon" "$APP_ID" "$(sed -n 's/^Icon=//p' "$desktop")"
check "launcher window class" "$APP_ID" "$(sed -n 's/^StartupWMClass=//p' "$desktop")"
check "metainfo id" "$APP_ID" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")"
check "metainfo launchable" "$APP_ID.desktop" "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"
check "metainfo icon" "$APP_ID" "$(sed -n 's:.*<icon type="stock">\(.*\)</icon>.*:\1:p' "$metainfo")"
check "latest release" "$VERSION" "$(sed -n 's:.*<release version="\([^"]*\)".*:\1:p' "$metainfo" | head -1)"

check "metainfo web site" "$HOMEPAGE" "$(sed -n 's:.*<url type="homepage">\(.*\)</url>.*:\1:p' "$metainfo")"
check "metainfo addresses of other kinds" "" "$(grep -o '<url type="[a-z-]*"' "$metainfo" | grep -v homepage)"

# Each screenshot is one of the project's own, at the size stated.
shots=$(sed -n 's:.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">[^<]*/screenshots/\([^<]*\)</image>.*:\3 \1 \2:p' "$metainfo")
[ -n "$shots" ] || echo "ok   no screenshots (the build was not told where they are published)"
while read -r name w h; do
  [ -z "$name" ] && continue
  shot=$SOURCE/data/screenshots/$name
  if [ -f "$shot" ]; then check "screenshot $name" "$w $h" "$(png_size "$shot")"; else fail "no data/screenshots/$name"; fi
done <<<"$shots"

if command -v desktop-file-validate >/dev/null; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  rc=$?
  check "desktop-file-validate" "0:" "$rc:$out"
else
  echo "skip desktop-file-validate (not installed)"
fi
if command -v appstreamcli >/dev/null; then
  out=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
  rc=$?
  echo "$out" | sed 's/^/     /'
  # The one pedantic hint left is the id's capital Q, which the launcher and
  # every player's desktop already know it by.
  findings=$(echo "$out" | grep -E '^[EWIP]: ' | grep -v "^P: $APP_ID:[0-9]*: cid-contains-uppercase-letter $APP_ID$")
  check "appstreamcli validate --pedantic" "0:" "$rc:$findings"
else
  echo "skip appstreamcli (not installed)"
fi

echo "$((failures == 0 ? 1 : 0)) passed, $((failures == 0 ? 0 : 1)) failed"
[ $failures -eq 0 ]
