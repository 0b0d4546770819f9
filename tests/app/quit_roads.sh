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

# The program's visible windows titled "Quillomat" (the instructions sheet,
# having no title of its own, carries the application's name too).
visible_windows() {
    xdotool search --onlyvisible --pid "$1" --name '^Quillomat$' 2>/dev/null
}

# Waits up to 10 s until the program shows exactly `count` such windows.
wait_for_windows() {
    tries=0
    while [ "$(visible_windows "$1" | wc -l)" -ne "$2" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    [ "$(visible_windows "$1" | wc -l)" -eq "$2" ]
}

for road in TERM INT HUP close; do
    config=$(mktemp -d)
    XDG_CONFIG_HOME=$config "$binary" &
    pid=$!
    # The tester window and the instructions sheet over it.
    if ! wait_for_windows "$pid" 2; then
        fail "$road: the window and its instructions sheet did not show"
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        rm -rf "$config"
        continue
    fi

    if [ "$road" = close ]; then
        # The sheet holds the window until it is dismissed; Return does that.
        for window in $(visible_windows "$pid"); do
            if xdotool getwindowgeometry "$window" | grep -q 'Geometry: 320x330'; then
                xdotool windowfocus --sync "$window"
            fi
        done
        xdotool key Return
        if ! wait_for_windows "$pid" 1; then
            fail "close: Return did not dismiss the instructions"
        fi
        "$close_window" "$(visible_windows "$pid")"
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
