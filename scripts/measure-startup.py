#!/usr/bin/python3
"""Measures how long the program takes from process start until its window
titled "Quillomat" is mapped, and its resident memory once shown.
Run under an X server, e.g.:
    xvfb-run -a scripts/measure-startup.py build/quillomat [runs] [window title]
The title (default "Quillomat") lets the same script time another program,
such as the bare Qt window in ../shared/anchors/bareqt ("BareQt").
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display


def window_title(connection, window):
    try:
        name = window.get_full_property(connection.intern_atom("_NET_WM_NAME"), 0)
        if name:
            return name.value.decode("utf-8", "replace")
        return window.get_wm_name() or ""
    except Exception:
        return ""


def one_run(connection, binary, title):
    config = tempfile.mkdtemp()
    environment = dict(os.environ, XDG_CONFIG_HOME=config)
    started = time.monotonic()
    process = subprocess.Popen([binary], env=environment, stderr=subprocess.DEVNULL)
    shown = None
    while shown is None and time.monotonic() - started < 10:
        while connection.pending_events():
            event = connection.next_event()
            if event.type == X.MapNotify and window_title(connection, event.window) == title:
                shown = time.monotonic() - started
                break
        if shown is None:
            time.sleep(0.0005)
    time.sleep(1.0)
    resident_kib = 0
    with open(f"/proc/{process.pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                resident_kib = int(line.split()[1])
    process.send_signal(signal.SIGTERM)
    process.wait(timeout=10)
    return shown, resident_kib / 1024


def main():
    binary = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    title = sys.argv[3] if len(sys.argv) > 3 else "Quillomat"
    # One connection throughout: Xvfb resets when its last client leaves.
    connection = display.Display()
    connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    one_run(connection, binary, title)  # warm the file cache
    times, memory = [], []
    for _ in range(runs):
        shown, resident = one_run(connection, binary, title)
        if shown is None:
            print("window never shown")
            sys.exit(1)
        times.append(shown * 1000)
        memory.append(resident)
    print(f"window shown after: median {statistics.median(times):.1f} ms "
          f"(min {min(times):.1f}, max {max(times):.1f}) over {runs} runs")
    print(f"resident memory once shown: median {statistics.median(memory):.1f} MB")


if __name__ == "__main__":
    main()
