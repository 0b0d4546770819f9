#!/usr/bin/python3
"""Quits the real program while its launch-time update check is under way:
while the version file is being fetched from a server that never answers,
and while the "new version" message waits for the user. Each time the
program must end at once with status 0, its preferences saved, and show no
message box after the quit.

Usage (under an X server): quit_during_update_check.py <binary> <port>
The binary's website is http://127.0.0.1:<port>.
"""
import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

BINARY = sys.argv[1]
PORT = int(sys.argv[2])
failures = []


class Site(threading.Thread):
    """The product website on loopback: records each request; answers it
    with `response`, or never when `response` is None."""

    def __init__(self, response):
        super().__init__(daemon=True)
        self.response = response
        self.requests = []
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.listener.bind(("127.0.0.1", PORT))
        self.listener.listen(4)
        self.held = []

    def run(self):
        while True:
            try:
                connection, _ = self.listener.accept()
            except OSError:
                return
            request = b""
            while b"\r\n\r\n" not in request:
                chunk = connection.recv(4096)
                if not chunk:
                    break
                request += chunk
            self.requests.append(request)
            if self.response is None:
                self.held.append(connection)  # silent until the test ends
            else:
                connection.sendall(self.response)
                connection.close()

    def close(self):
        # Wakes the accept() above, so that the port is free for the next one.
        try:
            self.listener.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass
        self.listener.close()
        self.join(timeout=5)
        for connection in self.held:
            connection.close()


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def titled_windows(pid):
    windows = run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", ".+").split()
    return {w for w in windows if run("xdotool", "getwindowname", w).strip()}


def wait_for(condition, timeout=15):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


def fail(scenario, message):
    failures.append(f"{scenario}: {message}")
    print(f"FAIL: {scenario}: {message}", flush=True)


def choose_quit_from_the_menu(window):
    run("xdotool", "windowfocus", "--sync", window)
    run("xdotool", "mousemove", "--window", window, "62", "8", "click", "1")
    time.sleep(0.5)
    # Website, Contact, Documentation, Translate, (separator), Preferences, Quit.
    run("xdotool", "key", "--delay", "100", *["Down"] * 6, "Return")


def scenario(name, response, quit_by, expect_message):
    config = tempfile.mkdtemp()
    preferences = os.path.join(config, "Quillomat")
    with open(preferences, "w") as file:
        file.write("CHECKFORUPDATE = True\nMAINWINDOWLEFT = 31\n")
    site = Site(response)
    site.start()
    program = subprocess.Popen([BINARY], env=dict(os.environ, XDG_CONFIG_HOME=config))
    try:
        pid = program.pid
        if not wait_for(lambda: len(titled_windows(pid)) == 2):
            return fail(name, "no tester window with its instructions sheet")
        tester = min(titled_windows(pid), key=int)
        # The check starts once the instructions are dismissed.
        run("xdotool", "key", "Return")
        if not wait_for(lambda: site.requests):
            return fail(name, "the update check never asked for the version file")
        if not site.requests[0].startswith(b"GET /quillomat/version.txt HTTP/1.0\r\n"):
            return fail(name, f"unexpected request {site.requests[0]!r}")
        if expect_message:
            if not wait_for(lambda: len(titled_windows(pid)) == 2):
                return fail(name, "the new-version message did not show")
        else:
            time.sleep(0.5)
        before_quit = titled_windows(pid)

        started = time.monotonic()
        if quit_by == "SIGTERM":
            program.send_signal(signal.SIGTERM)
        else:
            choose_quit_from_the_menu(tester)
        appeared = set()
        while program.poll() is None and time.monotonic() - started < 10:
            appeared |= titled_windows(pid) - before_quit
            time.sleep(0.05)
        took = time.monotonic() - started
        if program.poll() is None:
            return fail(name, "the program did not end within 10 s")
        if program.returncode != 0:
            fail(name, f"exit status {program.returncode}")
        # The menu road includes moving through the menu with xdotool.
        if took > (1.0 if quit_by == "SIGTERM" else 3.0):
            fail(name, f"ending took {took:.2f} s")
        if appeared:
            fail(name, f"{len(appeared)} window(s) appeared while quitting")
        with open(preferences) as file:
            saved = file.read()
        if not re.search(r"^MAINWINDOWLEFT = 31\nMAINWINDOWTOP = -1\n", saved, re.M) or \
                "CHECKFORUPDATE = True\n" not in saved or saved.count("\n") != 7:
            fail(name, f"preferences not saved as expected: {saved!r}")
        if not any(name in failure for failure in failures):
            print(f"PASS: {name}: ended in {took:.2f} s with status 0, preferences saved")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        site.close()


def main():
    newer = b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nQuillomat 99.0\n"
    scenario("SIGTERM while fetching", None, "SIGTERM", expect_message=False)
    scenario("Quit command while fetching", None, "menu", expect_message=False)
    scenario("SIGTERM while the message waits", newer, "SIGTERM", expect_message=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
