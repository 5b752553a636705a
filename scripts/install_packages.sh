#!/bin/sh
# Installs the Debian packages that are missing. Usage: install_packages.sh run|test
set -eu

build="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libfontconfig-dev libicu-dev pkg-config go-md2man"
case "${1:-test}" in
    run) wanted="$build qt6-translations-l10n fonts-liberation2 fonts-dejavu-core qt6-wayland" ;;
    # The program needs no private Qt headers; the Wayland test talks to the compositor through them.
    test) wanted="$build qt6-base-private-dev qt6-translations-l10n libgtest-dev googletest libbenchmark-dev g++-mingw-w64-x86-64-posix \
        fonts-liberation2 fonts-dejavu-core qt6-wayland weston python3 xvfb openbox xdotool x11-utils imagemagick libreoffice-writer-nogui \
        clang clang-format lintian desktop-file-utils appstream dpkg-dev at-spi2-core python3-pyatspi dbus-daemon nemo \
        attr wget curl dosfstools" ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing="$missing $package"
done
[ -z "$missing" ] && exit 0

# Only apt-get runs as root: a normal user's build and program stay that user's own.
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null; then
    sudo="sudo"
else
    echo "Missing Debian packages:$missing" >&2
    echo "Install them as root (apt-get install$missing) and run this again." >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# shellcheck disable=SC2086
$sudo apt-get install -y -qq --no-install-recommends $missing
