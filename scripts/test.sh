#!/usr/bin/env bash
# Builds quov with warnings as errors and runs every test (the window tests
# run on Qt's offscreen platform and under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOV_WERROR=ON -DQUOV_TEST_HOOKS=ON >/dev/null
cmake --build build/test -j"$(nproc)"
ctest --test-dir build/test --output-on-failure -j"$(nproc)" --timeout 600
