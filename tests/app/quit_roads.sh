#!/bin/sh
# Starts the real program under the current X display and ends it by each road
# a user or the desktop can take; every road must end it with status 0.
# Usage: quit_roads.sh <quillomat binary> <x11_close_window.py>
set -u
binary=$1
close_window=$2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Waits up to 10 s for the program to end and sets `status` to its exit
# status, or to "hung". Runs in this shell: only the parent can reap it.
wait_for_exit() {
    pid=$1
    ( sleep 10; kill -KILL "$pid" 2>/dev/null ) &
    watchdog=$!
    wait "$pid"
    status=$?
    if kill -0 "$watchdog" 2>/dev/null; then
        kill "$watchdog" 2>/dev/null
        wait "$watchdog" 2>/dev/null
    else
        status=hung
    fi
}

for road in TERM INT HUP close; do
    config=$(mktemp -d)
    XDG_CONFIG_HOME=$config "$binary" &
    pid=$!
    window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Quillomat$' | head -n 1)
    if [ -z "$window" ]; then
        fail "$road: no visible window titled Quillomat"
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        rm -rf "$config"
        continue
    fi
    title=$(xdotool getwindowname "$window")
    [ "$title" = "Quillomat" ] || fail "$road: window title is '$title'"

    if [ "$road" = close ]; then
        "$close_window" "$window"
    else
        kill -s "$road" "$pid"
    fi
    wait_for_exit "$pid"
    if [ "$status" = 0 ]; then
        echo "PASS: $road ends the program with status 0"
    else
        fail "$road: exit status $status"
    fi
    rm -rf "$config"
done

[ $failures -eq 0 ]
