#!/usr/bin/python3
"""Ends the real program by every road a user or the desktop takes, and where
its preferences file cannot be created.
Usage (under X): quit_roads.py <quillomat> <seconds a quit may take>"""
import re, sys, tempfile, time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import Program, check, finish, wait_for, x  # noqa: E402

binary, quit_seconds = sys.argv[1], float(sys.argv[2])
SEVEN_LINES = re.compile(
    r"APPLICATIONNAME = Quillomat\nAPPLICATIONVERSION = \d+\.\d+\nMAINWINDOWLEFT = -?\d+\n"
    r"MAINWINDOWTOP = -?\d+\nMAINWINDOWWIDTH = -?\d+\nMAINWINDOWHEIGHT = -?\d+\n"
    r"CHECKFORUPDATE = (True|False)\n")
for road in ("TERM", "INT", "HUP", "close"):
    with Program(binary) as program:
        program.dismiss_sheet() if road == "close" else program.started()
        status, appeared, took = program.quit(road)
        path = program.config / "Quillomat"
        saved = path.is_file() and bool(SEVEN_LINES.fullmatch(path.read_text()))
        check(status == 0 and took < quit_seconds and not appeared and saved, f"{road}: status "
              f"{status} in {took:.2f} s, {len(appeared)} new window(s), the seven lines: {saved}")

# A folder where the preferences file should go: a signal ends the program
# quietly, with the reason on stderr; the close box brings the window up from
# under another program's, says why and waits.
with tempfile.TemporaryDirectory() as blocked:
    Path(blocked, "Quillomat", "inside").mkdir(parents=True)
    with Program(binary, config=blocked) as program:
        program.started()
        status, appeared, took = program.quit("TERM")
        reason = "Quillomat: The preferences file could not be created.\n" in program.stderr()
        check(status == 0 and took < quit_seconds and not appeared and reason, f"TERM, file "
              f"blocked: status {status} in {took:.2f} s, {len(appeared)} new window(s), "
              f"the reason on stderr: {reason}")
    with Program(binary, config=blocked) as program:
        window = program.dismiss_sheet()
        root = x.screen().root
        cover = root.create_window(0, 0, 1024, 768, 0, x.screen().root_depth)
        cover.map()
        program.close()
        wait_for(lambda: program.windows("dialog"), "message at the close box")
        stack = [w.id for w in root.query_tree().children]
        up = stack.index(window) > stack.index(cover.id)
        time.sleep(0.3)  # time enough to end if it did not wait for Ok
        waits = program.process.poll() is None
        status, appeared, took = program.quit("TERM")
        cover.destroy()
        check(up and waits and status == 0 and took < quit_seconds, f"close box, file blocked: "
              f"the window up ({up}), the message waits ({waits}); TERM then ends it in "
              f"{took:.2f} s, status {status}")
finish()
