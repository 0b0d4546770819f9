#!/bin/sh
# Builds the Debian package from the build tree and checks it as a user's
# system would take it: its name, its files, the libraries it depends on,
# lintian's verdict; then unpacks it into a scratch root and starts that
# program, which must show its window and end with status 0 on SIGTERM.
# Usage (under an X server): check_package.sh <build dir>
set -u
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    fail "cpack did not build the package"
    exit 1
fi
package=$work/out/quillomat_1.0-1_$(dpkg --print-architecture).deb
[ -f "$package" ] || { fail "no $(basename "$package"): $(ls "$work/out")"; exit 1; }
echo "package: $(basename "$package"), $(stat -c %s "$package") bytes"

files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sort)
expected="./usr/bin/quillomat
./usr/share/applications/com.brindlecove.Quillomat.desktop
./usr/share/doc/quillomat/changelog.Debian.gz
./usr/share/doc/quillomat/copyright
./usr/share/icons/hicolor/scalable/apps/com.brindlecove.Quillomat.svg
./usr/share/man/man1/quillomat.1.gz
./usr/share/metainfo/com.brindlecove.Quillomat.metainfo.xml"
[ "$files" = "$expected" ] || fail "the package holds: $files"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libsdl2-2.0-0; do
    echo "$depends" | grep -q "$library (" || fail "Depends lacks $library: $depends"
done

# A package that is not (yet) in Debian cannot close an ITP bug; that warning
# is the only one expected, and no error at all.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$package" \
    >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }

dpkg-deb -x "$package" "$work/root"
XDG_CONFIG_HOME=$work/config "$work/root/usr/bin/quillomat" &
pid=$!
tries=0
until xdotool search --onlyvisible --pid "$pid" --name '^Quillomat$' >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ]; then
        fail "the unpacked program showed no window titled Quillomat"
        break
    fi
    sleep 0.1
done
kill -TERM "$pid"
( sleep 10; kill -KILL "$pid" 2>/dev/null ) &
watchdog=$!
wait "$pid"
status=$?
kill "$watchdog" 2>/dev/null
[ "$status" = 0 ] || fail "the unpacked program ended with status $status after SIGTERM"

[ $failures -eq 0 ] && echo "PASS: the package installs and runs"
[ $failures -eq 0 ]
