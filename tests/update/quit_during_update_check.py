#!/usr/bin/python3
"""Quits the real program while its launch-time update check fetches the
version file from a server that never answers, and while the "new version"
message waits: it must end at once with status 0, preferences saved, and no
window shown after the quit. Usage (under X): <this> <quillomat-localsite binary>
The website is a server on a port the system picks, passed to the program in
QUILLOMAT_LOCAL_SITE."""
import http.server, os, re, signal, subprocess, sys, tempfile, threading, time

BINARY = sys.argv[1]
failures = []


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def titled_windows(pid):
    ids = run("xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", ".+").split()
    return {w for w in ids if run("xdotool", "getwindowname", w).strip()}


def wait_for(condition, timeout=15):
    deadline = time.monotonic() + timeout
    while not condition() and time.monotonic() < deadline:
        time.sleep(0.05)
    return condition()


def start_site(response, requests):
    """The website: records each request line; answers `response`, or never if None."""
    class Site(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            requests.append(self.requestline)
            if response is None:
                time.sleep(60)
            else:
                self.wfile.write(response)

        def log_message(self, *_):
            pass
    site = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Site)
    threading.Thread(target=site.serve_forever, daemon=True).start()
    return site


def scenario(name, response, quit_by):
    def expect(condition, problem):
        if not condition:
            failures.append(name)
            print(f"FAIL: {name}: {problem}", flush=True)
        return condition

    config = tempfile.mkdtemp()
    preferences = os.path.join(config, "Quillomat")
    with open(preferences, "w") as file:
        file.write("CHECKFORUPDATE = True\nMAINWINDOWLEFT = 31\n")
    requests = []
    site = start_site(response, requests)
    address = f"http://127.0.0.1:{site.server_address[1]}"
    program = subprocess.Popen([BINARY], env=dict(os.environ, XDG_CONFIG_HOME=config,
                                                  QUILLOMAT_LOCAL_SITE=address))
    pid = program.pid
    try:
        if not expect(wait_for(lambda: len(titled_windows(pid)) == 2), "no instructions"):
            return
        tester = min(titled_windows(pid), key=int)
        run("xdotool", "key", "Return")  # the check starts once the instructions are dismissed
        if not expect(wait_for(lambda: requests) and requests[0] == "GET /quillomat/version.txt "
                      "HTTP/1.0", f"the version file was not asked for: {requests}"):
            return
        if response is None:
            time.sleep(0.5)
        elif not expect(wait_for(lambda: len(titled_windows(pid)) == 2), "no new-version message"):
            return
        before_quit, started = titled_windows(pid), time.monotonic()
        if quit_by == "SIGTERM":
            program.send_signal(signal.SIGTERM)
        else:  # application menu: Website, Contact, Documentation, Translate, Preferences, Quit
            run("xdotool", "windowfocus", "--sync", tester)
            run("xdotool", "mousemove", "--window", tester, "62", "8", "click", "1")
            time.sleep(0.5)
            run("xdotool", "key", "--delay", "100", *["Down"] * 6, "Return")
        appeared = set()
        while program.poll() is None and time.monotonic() - started < 10:
            appeared |= titled_windows(pid) - before_quit
            time.sleep(0.05)
        took = time.monotonic() - started
        if not expect(program.poll() is not None, "still running 10 s after the quit"):
            return
        expect(program.returncode == 0, f"exit status {program.returncode}")
        # Moving through the menu takes xdotool a while.
        expect(took <= (1.0 if quit_by == "SIGTERM" else 3.0), f"ending took {took:.2f} s")
        expect(not appeared, f"{len(appeared)} window(s) appeared while quitting")
        saved = open(preferences).read()
        expect(re.search(r"^MAINWINDOWLEFT = 31\nMAINWINDOWTOP = -1\n", saved, re.M) and
               "CHECKFORUPDATE = True\n" in saved and saved.count("\n") == 7,
               f"preferences not saved as expected: {saved!r}")
        if name not in failures:
            print(f"PASS: {name}: ended in {took:.2f} s, status 0, preferences saved", flush=True)
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        site.shutdown()
        site.server_close()


scenario("SIGTERM while fetching", None, "SIGTERM")
scenario("Quit command while fetching", None, "menu")
newer = b"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nQuillomat 99.0\n"
scenario("SIGTERM while the message waits", newer, "SIGTERM")
sys.exit(1 if failures else 0)
