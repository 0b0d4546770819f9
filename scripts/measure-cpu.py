#!/usr/bin/python3
"""Measures the CPU the program uses while it stays open, as a percentage of
one core, and how often its main thread wakes up. Run under an X server:
    xvfb-run -a scripts/measure-cpu.py build/quillomat-demo [seconds] [--pick] [--device]
The instructions sheet is dismissed with Return; --pick then picks the first
device of the popup with Down (the demo pad, moving by itself) before the
measurement starts, and --device opens the Device window too (Ctrl+D).
"""
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "support"))
from desktop import Program, press, wait_for  # noqa: E402


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def wakeups(pid):
    with open(f"/proc/{pid}/task/{pid}/status") as status:
        for line in status:
            if line.startswith("voluntary_ctxt_switches:"):
                return int(line.split()[1])
    return 0


def main():
    binary = os.path.abspath(sys.argv[1])
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 and sys.argv[2][0].isdigit() else 30
    pick = "--pick" in sys.argv
    device = "--device" in sys.argv
    with Program(binary) as program:
        program.started()
        if binary.endswith("-demo"):  # it plugs its pad in while the sheet is up
            wait_for(lambda: "offered" in program.stderr(), "demo pad")
        window = program.dismiss_sheet()
        if pick:
            press(window, "Down")
        if device:
            press(window, "ctrl+d")
        time.sleep(2)
        pid = program.process.pid
        cpu, woken, started = cpu_seconds(pid), wakeups(pid), time.monotonic()
        time.sleep(seconds)
        elapsed = time.monotonic() - started
        cpu, woken = cpu_seconds(pid) - cpu, wakeups(pid) - woken
        print(f"{'device picked' if pick else 'nothing picked'}"
              f"{', Device window open' if device else ''}: CPU {100 * cpu / elapsed:.2f}% "
              f"of one core over {elapsed:.0f} s; main thread woke {woken / elapsed:.0f} times/s")
        program.quit("TERM")


if __name__ == "__main__":
    main()
