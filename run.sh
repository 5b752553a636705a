#!/bin/sh
# Installs what is missing (through sudo when not root), builds the program (without tests) into
# build-app/ as the user who runs it, and starts it.
set -eu
cd "$(dirname "$0")"
./scripts/install_packages.sh run
cmake -S . -B build-app -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKIVRA_BUILD_TESTS=OFF -DKIVRA_BUILD_BENCH=OFF
cmake --build build-app --target kivra32
exec ./build-app/app/kivra32 "$@"
