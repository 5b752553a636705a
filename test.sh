#!/bin/sh
# Installs what is missing, builds into build/ and runs every test: first the whole suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer (plus the fuzzers) in build-asan/, then the
# tests whose code uses threads built with ThreadSanitizer in build-tsan/, then the ordinary
# build, whose ctest line closes the run.
set -eu
cd "$(dirname "$0")"
./scripts/install_packages.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DKIVRA_SANITIZE=ON -DKIVRA_BUILD_FUZZERS=ON -DKIVRA_BUILD_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE no_sanitizer

CC=clang CXX=clang++ cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKIVRA_SANITIZE_THREADS=ON -DKIVRA_BUILD_BENCH=OFF
cmake --build build-tsan -j "$jobs" --target main_window_test view_current_test
# ThreadSanitizer stops at a CHECK in the clone() QProcess starts programs with: the two tests
# that run programs are left to the other trees.
TSAN_OPTIONS="halt_on_error=1:suppressions=$PWD/tests/tsan.supp" ctest --test-dir build-tsan \
    --output-on-failure -j "$jobs" -L threads \
    -E 'DownloadsShowWhereTheyCameFrom|RefusalsAndFailuresKeepTheLog'

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKIVRA_BUILD_TESTS=ON -DKIVRA_BUILD_BENCH=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
