#!/usr/bin/python3
"""The real program on a Wayland desktop: weston's headless backend, started
here, and Qt's Wayland platform. Wayland keeps the places of windows and
their opacity to itself: the stored place must come through a run unchanged
while the stored size still applies, and the About box must show for its
time and close, all without a word on standard error. Weston takes no keys
from outside, so the program is driven over the accessibility bus, as a
screen reader user drives it. Where weston or Qt's Wayland platform cannot
start, the test says so and skips.
Usage: on_wayland.py <quillomat>"""
import os, signal, subprocess, sys, tempfile, time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import Program, check, finish, wait_for  # noqa: E402
from accessibility import Atspi, ScreenReader, click, find  # noqa: E402

SKIPPED = 77  # what CTest counts as a skip here
STORED = "MAINWINDOWLEFT = 700\nMAINWINDOWTOP = 300\nMAINWINDOWWIDTH = 420\nMAINWINDOWHEIGHT = 450\n"


def skip(reason):
    print(f"SKIP: {reason}", flush=True)
    sys.exit(SKIPPED)


def showing(accessible):
    return bool(accessible) and accessible.get_state_set().contains(Atspi.StateType.SHOWING)


runtime = tempfile.TemporaryDirectory()
socket = Path(runtime.name, "wayland-quillomat")
try:
    weston = subprocess.Popen(
        ["weston", "--backend=headless-backend.so", "--socket=" + socket.name, "--idle-time=0"],
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime.name), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
except FileNotFoundError:
    skip("weston is not installed (Debian package weston)")
try:
    wait_for(lambda: socket.exists() or weston.poll() is not None, "weston")
    if not socket.exists():
        skip(f"weston's headless backend could not start (status {weston.returncode})")

    config = Path(runtime.name, "config")
    config.mkdir()
    (config / "Quillomat").write_text(STORED)
    with ScreenReader() as reader, Program(sys.argv[1], config=config, environment={
            "QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": str(socket)}) as program:
        app = wait_for(lambda: program.process.poll() is not None or find(
            Atspi.get_desktop(0), "application", "Quillomat"), "program on the bus")
        if program.process.poll() is not None:
            skip("Qt's Wayland platform could not start (Debian package qt6-wayland): " +
                 program.stderr().strip().replace("\n", " "))
        ok = wait_for(lambda: find(app, "push button", "Ok"), "instructions")
        width = Atspi.Component.get_size(wait_for(lambda: find(app, "frame", "Quillomat"),
                                                  "tester window")).x
        click(ok)
        wait_for(lambda: not showing(find(app, "dialog", "Instructions")), "end of instructions")
        click(find(app, "menu item", "About..."))
        opened = time.monotonic()
        wait_for(lambda: showing(find(app, "dialog", "About Quillomat")), "About box")
        wait_for(lambda: not showing(find(app, "dialog", "About Quillomat")), "end of the About box",
                 seconds=15)
        shown = time.monotonic() - opened
        program.process.send_signal(signal.SIGTERM)
        status = program.process.wait(timeout=10)
        errors = program.stderr()
    stored = (config / "Quillomat").read_text()
    check(status == 0 and STORED in stored and width == 420,
          f"status {status}; the window {width} wide; stored after the run: {stored!r}")
    check(6.5 < shown < 10, f"the About box showed for {shown:.1f} s")
    check(errors == "", f"standard error: {errors!r}")
finally:
    weston.terminate()
    weston.wait()
finish()
