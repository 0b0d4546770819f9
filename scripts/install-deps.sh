#!/bin/sh
# Installs the Debian packages Quillomat needs, and only those that are
# missing:
#   scripts/install-deps.sh [run|test|fuzz]
# run (the default): what building and running need; test adds the tools of
# the tests and the package checks; fuzz adds clang and its fuzzer runtime.
set -eu

packages="cmake g++ make pkg-config
qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
libsdl2-dev libgl-dev qt6-translations-l10n"
case "${1:-run}" in
run) ;;
test) packages="$packages xvfb xauth xdotool x11-utils python3 python3-xlib openbox xcompmgr
    weston qt6-wayland
    dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi
    libbenchmark-dev dpkg-dev lintian desktop-file-utils appstream man-db" ;;
fuzz) packages="$packages clang libclang-rt-14-dev" ;;
*) echo "usage: $0 [run|test|fuzz]" >&2; exit 2 ;;
esac

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    run=""
else
    run="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$run apt-get update -qq || true
# shellcheck disable=SC2086
$run apt-get install -y --no-install-recommends $missing
