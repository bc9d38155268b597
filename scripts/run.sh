#!/usr/bin/env bash
# Builds the project and runs its main program: the platform demonstration, which opens a
# dialog, drives it as a user would and prints what the screen shows at each step.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/release -j "$(nproc)"
exec build/release/bin/platform_demo "$@"
