#!/usr/bin/python3
"""End to end, as a person uses the real program, by keyboard alone: start
quillomat-demo, which plugs its pad in while the instructions are up, dismiss
them with Escape once the popup offers the pad, pick it, let its script run
one cycle (its button taps are quicker than the 100 ms refresh), open the
Device window with Ctrl+D and read its sticks' figures as a screen reader
hears them and their outlines as the screen shows them, close it with Escape,
save the report under the name the save dialog offers, confirm the message,
open and close the Preferences sheet by its access keys, quit with Ctrl+Q,
then read the report. Usage (under X): e2e_demo.py <quillomat-demo>"""
import math, re, sys, time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import Program, check, finish, press, wait_for, x  # noqa: E402
from accessibility import Atspi, ScreenReader, find  # noqa: E402
from Xlib import X  # noqa: E402

CYCLE_SECONDS = 7  # the demo script's cycle lasts at most this long


def outline_all_around(stick):
    """Whether the screen shows the outline of a round gate around the stick's
    picture, in the theme's highlight blue, in 69 of 72 directions: the
    stick's present position, a dot, may hide a few."""
    box = Atspi.Component.get_extents(stick, Atspi.CoordType.SCREEN)
    left, top, width, height = box.x, box.y, box.width, box.height
    pixels = x.screen().root.get_image(left, top, width, height, X.ZPixmap, 0xffffffff).data
    radius = (width / 2 - 4) / math.sqrt(2)  # full deflection, as the picture draws it
    blue = lambda px, py: (lambda b, g, r: b > r + 60)(*pixels[4 * (py * width + px):][:3])
    return sum(any(blue(int(width / 2 + r * math.cos(a)), int(height / 2 - r * math.sin(a)))
                   for r in [radius * f / 100 for f in range(90, 111)])
               for a in [math.radians(5 * d) for d in range(72)]) >= 69


with ScreenReader() as reader, Program(sys.argv[1]) as program:
    window = program.started()
    wait_for(lambda: "Quillomat Demo Pad: offered" in program.stderr(), "demo pad in the popup")
    press(program.windows("sheet")[0], "Escape")
    wait_for(lambda: list(program.windows().values()) == ["window"], "end of the instructions")
    press(window, "Down")  # the popup has the focus; Down picks its first row, the pad
    time.sleep(CYCLE_SECONDS + 0.2)  # the whole cycle, and the last sample of it
    press(window, "ctrl+d")
    wait_for(lambda: len(program.windows("window")) == 2, "Device window")
    app = reader.program()
    heard, outlined = {}, {}
    for name in ("Left stick", "Right stick"):
        stick = wait_for(lambda: find(app, "image", name), name)
        heard[name] = stick.get_description()
        outlined[name] = outline_all_around(stick)
    errors = [float(re.match(r"Circularity error: ([0-9.]+)%", said).group(1))
              for said in heard.values()]
    check(errors[0] < 2 and 11 < errors[1] < 13 and outlined["Left stick"],
          f"the Device window's sticks: {heard}; the round outline all around: {outlined}")
    press([w for w in program.windows("window") if w != window][0], "Escape")
    wait_for(lambda: list(program.windows().values()) == ["window"], "end of the Device window")
    press(window, "Return")  # Save..., the window's default button
    dialog = wait_for(lambda: program.windows("dialog"), "save dialog")[0]
    press(dialog, "Return")  # the name it offers, in the working folder
    report = program.home / "Quillomat Demo Pad.txt"
    message = wait_for(lambda: report.exists() and [
        w for w in program.windows("dialog") if w != dialog], "message")[0]
    press(message, "Return")
    wait_for(lambda: not program.windows("dialog"), "end of the message")
    press(window, "alt+h", "p")  # Help, Preferences...
    preferences = wait_for(lambda: program.windows("dialog"), "Preferences sheet")[0]
    press(preferences, "Escape")
    wait_for(lambda: not program.windows("dialog"), "end of the Preferences sheet")
    press(window, "ctrl+q")
    status = program.process.wait(timeout=10)
    text = report.read_text()

print(text, end="")
rows = re.findall(r"^(.+?)(?: \((.+)\))? : Minimum = (-?\d+), Default = -?\d+, "
                  r"Maximum = (-?\d+)$", text, re.M)
ranges = {name: (int(low), int(high)) for name, _, low, high in rows}
expected = {f"Axis {i}": (-32768, 32767) for i in range(6)} | {"Hat 0": (0, 8)} | {
    f"Button {i}": (0, 1) for i in range(15)}
check(status == 0 and text.startswith("Quillomat Demo Pad\n\n") and text.endswith("\n") and
      len(text.splitlines()) == 2 + len(rows) and ranges == expected and
      rows[0][1] == "left stick X" and rows[6][1] == "A",
      f"status {status}; a report of the pad's 22 elements, by their roles, each through "
      "its whole range")
finish()
