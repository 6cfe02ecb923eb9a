#!/usr/bin/env bash
# Builds quov, with everything `cmake --install build/release` installs (the
# icons are rendered as part of the build), and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUOV_BUILD_TESTS=OFF -DQUOV_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/app/quov "$@"
