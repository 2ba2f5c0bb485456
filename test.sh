#!/usr/bin/env bash
# Installs what is missing, builds Velmora with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
velmora_install_missing

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_TESTS=ON
cmake --build build/test
cd build/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
