#!/bin/sh
# Installs the Debian packages Quillomat needs to build, run and test,
# and only those that are missing.
set -eu

packages="cmake g++ make pkg-config
qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
libsdl2-dev libgl-dev
xvfb xauth xdotool imagemagick python3 python3-xlib desktop-file-utils x11-utils
libbenchmark-dev clang libclang-rt-14-dev
dpkg-dev lintian appstream man-db"

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
