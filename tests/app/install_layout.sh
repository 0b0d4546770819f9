#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop user gets:
# the program, its menu entry and its icon, and nothing else.
# Usage: install_layout.sh <build dir>
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/quillomat
share/applications/quillomat.desktop
share/icons/hicolor/scalable/apps/quillomat.svg"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    echo "FAIL: installed files differ"
    echo "expected:"; echo "$expected"
    echo "installed:"; echo "$installed"
    exit 1
fi
desktop-file-validate "$prefix/share/applications/quillomat.desktop"
grep -qx 'Exec=quillomat' "$prefix/share/applications/quillomat.desktop"
grep -qx 'Icon=quillomat' "$prefix/share/applications/quillomat.desktop"
echo "PASS: program, menu entry and icon installed"
