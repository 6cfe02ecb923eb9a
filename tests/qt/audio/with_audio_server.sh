#!/bin/bash
# Runs a command against a PulseAudio server of its own: a null sink named
# quovtest (its monitor quovtest.monitor records what plays), a private
# runtime folder and socket, so a user's own server is never touched. The
# server ends with the command. Exit 77 (skipped) when PulseAudio is missing.
#   with_audio_server.sh <command> [arguments]
set -u
command -v pulseaudio >/dev/null && command -v pactl >/dev/null && command -v parec >/dev/null ||
  { echo "no pulseaudio/pactl/parec"; exit 77; }
runtime=$(mktemp -d)
chmod 700 "$runtime"
export HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
export PULSE_SERVER="unix:$runtime/pulse/native"
printf 'autospawn = no\n' > "$runtime/client.conf"
export PULSE_CLIENTCONFIG="$runtime/client.conf"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$runtime/server.log" \
  -L "module-null-sink sink_name=quovtest rate=44100 channels=2" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$runtime/pulse/native" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 100); do
  pactl info >/dev/null 2>&1 && break
  sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
  echo "the audio server did not start:"
  cat "$runtime/server.log"
  exit 1
fi
"$@"
