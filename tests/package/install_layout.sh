#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop user gets:
# the program, its menu entry, icon and software-centre metadata, its manual
# page and its copyright notice, and nothing else; and that the desktop entry
# and the metadata pass their validators.
# Usage: install_layout.sh <build dir>
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

id=com.brindlecove.Quillomat
expected="bin/quillomat
share/applications/$id.desktop
share/doc/quillomat/changelog.Debian.gz
share/doc/quillomat/copyright
share/icons/hicolor/scalable/apps/$id.svg
share/man/man1/quillomat.1.gz
share/metainfo/$id.metainfo.xml"
installed=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
if [ "$installed" != "$expected" ]; then
    echo "FAIL: installed files differ"
    echo "expected:"; echo "$expected"
    echo "installed:"; echo "$installed"
    exit 1
fi
desktop-file-validate "$prefix/share/applications/$id.desktop"
grep -qx 'Exec=quillomat' "$prefix/share/applications/$id.desktop"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# The manual page formats without a warning.
warnings=$(man --warnings -l "$prefix/share/man/man1/quillomat.1.gz" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "FAIL: the manual page: $warnings"
    exit 1
fi
echo "PASS: program, menu entry, icon, metadata, manual page and copyright installed"
