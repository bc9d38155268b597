#!/usr/bin/env bash
# Builds the project and runs its main program, the host tirel_host: interactive when standard
# input and output are a terminal, otherwise the demonstration script, which drives each of the
# module's dialogs as a user would and prints what the screen shows. Arguments go to tirel_host
# (e.g. --script FILE to run a script of your own).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/release -j "$(nproc)"
if [ $# -gt 0 ] || { [ -t 0 ] && [ -t 1 ]; }; then
    exec build/release/bin/tirel_host --enterprise "$@"
fi
exec build/release/bin/tirel_host --enterprise --size 110x40 --script host/terminal_host/demo.script
