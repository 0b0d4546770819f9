#!/usr/bin/python3
"""Ends the real program by every road a user or the desktop takes, and where
its preferences file cannot be created. Usage (under X): quit_roads.py <quillomat>"""
import os, sys, tempfile, time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import Program, check, finish, preferences_saved, wait_for  # noqa: E402

binary = sys.argv[1]
for road in ("TERM", "INT", "HUP", "close"):
    with Program(binary) as program:
        program.dismiss_sheet() if road == "close" else program.started()
        status, appeared, _ = program.quit(road)
        modes = {oct(d.stat().st_mode & 0o777) for d in (program.config, program.config.parent)}
        saved = preferences_saved(program.config)
        check(status == 0 and not appeared and modes == {"0o700"} and saved,
              f"{road}: status {status}, {len(appeared)} new window(s), folders {modes}, "
              f"the seven lines saved: {saved}")

# A folder where the preferences file should go: a signal ends the program
# quietly, with the reason on stderr; the close box says why and waits.
with tempfile.TemporaryDirectory() as blocked:
    Path(blocked, "Quillomat", "inside").mkdir(parents=True)
    with Program(binary, config=blocked) as program:
        program.started()
        status, appeared, _ = program.quit("TERM")
        reason = "Quillomat: The preferences file could not be created.\n" in program.stderr()
        check(status == 0 and not appeared and reason, f"TERM, file blocked: status {status}, "
              f"{len(appeared)} new window(s), the reason on stderr: {reason}")
    with Program(binary, config=blocked) as program:
        program.dismiss_sheet()
        program.close()
        wait_for(lambda: program.windows("dialog"), "message at the close box")
        time.sleep(0.3)  # time enough to end if it did not wait for Ok
        waits = program.process.poll() is None
        status, appeared, took = program.quit("TERM")
        check(waits and status == 0 and took < 1, f"close box, file blocked: the message waits "
              f"({waits}); TERM then ends it in {took:.2f} s, status {status}")
    left = sorted(str(Path(d, f).relative_to(blocked)) for d, ds, fs in os.walk(blocked)
                  for f in ds + fs)
    check(left == ["Quillomat", "Quillomat/inside"], f"nothing left behind: {left}")
finish()
