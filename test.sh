#!/bin/sh
# Installs what is missing, builds into build/ and runs every test.
set -eu
cd "$(dirname "$0")"
./scripts/install_packages.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
