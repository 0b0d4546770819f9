#!/bin/sh
# Builds the Debian package from the build tree and checks it as a user's
# system takes it: its files, the libraries it depends on, lintian's verdict,
# the validators of the menu entry, the software-centre metadata and the
# manual page; then starts the program unpacked from it, which must show its
# window with the class and the icon its menu entry names, load its plugins
# from where the package puts them, and end with status 0 on SIGTERM.
# Usage (under an X server): packaging/check.sh <build dir>
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$1/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; exit 1; }
package=$work/quillomat_1.0-1_$(dpkg --print-architecture).deb
# lintian takes long: it runs meanwhile. A package not (yet) in Debian cannot
# close an ITP bug; that warning is the only one expected, and no error at all.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs "$package" \
    >"$work/lintian.log" 2>&1 &
lintian=$!

id=com.brindlecove.Quillomat
files=$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ {print $6}' | sort | tr '\n' ' ')
icons=""
for size in 128 256 32 48 64; do
    icons="$icons./usr/share/icons/hicolor/${size}x$size/apps/$id.png "
done
[ "$files" = "./usr/bin/quillomat ./usr/lib/quillomat/plugins/quillomat-sdl.so \
./usr/lib/quillomat/plugins/quillomat-update.so \
./usr/share/applications/$id.desktop \
./usr/share/doc/quillomat/changelog.Debian.gz ./usr/share/doc/quillomat/copyright \
$icons./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/man/man1/quillomat.1.gz \
./usr/share/metainfo/$id.metainfo.xml " ] || fail "the package holds: $files"
depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libsdl2-2.0-0; do
    echo "$depends" | grep -q "$library (" || fail "Depends lacks $library: $depends"
done
echo "$depends" | grep -qw qt6-translations-l10n || fail "Depends lacks Qt's translations: $depends"

dpkg-deb -x "$package" "$work/root"
share=$work/root/usr/share
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
[ "$(grep -cxE "Exec=quillomat|Icon=$id" "$share/applications/$id.desktop")" = 2 ] ||
    fail "the menu entry does not start quillomat with its icon"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log"; fail "appstreamcli validate"; }
warnings=$(man --warnings -l "$share/man/man1/quillomat.1.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page: $warnings"

# The unpacked icons stand in for the installed ones.
mkdir -p "$work/config"
echo "CHECKFORUPDATE = True" >"$work/config/Quillomat"
timeout -s KILL 20 env XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" \
    XDG_DATA_DIRS="$share:/usr/share" "$work/root/usr/bin/quillomat" &
program=$!
window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quillomat$' | head -n 1)
[ -n "$window" ] || fail "the unpacked program showed no window"
# Docks tie the window to its menu entry by its class, and show the theme's
# icon: the program's own fallback has only the 128-pixel one.
class=$(sed -n 's/^StartupWMClass=//p' "$share/applications/$id.desktop")
xprop -id "$window" WM_CLASS | grep -q ", \"$class\"\$" ||
    fail "the window's class is not the entry's $class: $(xprop -id "$window" WM_CLASS)"
sizes=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
[ "$sizes" = "Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) " ] ||
    fail "the window's icon is not the theme's $id: $sizes"
# The game input service comes in once the window shows; Qt Network only with
# the update check, once the instructions are dismissed.
pid=$(xdotool getwindowpid "$window")
loaded() {
    for _ in $(seq 50); do grep -q "$1" "/proc/$pid/maps" && return 0; sleep 0.1; done
    return 1
}
loaded /usr/lib/quillomat/plugins/quillomat-sdl.so || fail "no game input plugin"
! grep -q libQt6Network "/proc/$pid/maps" || fail "Qt Network loaded before the update check"
sheet=$(timeout 10 xdotool search --sync --onlyvisible --name '^Instructions$' | head -n 1)
xdotool windowfocus --sync "$sheet" key Return
loaded /usr/lib/quillomat/plugins/quillomat-update.so || fail "no update check plugin"
kill -TERM "$program"
wait "$program" || fail "the unpacked program ended with status $? after SIGTERM"

wait "$lintian" || { cat "$work/lintian.log"; fail "lintian"; }
[ $failures -eq 0 ] && echo "PASS: the package's files, dependencies, validators and run"
[ $failures -eq 0 ]
