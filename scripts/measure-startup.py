#!/usr/bin/python3
"""Measures Quillomat's start-up against an anchor program in the same run:
the CPU time (user + system of every thread, from /proc/<pid>/task/*/schedstat,
in nanoseconds rather than /proc/<pid>/stat's 10 ms ticks) from exec until the
window is mapped,
and the resident memory once the window has been idle for a second. The two
programs take turns, each run with an empty preferences folder; the result is
the mean of each and the ratio to the anchor. Run under an X server:
    xvfb-run -a scripts/measure-startup.py build/quillomat build/anchor-bareqt/bareqt
        [rounds (3)] [runs per round (10)]
The anchor is ../shared/anchors/bareqt (a bare Qt window with the same
controls); its window is titled "BareQt".
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

TITLES = {"quillomat": "Quillomat", "quillomat-demo": "Quillomat", "bareqt": "BareQt"}


def window_title(connection, window):
    try:
        name = window.get_full_property(connection.intern_atom("_NET_WM_NAME"), 0)
        return name.value.decode("utf-8", "replace") if name else window.get_wm_name() or ""
    except Exception:
        return ""


def cpu_ms(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
            total += int(schedstat.read().split()[0])
    return total / 1e6


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return 0


def one_run(connection, binary):
    """CPU ms until the window maps, and MB resident after a second idle."""
    title = TITLES[os.path.basename(binary)]
    with tempfile.TemporaryDirectory() as config:
        process = subprocess.Popen([binary], env=dict(os.environ, XDG_CONFIG_HOME=config),
                                   stderr=subprocess.DEVNULL)
        cpu, deadline = None, time.monotonic() + 10
        while cpu is None and time.monotonic() < deadline:
            while connection.pending_events():
                event = connection.next_event()
                if event.type == X.MapNotify and window_title(connection, event.window) == title:
                    cpu = cpu_ms(process.pid)
                    break
            time.sleep(0.0005)
        time.sleep(1.0)
        memory = resident_mb(process.pid)
        process.send_signal(signal.SIGTERM)
        process.wait(timeout=10)
    if cpu is None:
        sys.exit(f"{binary}: window never shown")
    return cpu, memory


def main():
    quillomat, anchor = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 10
    # One connection throughout: Xvfb resets when its last client leaves.
    connection = display.Display()
    connection.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    for binary in (anchor, quillomat):
        one_run(connection, binary)  # warms the file cache
    results = {anchor: [], quillomat: []}
    for _ in range(rounds):
        for _ in range(runs):
            for binary in (anchor, quillomat):
                results[binary].append(one_run(connection, binary))
    base_cpu = statistics.mean(cpu for cpu, _ in results[anchor])
    base_memory = statistics.mean(memory for _, memory in results[anchor])
    for binary, measured in results.items():
        cpu = statistics.mean(value for value, _ in measured)
        memory = statistics.mean(value for _, value in measured)
        print(f"{os.path.basename(binary):>10}: CPU to window {cpu:5.1f} ms "
              f"({cpu / base_cpu:.2f}x), resident idle {memory:5.1f} MB "
              f"({memory / base_memory:.2f}x), over {len(measured)} runs")


if __name__ == "__main__":
    main()
