#!/usr/bin/python3
"""Runs the real program under the current X display, its preferences in a temporary
XDG_CONFIG_HOME, and checks the file it leaves. Usage: prefs_binary.py <binary>
A message box is a dialog window that appears before the tester window (at launch)
or at quit; Return dismisses it. A quit by signal shows none: it reports on stderr."""
import os
import re
import subprocess
import sys
import tempfile
import time
from pathlib import Path

BINARY, NAME = sys.argv[1], "Quillomat"
CLOSE_WINDOW = Path(__file__).resolve().parent.parent / "support" / "x11_close_window.py"
SEVEN_LINES = re.compile(rb"APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = \d+\.\d+\n"
                         rb"MAINWINDOWLEFT = -?\d+\nMAINWINDOWTOP = -?\d+\nMAINWINDOWWIDTH = "
                         rb"-?\d+\nMAINWINDOWHEIGHT = -?\d+\nCHECKFORUPDATE = (True|False)\n")
started = []


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else ""


def wait_for(step, seconds=15):
    deadline, result = time.monotonic() + seconds, None
    while result is None and time.monotonic() < deadline:
        time.sleep(0.1)
        result = step()
    return result


def windows_of(pid):
    """Visible top-level windows of the process: {id: is_dialog}."""
    return {w: "_NET_WM_WINDOW_TYPE_DIALOG" in run("xprop", "-id", w, "_NET_WM_WINDOW_TYPE")
            for w in run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "").split()
            if run("xprop", "-id", w, "_NET_WM_PID").split("=")[-1].strip() == str(pid)}


def is_instructions_sheet(window):
    """The sheet shown at every launch is a dialog too, but no message box."""
    return "Geometry: 320x330" in run("xdotool", "getwindowgeometry", window)


def named(name, windows):
    return next((w for w in windows if run("xdotool", "getwindowname", w).strip() == name), None)


def press_return(window):
    run("xdotool", "windowfocus", "--sync", window)
    run("xdotool", "key", "Return")


class Launch:
    """One run of the program; counts the message boxes at launch and at quit."""

    def __init__(self, config_home):
        environment = dict(os.environ, XDG_CONFIG_HOME=str(config_home))
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([BINARY], env=environment, stderr=self.errors)
        started.append(self.process)
        self.messages, self.known = [0, 0], set()
        self.tester = self.watch(0, lambda: named(NAME, [
            w for w, dialog in windows_of(self.process.pid).items() if not dialog]))
        assert self.tester, "no tester window titled Quillomat"
        time.sleep(0.5)
        self.known = set(windows_of(self.process.pid))  # the instructions sheet is no message

    def watch(self, phase, until):
        """Dismisses new message boxes until `until()` gives a window or the program ends;
        Return again after a second, as the first may come before the box has the focus."""
        pressed = {}

        def step():
            if (found := until()) or self.process.poll() is not None:
                return found or ""
            for window, dialog in windows_of(self.process.pid).items():
                again = time.monotonic() - pressed.get(window, -9) > 1
                if dialog and window not in self.known and again and \
                        not is_instructions_sheet(window):
                    self.messages[phase] += window not in pressed
                    pressed[window] = time.monotonic()
                    press_return(window)
        return wait_for(step)

    def quit(self):
        self.process.terminate()
        self.watch(1, lambda: None)
        assert self.process.poll() == 0, f"exit status {self.process.poll()} after SIGTERM"
        assert self.messages == [0, 0], f"messages at launch, at quit: {self.messages}"

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode()

    def new_message_box(self):
        return next((w for w, dialog in windows_of(self.process.pid).items()
                     if dialog and w not in self.known and not is_instructions_sheet(w)), None)


def main(root):
    home = Path(root, "home")
    config_home = home / ".config"
    path = config_home / NAME
    Launch(config_home).quit()
    first = path.read_bytes()
    modes = [oct(folder.stat().st_mode & 0o777) for folder in (home, config_home)]
    assert modes == ["0o700"] * 2 and SEVEN_LINES.fullmatch(first), f"{modes}, {first}"
    print("PASS: the first launch makes the folder, SIGTERM writes the seven lines")

    path.write_text("MAINWINDOWLEFT = 123\nMAINWINDOWTOP = 77\nMAINWINDOWWIDTH = 500\n"
                    "MAINWINDOWHEIGHT = 420\n")
    launch = Launch(config_home)
    shell = dict(line.split("=") for line in
                 run("xdotool", "getwindowgeometry", "--shell", launch.tester).split())
    # The stored height is the content's; a menu bar may come on top of it.
    x, y, width, height = (int(shell[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))
    assert (x, y, width) == (123, 77, 500) and 420 <= height <= 460, f"window at {shell}"
    print("PASS: the stored geometry is applied")

    for window in launch.known - {launch.tester}:
        press_return(window)  # the instructions sheet
    time.sleep(0.5)
    run("xdotool", "windowfocus", "--sync", launch.tester)
    run("xdotool", "mousemove", "--window", launch.tester, "62", "8", "click", "1")
    time.sleep(0.5)
    # Help: Website, Contact, Documentation, Translate, (separator), Preferences...
    run("xdotool", "key", "--delay", "100", *["Down"] * 5, "Return")
    sheet = wait_for(lambda: named("Preferences", windows_of(launch.process.pid)), 10)
    assert sheet, "Help > Preferences... showed no preferences window"
    run("xdotool", "mousemove", "--window", sheet, "18", "65", "click", "1")  # the reset box
    time.sleep(0.3)
    press_return(sheet)
    time.sleep(0.5)
    launch.known = set(windows_of(launch.process.pid))
    launch.quit()
    assert path.read_bytes() == b"", f"after the reset the file holds {path.read_bytes()}"
    # The window's place and size are in the file: the same file, the same window.
    Launch(config_home).quit()
    assert path.read_bytes() == first, f"{path.read_bytes()}, not {first}"
    print("PASS: a reset leaves an empty file; the next launch starts from defaults")

    blocked = Path(root, "blocked")
    (blocked / NAME / "inside").mkdir(parents=True)
    launch = Launch(blocked)
    launch.quit()
    left = [sorted(folders + files) for _, folders, files in os.walk(blocked)]
    assert left == [[NAME], ["inside"], []], f"left behind: {left}"
    assert "Quillomat: The preferences file could not be created." in launch.stderr(), \
        f"stderr: {launch.stderr()}"
    print("PASS: SIGTERM where the file cannot go: no message box, the reason on stderr")

    # Closed by the user, the program says why it could not save and waits for
    # Ok; a signal then ends it at once.
    launch = Launch(blocked)
    for window in launch.known - {launch.tester}:
        press_return(window)  # the instructions sheet
    assert wait_for(lambda: set(windows_of(launch.process.pid)) == {launch.tester} or None, 10)
    launch.known = {launch.tester}
    run("/usr/bin/python3", str(CLOSE_WINDOW), launch.tester)
    box = wait_for(launch.new_message_box, 10)
    assert box, "closing the window gave no message where the file cannot go"
    time.sleep(0.3)
    assert launch.process.poll() is None, "the program ended without waiting for Ok"
    started = time.monotonic()
    launch.process.terminate()
    assert wait_for(lambda: launch.process.poll() is not None or None, 5), \
        "SIGTERM did not end the program while its message waited"
    assert launch.process.returncode == 0, f"exit status {launch.process.returncode}"
    print(f"PASS: a signal ends the program at once while its message at quit waits "
          f"({time.monotonic() - started:.2f} s)")


if __name__ == "__main__":
    if not __debug__:
        sys.exit("The checks are assert statements: run this without -O.")
    try:
        with tempfile.TemporaryDirectory() as temporary:
            main(temporary)
    finally:
        for process in started:
            process.kill()  # nothing for one that has ended
            process.wait()
