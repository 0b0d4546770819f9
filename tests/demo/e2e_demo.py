#!/usr/bin/python3
"""End to end through the real program, as a person would use it: start
quillomat-demo, dismiss the instructions, pick the demo pad in the popup with
the keyboard, let the pad run through its script once, save the report
through the save dialog, confirm the message, quit with SIGTERM, then read the
report.

Usage (under an X server): e2e_demo.py <quillomat-demo binary>
"""
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

CYCLE_SECONDS = 10  # one cycle of the demo script takes at most this long
PAD_NAME = "Quillomat Demo Pad"


def xdotool(*arguments):
    result = subprocess.run(["xdotool", *arguments], capture_output=True, text=True)
    return result.stdout.split()


def visible_windows(pid):
    """The program's visible windows that have a title: Qt keeps an untitled
    helper window of its own mapped, which is none of the user's business."""
    windows = xdotool("search", "--onlyvisible", "--pid", str(pid), "--name", ".+")
    return [window for window in windows
            if subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                              text=True).stdout.strip()]


def wait_for(condition, what, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def key(*keys):
    xdotool("key", "--delay", "50", *keys)


def main():
    binary = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        config = os.path.join(scratch, "config")
        report = os.path.join(scratch, "reports", "demo report.txt")
        os.makedirs(os.path.dirname(report))
        environment = dict(os.environ, XDG_CONFIG_HOME=config)
        program = subprocess.Popen([binary], env=environment)
        try:
            status = drive(program, report)
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
        check_report(report)
        if status != 0:
            raise AssertionError(f"exit status {status}, expected 0")
    print("PASS: report saved through the real program, exit status 0")


def drive(program, report):
    pid = program.pid
    # The tester window, and the instructions sheet over it when it is there.
    main_window = wait_for(
        lambda: xdotool("search", "--onlyvisible", "--pid", str(pid), "--name", "^Quillomat$"),
        "the tester window")
    time.sleep(0.5)
    if len(visible_windows(pid)) > 1:
        # The sheet carries the application's name too; it is the 320 x 330 one.
        sheet = [w for w in visible_windows(pid)
                 if "Geometry: 320x330" in subprocess.run(
                     ["xdotool", "getwindowgeometry", w], capture_output=True,
                     text=True).stdout]
        if sheet:
            xdotool("windowfocus", "--sync", sheet[0])
        key("Return")
        wait_for(lambda: len(visible_windows(pid)) == 1, "the instructions to close")
    window = visible_windows(pid)[0]
    xdotool("windowactivate", "--sync", window)
    xdotool("windowfocus", "--sync", window)

    # The popup has the keyboard focus first; Down picks its first row, the pad.
    key("Down")
    time.sleep(0.3)
    # One full cycle of the pad's script after it was picked.
    time.sleep(CYCLE_SECONDS + 1)

    # Return presses Save, the window's default button.
    key("Return")
    dialog = wait_for(lambda: [w for w in visible_windows(pid) if w != window],
                      "the save dialog")[0]
    xdotool("windowfocus", "--sync", dialog)
    time.sleep(0.5)
    key("ctrl+a")
    xdotool("type", "--delay", "20", report)
    key("Return")
    wait_for(lambda: os.path.exists(report), "the report file")

    # The message that the file was created.
    wait_for(lambda: len(visible_windows(pid)) == 2, "the message box")
    time.sleep(0.3)
    key("Return")
    wait_for(lambda: len(visible_windows(pid)) == 1, "the message box to close")

    program.send_signal(signal.SIGTERM)
    return program.wait(timeout=10)


def check_report(report):
    with open(report, encoding="utf-8") as file:
        content = file.read()
    print(content, end="")
    lines = content.split("\n")
    if lines[0] != PAD_NAME:
        raise AssertionError(f"line 1 is {lines[0]!r}, expected the device name")
    if lines[1] != "":
        raise AssertionError(f"line 2 is {lines[1]!r}, expected it empty")
    if lines[-1] != "":
        raise AssertionError("the last line has no line terminator")
    line_format = re.compile(
        r"(.+) : Minimum = (-?\d+), Default = (-?\d+), Maximum = (-?\d+)")
    elements = {}
    for line in lines[2:-1]:
        match = line_format.fullmatch(line)
        if not match:
            raise AssertionError(f"malformed element line {line!r}")
        elements[match.group(1)] = tuple(int(match.group(i)) for i in (2, 3, 4))
    if len(elements) != 22:
        raise AssertionError(f"{len(elements)} element lines, expected 22")
    for axis, role in enumerate(["left stick X", "left stick Y", "right stick X",
                                 "right stick Y"]):
        minimum, _, maximum = elements[f"Axis {axis} ({role})"]
        if (minimum, maximum) != (-32768, 32767):
            raise AssertionError(f"axis {axis}: {minimum}..{maximum}, expected -32768..32767")
    for trigger in (4, 5):
        minimum, _, maximum = next(v for k, v in elements.items()
                                   if k.startswith(f"Axis {trigger} "))
        if (minimum, maximum) != (-32768, 32767):
            raise AssertionError(f"trigger {trigger}: {minimum}..{maximum}")
    for button in range(15):
        minimum, _, maximum = next(v for k, v in elements.items()
                                   if k == f"Button {button}" or k.startswith(f"Button {button} ("))
        if (minimum, maximum) != (0, 1):
            raise AssertionError(f"button {button}: {minimum}..{maximum}, expected 0..1")
    minimum, _, maximum = elements["Hat 0"]
    if (minimum, maximum) != (0, 8):
        raise AssertionError(f"hat: {minimum}..{maximum}, expected 0..8")


if __name__ == "__main__":
    try:
        main()
    except AssertionError as failure:
        print(f"FAIL: {failure}")
        sys.exit(1)
