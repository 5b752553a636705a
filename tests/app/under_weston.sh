#!/bin/sh
# Runs a test program as a client of weston, a real Wayland compositor, started headless for it
# alone: its own runtime directory and socket, no X display to fall back on.
# Usage: under_weston.sh PROGRAM [ARGS...]; exits 77 where weston is not installed.
set -u
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
runtime=$(mktemp -d) || exit 1
chmod 700 "$runtime"
socket="kivra-test-$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston=$!
tries=0
while [ ! -S "$runtime/$socket" ] && [ $tries -lt 100 ]; do
    kill -0 $weston 2>/dev/null || break
    sleep 0.1
    tries=$((tries + 1))
done
if [ ! -S "$runtime/$socket" ]; then
    echo "weston did not start:"; cat "$runtime/weston.log"
    kill $weston 2>/dev/null; rm -rf "$runtime"; exit 1
fi
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland "$@"
rc=$?
kill $weston
wait $weston 2>/dev/null
rm -rf "$runtime"
exit $rc
