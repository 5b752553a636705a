#!/bin/sh
# Installs what is missing, builds and starts the program.
set -eu
cd "$(dirname "$0")"
./scripts/install_packages.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target kivra32
exec ./build/app/kivra32 "$@"
