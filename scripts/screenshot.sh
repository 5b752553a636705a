#!/bin/sh
# Refreshes docs/main_window.png, the README's picture of the main window: the program from
# BUILD_DIR (default build/) on a bare X server, so it shows the layout's own font and colours.
# Needs xvfb, openbox, xdotool and imagemagick (./test.sh installs them).
set -eu
cd "$(dirname "$0")/.."
program=${1:-build}/app/kivra32
display=:$((90 + $$ % 100))
demo=/tmp/kivra32-screenshot
rm -rf "$demo"
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$demo"' EXIT
mkdir -p "$demo/Downloads/scanner-driver" "$demo/Downloads/fonts"
touch "$demo/Downloads/setup-2.4.zip" "$demo/Downloads/manual.pdf" "$demo/Downloads/notes.txt"
# Where the file came from, as a browser notes it (shown where the file system keeps it).
setfattr -n user.xdg.origin.url -v "https://scanners.example.com/support/drivers/notes.txt" \
    "$demo/Downloads/notes.txt" 2>/dev/null || true
# One file already described, so the picture shows its note.
mkdir -p "$demo/data/Kivra32"
printf '%s\r\n' "$demo/Downloads/manual.pdf - User manual of the scanner" >"$demo/data/Kivra32/KVtemp.dat"

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp & xvfb=$!
sleep 1
DISPLAY=$display openbox & wm=$!
sleep 1
cd "$demo/Downloads"
env -u XDG_CURRENT_DESKTOP -u QT_QPA_PLATFORMTHEME DISPLAY=$display QT_QPA_PLATFORM=xcb \
    XDG_DATA_HOME="$demo/data" XDG_CONFIG_HOME="$demo/config" "$OLDPWD/$program" & app=$!
window=""
for _ in $(seq 50); do
    window=$(DISPLAY=$display xdotool search --name '^Kivra/32$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
done
# A file picked and its description half typed.
DISPLAY=$display xdotool mousemove --window "$window" 250 84 click 1
sleep 0.5
DISPLAY=$display xdotool type --delay 20 "Driver of the flatbed scanner, version 2.4"
sleep 0.5
DISPLAY=$display import -window "$window" -frame "$OLDPWD/docs/main_window.png"
kill $app
echo "wrote docs/main_window.png"
