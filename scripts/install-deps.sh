#!/usr/bin/env bash
# Installs the Debian packages quov needs to build, run and test. Does
# nothing when they are all present already.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  libfluidsynth-dev fluidr3mono-gm-soundfont libsqlite3-dev sqlite3 libsoxr-dev
  pulseaudio pulseaudio-utils sox
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils libx11-dev openbox
  desktop-file-utils appstream groff-base man-db
  dbus-daemon at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
