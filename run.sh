#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it from the build's program directory.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
velmora_install_missing

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_BUILD_TESTS=OFF
cmake --build build/release
program=build/release/program

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo
    echo "No graphical display was found (DISPLAY is not set), so the Velmora window cannot open here."
    echo "Run ./run.sh from a desktop session to use the program. Meanwhile, a short demo of the same"
    echo "library on the command line ($program/velmora-cli):"
    echo
    demo() { echo "\$ velmora-cli $*"; "$program/velmora-cli" "$@" || true; echo; }
    demo categories
    demo dream --exact 掉牙
    demo dream --like 白蛇
    demo search 昨晚梦见牙掉了
    demo month 2026 12
    demo bone 1990 5 15 8
    exit 0
fi
exec "$program/velmora"
