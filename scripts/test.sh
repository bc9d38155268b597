#!/usr/bin/env bash
# Builds and runs every test: a normal build, an AddressSanitizer + UndefinedBehaviorSanitizer
# build, a ThreadSanitizer build of the tests that use threads, and a short run of the fuzz
# targets.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

jobs=$(nproc)
run() {
    local dir=$1; shift
    cmake -S . -B "build/$dir" -G Ninja "$@" > /dev/null
    cmake --build "build/$dir" -j "$jobs"
}

echo "== normal build"
run release -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build/release -j "$jobs" --output-on-failure

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
run asan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=address
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/asan -j "$jobs" --output-on-failure

echo "== ThreadSanitizer (threaded tests)"
run tsan -DCMAKE_BUILD_TYPE=Debug -DSANITIZE=thread -DONLY_THREADED=ON
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir build/tsan -j "$jobs" -L threads --output-on-failure
echo "== fuzz targets (libFuzzer), 25 s each"
scripts/fuzz.sh 25
echo "All tests passed."
