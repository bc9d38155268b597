#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan + UBSan) in build/fuzz and runs each for
# a while: scripts/fuzz.sh [seconds per target, default 25]. A finding stops the script with the
# failing input saved as build/fuzz/crash-*; rerun it with build/fuzz/bin/<target> <file>.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

seconds=${1:-25}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFUZZ=ON > /dev/null
cmake --build build/fuzz -j "$(nproc)" --target real_parser_fuzz myedit_fuzz

for target in real_parser_fuzz myedit_fuzz; do
    echo "== fuzzing $target for ${seconds} s"
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    # The seeds are copied so that what the fuzzer adds stays in the build folder.
    cp tests/fuzz/seeds/$target/* "$corpus"/
    log=build/fuzz/$target.log
    if ! ASAN_OPTIONS=detect_leaks=0 build/fuzz/bin/$target -max_total_time="$seconds" \
        -max_len=64 -print_final_stats=1 -artifact_prefix=build/fuzz/ "$corpus" > "$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    tail -n 12 "$log"
done
