#!/bin/sh
# Builds the Release .deb and holds it, its desktop entry, file manager menus and AppStream data to
# Debian's checkers and the file managers' rules. Usage: check_package.sh SOURCE_DIR BUILD_DIR
set -eu
for tool in lintian desktop-file-validate appstreamcli dpkg-shlibdeps python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (./test.sh installs it)"; exit 77; }
done
source=$1 build=$2
launcher=$(command -v ccache || true)
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIVRA_BUILD_TESTS=OFF \
    -DKIVRA_BUILD_BENCH=OFF ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher} >/dev/null
cmake --build "$build"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kivra32_*.deb)
for lang in de fr es; do
    dpkg-deb -c "$deb" | grep -q " ./usr/share/man/$lang/man1/kivra32.1.gz$" ||
        { echo "no manual page in $lang"; exit 1; }
done
desktop-file-validate "$source"/resources/org.example.kivra32.desktop
unpacked=$(mktemp -d) && trap 'rm -rf "$unpacked"' EXIT && dpkg-deb -x "$deb" "$unpacked"
# A KDE service menu is a desktop entry of KDE's own type, which the validator knows only to
# refuse its MimeType and Actions: any other complaint fails.
kde=$unpacked/usr/share/kio/servicemenus/org.example.kivra32.desktop
! desktop-file-validate "$kde" 2>&1 | grep -v -e '"all" is an unregistered media type' \
    -e 'the type is "Service" while this key is only valid for type "Application"' || exit 1
"$(dirname "$0")"/menu_files.py "$unpacked"
# The installed program finds its windows' library: only the windows read this option.
QT_QPA_PLATFORM=offscreen "$unpacked"/usr/bin/kivra32 --no-such-option 2>&1 |
    grep -q "Unknown option 'no-such-option'" || { echo "the windows' library is not found" >&2; exit 1; }
appstreamcli validate --no-net --pedantic "$build"/package-docs/org.example.kivra32.metainfo.xml
# Errors and warnings fail; lintian's pedantic and informational tags only show.
lintian --fail-on error,warning --display-info "$deb"
echo "$deb passes lintian, desktop-file-validate and appstreamcli"
