#!/bin/sh
# --note, --notes and --find as a script meets them, without a display.
# Usage: script_commands.sh KIVRA32
set -eu
kivra=$1
work=$(mktemp -d)
trap 'kill $window ${server:-} 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work" LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY
log="$XDG_DATA_HOME/Kivra32/KVtemp.dat"
fail() { echo "FAIL: $*"; exit 1; }
mkdir "$work/dl" && cd "$work/dl" && touch setup.tar.gz "$(printf 'caf\351')"

# Twenty notes at once beside a running window: each its own whole line.
QT_QPA_PLATFORM=offscreen "$kivra" & window=$!
notes=
for i in $(seq 20); do "$kivra" --note setup.tar.gz "note $i" & notes="$notes $!"; done
for pid in $notes; do wait "$pid" || fail "a note was refused"; done
[ "$(grep -c "^$work/dl/setup.tar.gz - note [0-9]*$(printf '\r')\$" "$log")" = 20 ] || fail contention
kill $window

"$kivra" --note . "Résumé des pilotes"
"$kivra" --note "$(printf 'caf\351')" "not UTF-8"
grep -q "^$work/dl/ - Résumé des pilotes" "$log" || fail "folder's line"
LC_ALL=C grep -q "$(printf "/caf\351 - not UTF-8\r")" "$log" || fail "the name's own bytes"
[ "$("$kivra" --notes "$(printf 'caf\351')")" = "$work/dl/café - not UTF-8" ] || fail "--notes of a byte name"
[ "$("$kivra" --notes --under .. | wc -l)" = 22 ] || fail "--under"
[ "$("$kivra" --notes . | wc -l)" = 1 ] || fail "--notes of a folder"
[ "$("$kivra" --find RESUME pilote)" = "$work/dl/ - Résumé des pilotes" ] || fail "--find folds"
[ "$("$kivra" -0 --find note | tr -cd '\0' | wc -c)" = 20 ] || fail "-0"

# A download as a script fetches it, from a server of its own, then noted and found again.
mkdir "$work/site" && echo "2025" >"$work/site/tax-2025.pdf"
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/site" 0 >"$work/http" 2>&1 & server=$!
until port=$(sed -n 's/.*port \([0-9]*\).*/\1/p' "$work/http") && [ -n "$port" ]; do sleep 0.1; done
wget --xattr -q "http://127.0.0.1:$port/tax-2025.pdf" && "$kivra" --note tax-2025.pdf "tax return, to sign"
kill $server
tail -n 1 "$log" | grep -q "^$work/dl/tax-2025.pdf - tax return, to sign$(printf '\r')\$" || fail "wget's file"
[ "$("$kivra" --find tax)" = "$work/dl/tax-2025.pdf - tax return, to sign" ] || fail "--find tax"

# Nothing found (in the log, or no log at all), a usage error and a refused folder: statuses 1,
# 1, 2 and 2, words on stderr.
status() { set +e; "$kivra" "$@" >"$work/out" 2>"$work/err"; echo $?; set -e; }
[ "$(status --find nowhere)" = 1 ] && [ ! -s "$work/out" ] || fail "nothing found"
[ "$(export XDG_DATA_HOME="$work/no-log"; status --find tax)" = 1 ] && [ ! -s "$work/err" ] || fail "no log"
[ "$(status --note setup.tar.gz)" = 2 ] && grep -q "needs a file or folder and its description" "$work/err" || fail usage
export XDG_DATA_HOME="$work/$(printf '\377')"
[ "$(status --note setup.tar.gz x)" = 2 ] && grep -q "is not valid UTF-8" "$work/err" && grep -q "This entry was not saved" "$work/err" || fail "refused folder"
[ "$(status --find tax)" = 2 ] && grep -q "is not valid UTF-8" "$work/err" || fail "refused folder, --find"
echo "script commands pass"
