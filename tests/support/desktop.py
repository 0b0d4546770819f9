"""Runs the real program under the current X display and drives it as a person
would: keys typed through xdotool, and the close box, which asks a window to
close with a WM_DELETE_WINDOW message. A window manager or a compositor runs
only where a test starts one (Helper)."""
import os, signal, subprocess, sys, tempfile, time
from pathlib import Path
from Xlib import X, Xatom, display, error, protocol

x = display.Display()
failures = []


def check(ok, what):
    print(("PASS: " if ok else "FAIL: ") + what, flush=True)
    failures.extend([] if ok else [what])


def finish():
    sys.exit(1 if failures else 0)


def wait_for(condition, what, seconds=10):
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise TimeoutError(f"no {what} within {seconds} s")
        time.sleep(0.05)
    return value


def top_level_windows():
    """The clients' top-level windows: those a window manager lists, or the
    root's children where none runs."""
    root = x.screen().root
    listed = root.get_full_property(x.intern_atom("_NET_CLIENT_LIST"), Xatom.WINDOW)
    if listed is None:
        return root.query_tree().children
    return [x.create_resource_object("window", id) for id in listed.value]


def frame_geometry(window):
    """(left, top, width, height) of a client window with the frame a window
    manager put around it, on the screen."""
    window = x.create_resource_object("window", window)
    root = x.screen().root
    while (parent := window.query_tree().parent) != root:
        window = parent
    geometry = window.get_geometry()
    return geometry.x, geometry.y, geometry.width, geometry.height


def screen_size():
    return x.screen().width_in_pixels, x.screen().height_in_pixels


def property_value(window, name):
    """The first number of a CARDINAL property, or None."""
    found = x.create_resource_object("window", window).get_full_property(
        x.intern_atom(name), Xatom.CARDINAL)
    return found.value[0] if found else None


class Helper:
    """A desktop program (a window manager, a compositor) for as long as the
    `with` block lasts."""

    def __init__(self, *command, ready=lambda: True):
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        wait_for(ready, command[0])

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()


def window_manager():
    """openbox, once it manages the screen."""
    return Helper("openbox", "--sm-disable", ready=lambda: x.screen().root.get_full_property(
        x.intern_atom("_NET_SUPPORTING_WM_CHECK"), Xatom.WINDOW))


def press(window, *keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", str(window), "key", *keys], check=True)


class Program:
    """One run of `binary` in a scratch folder, its preferences in `config` (by
    default a fresh home/.config in that folder)."""

    def __init__(self, binary, config=None, environment=None):
        self.scratch = tempfile.TemporaryDirectory()
        self.home = Path(self.scratch.name)
        self.config = Path(config or self.home / "home" / ".config")
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen([binary], cwd=self.home, stderr=self.errors, env=dict(
            os.environ, XDG_CONFIG_HOME=str(self.config), XDG_RUNTIME_DIR=self.scratch.name,
            **(environment or {})))

    def __enter__(self):
        return self

    def __exit__(self, *_):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        sys.stderr.write(self.stderr())  # sanitizer reports and Qt warnings
        self.scratch.cleanup()

    def stderr(self):
        self.errors.seek(0)
        return self.errors.read().decode(errors="replace")

    def windows(self, kind=None):
        """The program's visible top-level windows, as {id: kind}: "window",
        "sheet" (the instructions, a 320 x 330 dialog) or "dialog" (any other)."""
        found, atom = {}, x.intern_atom
        for window in top_level_windows():
            try:
                pid = window.get_full_property(atom("_NET_WM_PID"), Xatom.CARDINAL)
                if pid and pid.value[0] == self.process.pid and \
                        window.get_attributes().map_state == X.IsViewable:
                    types = window.get_full_property(atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM)
                    size = window.get_geometry()
                    found[window.id] = "window" if not types or atom(
                        "_NET_WM_WINDOW_TYPE_DIALOG") not in types.value else \
                        "sheet" if (size.width, size.height) == (320, 330) else "dialog"
            except error.XError:  # gone meanwhile
                pass
        return found if kind is None else [w for w, k in found.items() if k == kind]

    def started(self):
        """Waits for the window with the instructions sheet over it; gives the window."""
        wait_for(lambda: sorted(self.windows().values()) == ["sheet", "window"],
                 "window with its instructions sheet")
        return self.windows("window")[0]

    def dismiss_sheet(self):
        """Dismisses the instructions with Return; gives the window."""
        window = self.started()
        press(self.windows("sheet")[0], "Return")
        wait_for(lambda: list(self.windows().values()) == ["window"], "end of the instructions")
        return window

    def close(self):
        window = x.create_resource_object("window", self.windows("window")[0])
        window.send_event(protocol.event.ClientMessage(
            window=window, client_type=x.intern_atom("WM_PROTOCOLS"),
            data=(32, [x.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0])))
        x.sync()

    def quit(self, road):
        """Ends the program by the close box ("close") or a signal ("TERM"...);
        gives its status, the windows it showed meanwhile and the seconds it took."""
        before, appeared, started = set(self.windows()), set(), time.monotonic()
        self.close() if road == "close" else self.process.send_signal(
            getattr(signal, "SIG" + road))
        wait_for(lambda: appeared.update(set(self.windows()) - before)
                 or self.process.poll() is not None, "end of the program")
        return self.process.returncode, appeared, time.monotonic() - started
