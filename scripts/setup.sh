#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing. Sourced by run.sh and test.sh.
set -euo pipefail

packages=(cmake ninja-build g++ clang llvm libgtest-dev libgmock-dev libbenchmark-dev
          libncurses-dev tmux python3 chemical-structures-data)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
