#!/bin/bash
# Prints the sound figures, measured against an audio server of its own.
#   measure_sound.sh <build folder> [latency] [cpu] [session]
build=$1
shift
exec env QT_QPA_PLATFORM=offscreen "$(dirname "$0")/with_audio_server.sh" "$build/tests/qt/quov_sound_measure" "$@"
