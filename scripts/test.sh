#!/usr/bin/env bash
# Builds quov with warnings as errors and runs every test (the window tests
# run on Qt's offscreen platform and under Xvfb).
#   scripts/test.sh              the normal build, in build/test
#   scripts/test.sh --sanitize   with AddressSanitizer and UndefinedBehavior-
#                                Sanitizer, in build/sanitize; any report
#                                fails the test that made it
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/test
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOV_WERROR=ON -DQUOV_TEST_HOOKS=ON)
select=()
case "${1:-}" in
  "") ;;
  --sanitize)
    build=build/sanitize
    # Light optimisation and line tables only: quicker to build, and the
    # reports still name the lines.
    options+=(-DQUOV_SANITIZE=ON -DQUOV_BUILD_BENCHMARKS=OFF
              "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1")
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/leaks.supp:print_suppressions=0
    select=(-LE sources)  # checks of the sources alone ran in the normal suite
    ;;
  *) echo "usage: scripts/test.sh [--sanitize]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
cmake -S . -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 600 "${select[@]}"
