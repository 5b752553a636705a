#!/bin/sh
# Runs a test program as a client of weston, a real Wayland compositor, started headless for it
# alone: its own runtime directory (mode 0700) and socket, no X display to fall back on.
# Usage: under_weston.sh PROGRAM [ARGS...]; exits 77 where weston is not installed.
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
runtime=$(mktemp -d) && chmod 700 "$runtime" || exit 1
socket=kivra-test-$$
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket=$socket --idle-time=0 \
    --width=1280 --height=1024 >/dev/null 2>&1 &
weston=$!
for _ in $(seq 100); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
# A headless weston has no seat, and Qt's Wayland input method then fails on the first text
# cursor it draws (a file dialog's name box).
env -u DISPLAY QT_IM_MODULE=none XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
rc=$?
kill $weston && rm -rf "$runtime"
exit $rc
