"""What a screen reader sees of the program: a D-Bus session and an AT-SPI
bus of the test's own, started by `ScreenReader`, which says that a screen
reader runs, as Orca does, so that Qt serves the bus."""
import os, tempfile, time
from pathlib import Path

from desktop import Helper, wait_for
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402


def _screen_reader_on():
    """Says that a screen reader runs; False until the bus is up."""
    try:
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", 1))),
            None, Gio.DBusCallFlags.NONE, 1000)
        return True
    except GLib.Error:
        return False


class ScreenReader:
    """The buses for as long as the `with` block lasts; programs started
    within it find them through the environment."""

    def __enter__(self):
        self.folder = tempfile.TemporaryDirectory()
        socket = Path(self.folder.name, "bus")
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={socket}"
        self.helpers = [Helper("dbus-daemon", "--session", "--nofork",
                               "--address=" + os.environ["DBUS_SESSION_BUS_ADDRESS"],
                               ready=socket.exists)]
        self.helpers.append(Helper("/usr/libexec/at-spi-bus-launcher", "--launch-immediately",
                                   ready=_screen_reader_on))
        return self

    def __exit__(self, *_):
        for helper in reversed(self.helpers):
            helper.__exit__()
        self.folder.cleanup()

    def program(self, name="Quillomat"):
        """The program's accessible application, once it is on the bus."""
        return wait_for(lambda: find(Atspi.get_desktop(0), "application", name),
                        "accessible program")


def pump(seconds):
    """Lets the events of `seconds` come in."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def find(node, role, name=None):
    """The first accessible of `role` (and `name`) at or under `node`."""
    try:
        if node.get_role_name() == role and name in (None, node.get_name()):
            return node
        children = [node.get_child_at_index(index) for index in range(node.get_child_count())]
    except GLib.Error:  # gone meanwhile
        return None
    for child in children:
        if child and (found := find(child, role, name)):
            return found
    return None


def descendants(node):
    """Every accessible under `node`, depth first."""
    found = []
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        found += [child] + descendants(child)
    return found


def click(accessible):
    """Does what a screen reader user's Enter on it does: its first action."""
    Atspi.Action.do_action(accessible, 0)
