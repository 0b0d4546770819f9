#!/usr/bin/python3
"""Runs the real program under the current X display with its preferences in
a temporary XDG_CONFIG_HOME and checks the preferences file it leaves.

Usage: prefs_binary.py <quillomat binary>

Message boxes are told apart from the other windows by their window type
(dialog) and by when they appear: before the tester window exists (a
message at launch) or after the quit signal (a message at quit). A box is
dismissed by focusing it and pressing Return, as a user would."""
import os
import re
import resource
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

BINARY = sys.argv[1]
NAME = "Quillomat"
failures = []


def fail(scenario, message):
    failures.append(f"{scenario}: {message}")
    print(f"FAIL: {scenario}: {message}", flush=True)


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    return result.stdout if result.returncode == 0 else ""


def windows_of(pid):
    """Visible top-level windows of the process: {id: is_dialog}."""
    found = {}
    for line in run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "").split():
        window = int(line)
        if run("xprop", "-id", str(window), "_NET_WM_PID").split("=")[-1].strip() != str(pid):
            continue
        found[window] = "_NET_WM_WINDOW_TYPE_DIALOG" in run(
            "xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE")
    return found


def is_tester_window(window, is_dialog):
    return not is_dialog and run("xdotool", "getwindowname", str(window)).strip() == NAME


def dismiss(window):
    run("xdotool", "windowfocus", "--sync", str(window))
    run("xdotool", "key", "Return")


def dismiss_once_more(window, dismissed):
    """Presses Return on a message box, again when a second has passed and
    it is still there (the first key may come before it takes the focus).
    Returns 1 for a box not seen before, else 0."""
    now = time.monotonic()
    if window in dismissed and now - dismissed[window] < 1:
        return 0
    new = window not in dismissed
    dismissed[window] = now
    dismiss(window)
    return int(new)


def geometry(window):
    values = dict(line.split("=", 1)
                  for line in run("xdotool", "getwindowgeometry", "--shell", str(window)).split())
    return tuple(int(values[key]) for key in ("X", "Y", "WIDTH", "HEIGHT"))


class Launch:
    """One run of the program: start, wait for the tester window, quit by
    SIGTERM. Counts the message boxes shown at launch and at quit."""

    def __init__(self, config_home, file_size_limit=None):
        self.launch_messages = 0
        self.quit_messages = 0
        self.tester = None
        self.status = None

        def limit():
            if file_size_limit is not None:
                # A full disk: every write fails instead of killing the process.
                signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
                _, hard = resource.getrlimit(resource.RLIMIT_FSIZE)
                resource.setrlimit(resource.RLIMIT_FSIZE, (file_size_limit, hard))

        environment = dict(os.environ, XDG_CONFIG_HOME=config_home)
        self.process = subprocess.Popen([BINARY], env=environment, preexec_fn=limit)

    def wait_for_tester_window(self):
        dismissed = {}
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline and self.process.poll() is None:
            windows = windows_of(self.process.pid)
            testers = [w for w, dialog in windows.items() if is_tester_window(w, dialog)]
            if testers:
                self.tester = testers[0]
                time.sleep(0.5)
                # Whatever else is open now (the instructions sheet) is no message.
                self.known = set(windows_of(self.process.pid))
                return True
            for window, dialog in windows.items():
                if dialog:
                    self.launch_messages += dismiss_once_more(window, dismissed)
            time.sleep(0.1)
        return False

    def quit(self):
        self.process.send_signal(signal.SIGTERM)
        dismissed = {}
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            try:
                self.status = self.process.wait(timeout=0.2)
                return self.status
            except subprocess.TimeoutExpired:
                pass
            for window, dialog in windows_of(self.process.pid).items():
                if dialog and window not in self.known:
                    self.quit_messages += dismiss_once_more(window, dismissed)
        self.process.kill()
        self.process.wait()
        self.status = "hung"
        return self.status


def read(path):
    with open(path, "rb") as file:
        return file.read()


def stored_settings(path):
    """The seven lines as a dict, or None when they are not exactly right."""
    text = read(path).decode("utf-8")
    pattern = (r"APPLICATIONNAME = Quillomat\n"
               r"APPLICATIONVERSION = \d+\.\d+\n"
               r"MAINWINDOWLEFT = (-?\d+)\n"
               r"MAINWINDOWTOP = (-?\d+)\n"
               r"MAINWINDOWWIDTH = (-?\d+)\n"
               r"MAINWINDOWHEIGHT = (-?\d+)\n"
               r"CHECKFORUPDATE = (True|False)\n")
    match = re.fullmatch(pattern, text)
    if not match:
        return None
    left, top, width, height, update = match.groups()
    return {"left": int(left), "top": int(top), "width": int(width), "height": int(height),
            "update": update}


def start(scenario, config_home, **options):
    """Starts the program and waits for its tester window; None on failure."""
    launch = Launch(config_home, **options)
    if launch.wait_for_tester_window():
        return launch
    fail(scenario, "no tester window titled Quillomat")
    launch.process.kill()
    launch.process.wait()
    return None


def launch_and_quit(scenario, config_home, launch_messages=0, quit_messages=0, **options):
    """Runs the program once; returns the run, or None when it went wrong."""
    launch = start(scenario, config_home, **options)
    if not launch:
        return None
    status = launch.quit()
    if status != 0:
        fail(scenario, f"exit status {status}")
    if launch.launch_messages != launch_messages:
        fail(scenario, f"{launch.launch_messages} message(s) at launch, "
                       f"expected {launch_messages}")
    if launch.quit_messages != quit_messages:
        fail(scenario, f"{launch.quit_messages} message(s) at quit, expected {quit_messages}")
    return launch


def first_launch_creates_the_folder(root):
    scenario = "first launch"
    config_home = os.path.join(root, "home", ".config")
    if not launch_and_quit(scenario, config_home):
        return
    for folder in (os.path.join(root, "home"), config_home):
        mode = stat.S_IMODE(os.stat(folder).st_mode) if os.path.isdir(folder) else None
        if mode != 0o700:
            fail(scenario, f"{folder} has mode {mode and oct(mode)}, expected 0o700")
    path = os.path.join(config_home, NAME)
    if not os.path.isfile(path) or stored_settings(path) is None:
        fail(scenario, f"the file does not hold the seven lines: {read(path)!r}"
             if os.path.isfile(path) else "no preferences file")
    else:
        print("PASS: first launch creates the folder, SIGTERM writes the seven lines")


def stored_geometry_is_applied(root):
    scenario = "stored geometry"
    config_home = os.path.join(root, "config")
    os.makedirs(config_home)
    path = os.path.join(config_home, NAME)
    with open(path, "w") as file:
        file.write("MAINWINDOWLEFT = 123\nMAINWINDOWTOP = 77\n"
                   "MAINWINDOWWIDTH = 500\nMAINWINDOWHEIGHT = 420\n")
    launch = start(scenario, config_home)
    if not launch:
        return
    x, y, width, height = geometry(launch.tester)
    # The height stored is the content's; a menu bar may come on top of it.
    if (x, y, width) != (123, 77, 500) or not 420 <= height <= 460:
        fail(scenario, f"window at {x},{y} size {width}x{height}, expected 123,77 500x420")
    if launch.quit() != 0 or launch.launch_messages or launch.quit_messages:
        fail(scenario, f"exit {launch.status}, messages {launch.launch_messages}"
                       f"+{launch.quit_messages}")
    settings = stored_settings(path)
    expected = {"left": 123, "top": 77, "width": 500, "height": 420, "update": "False"}
    if settings != expected:
        fail(scenario, f"saved {settings}, expected {expected}")
    else:
        print("PASS: the stored geometry is applied and written back")


def geometry_and_settings(scenario, config_home):
    """Runs the program once with no message expected; returns the tester
    window's geometry and what the quit wrote, or None."""
    launch = start(scenario, config_home)
    if not launch:
        return None
    window = geometry(launch.tester)
    if launch.quit() != 0 or launch.launch_messages or launch.quit_messages:
        fail(scenario, f"exit {launch.status}, messages {launch.launch_messages}"
                       f"+{launch.quit_messages}")
        return None
    settings = stored_settings(os.path.join(config_home, NAME))
    if settings is None:
        fail(scenario, "the quit did not write the seven lines")
        return None
    return window, settings


def starts_like_a_first_launch(scenario, root, config_home):
    """True when a launch with `config_home` shows the same window and writes
    the same file as a launch with no preferences file at all."""
    baseline = geometry_and_settings(scenario, os.path.join(root, "no-file"))
    launched = geometry_and_settings(scenario, config_home)
    if not baseline or not launched:
        return False
    if launched != baseline:
        fail(scenario, f"window and file {launched}, a first launch gives {baseline}")
        return False
    return True


def empty_file_starts_from_defaults(root):
    scenario = "empty file"
    # What a reset leaves behind.
    config_home = os.path.join(root, "config")
    os.makedirs(config_home)
    open(os.path.join(config_home, NAME), "wb").close()
    if starts_like_a_first_launch(scenario, root, config_home):
        print("PASS: an empty file starts from defaults with no message")


def unwritable_file_keeps_the_earlier_one(root):
    scenario = "path is a folder"
    config_home = os.path.join(root, "config")
    os.makedirs(os.path.join(config_home, NAME, "inside"))
    if launch_and_quit(scenario, config_home, quit_messages=1):
        left = sorted(os.listdir(config_home))
        if left != [NAME] or os.listdir(os.path.join(config_home, NAME)) != ["inside"]:
            fail(scenario, f"the folder now holds {left}")
        else:
            print("PASS: a file that cannot be created gives one message, nothing half-written")

    scenario = "full disk"
    shutil.rmtree(config_home)
    os.makedirs(config_home)
    path = os.path.join(config_home, NAME)
    earlier = b"MAINWINDOWLEFT = 42\n"
    with open(path, "wb") as file:
        file.write(earlier)
    if launch_and_quit(scenario, config_home, quit_messages=1, file_size_limit=0):
        if read(path) != earlier or os.listdir(config_home) != [NAME]:
            fail(scenario, f"left {os.listdir(config_home)} holding {read(path)!r}")
        else:
            print("PASS: a full disk gives one message and keeps the earlier file")


def reset_through_the_preferences_sheet(root):
    """Help > Preferences..., tick the reset box, Ok, quit: the file is left
    empty and the next launch starts from defaults without a message."""
    scenario = "reset"
    config_home = os.path.join(root, "config")
    os.makedirs(config_home)
    path = os.path.join(config_home, NAME)
    with open(path, "w") as file:
        file.write("MAINWINDOWLEFT = 123\nMAINWINDOWWIDTH = 500\nCHECKFORUPDATE = True\n")
    launch = start(scenario, config_home)
    if not launch:
        return
    pid = launch.process.pid
    # The instructions sheet first, then the Help menu of the tester window.
    for window in set(windows_of(pid)) - {launch.tester}:
        dismiss(window)
    time.sleep(0.5)
    run("xdotool", "windowfocus", "--sync", str(launch.tester))
    run("xdotool", "mousemove", "--window", str(launch.tester), "62", "8", "click", "1")
    time.sleep(0.5)
    # Website, Contact, Documentation, Translate, (separator), Preferences.
    run("xdotool", "key", "--delay", "100", "Down", "Down", "Down", "Down", "Down", "Return")
    sheet = None
    deadline = time.monotonic() + 10
    while sheet is None and time.monotonic() < deadline:
        # xdotool's name search may also return the tester window: compare.
        found = [window for window in run("xdotool", "search", "--onlyvisible", "--pid",
                                          str(pid), "--name", "Preferences").split()
                 if run("xdotool", "getwindowname", window).strip() == "Preferences"]
        sheet = found[0] if found else None
        time.sleep(0.1)
    if sheet is None:
        fail(scenario, "Help > Preferences... showed no preferences sheet")
        launch.process.kill()
        launch.process.wait()
        return
    run("xdotool", "mousemove", "--window", sheet, "18", "65", "click", "1")
    time.sleep(0.3)
    run("xdotool", "windowfocus", "--sync", sheet)
    run("xdotool", "key", "Return")
    time.sleep(0.5)
    launch.known = set(windows_of(pid))
    if launch.quit() != 0 or launch.quit_messages:
        fail(scenario, f"exit {launch.status}, {launch.quit_messages} message(s) at quit")
        return
    if read(path) != b"":
        fail(scenario, f"the file holds {read(path)!r}, expected nothing")
        return
    if starts_like_a_first_launch(scenario, root, config_home):
        print("PASS: a reset leaves an empty file and the next launch starts from defaults")


def no_folder_to_be_had(root):
    scenario = "no folder"
    blocker = os.path.join(root, "blocker")
    with open(blocker, "w") as file:
        file.write("a file where a folder should be")
    if launch_and_quit(scenario, os.path.join(blocker, "config"),
                       launch_messages=1, quit_messages=1):
        if read(blocker) != b"a file where a folder should be":
            fail(scenario, "the file in the way was changed")
        else:
            print("PASS: no folder gives the message at launch and at quit")


def main():
    for scenario in (first_launch_creates_the_folder, stored_geometry_is_applied,
                     empty_file_starts_from_defaults, reset_through_the_preferences_sheet,
                     unwritable_file_keeps_the_earlier_one, no_folder_to_be_had):
        with tempfile.TemporaryDirectory() as root:
            scenario(root)
    if failures:
        print(f"{len(failures)} failure(s)")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
