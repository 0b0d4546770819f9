#!/usr/bin/python3
"""The real program on desktops as people have them: first bare, then with a
window manager (openbox), then with a compositor (xcompmgr) too, each started
here. It must open wholly on the screen whatever its preferences file says,
bring its instructions down over its window, speak the user's language in
Qt's own dialogs too, and show its About box where a compositor draws it.
Usage (under X): on_a_desktop.py <quillomat>"""
import sys, tempfile, time
from pathlib import Path
from Xlib import X, protocol

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import (Helper, Program, check, finish, frame_geometry, press,  # noqa: E402
                     property_value, screen_size, wait_for, window_manager, x)

binary = sys.argv[1]


def on_screen(window):
    left, top, width, height = frame_geometry(window)
    screen_width, screen_height = screen_size()
    return left >= 0 and top >= 0 and left + width <= screen_width and \
        top + height <= screen_height


def sheet_over_window(desktop):
    with Program(binary) as program:
        window = program.started()
        sheet = program.windows("sheet")[0]
        left, top, width, height = frame_geometry(window)
        sheet_left, sheet_top, sheet_width, _ = frame_geometry(sheet)
        over = left <= sheet_left and sheet_left + sheet_width <= left + width and \
            top <= sheet_top < top + height / 2
        check(over, f"{desktop}: the instructions come down over the window at {left},{top}: "
              f"they are at {sheet_left},{sheet_top}")


def maximise(window):
    atom = x.intern_atom
    x.screen().root.send_event(protocol.event.ClientMessage(
        window=x.create_resource_object("window", window), client_type=atom("_NET_WM_STATE"),
        data=(32, [1, atom("_NET_WM_STATE_MAXIMIZED_VERT"),
                   atom("_NET_WM_STATE_MAXIMIZED_HORZ"), 1, 0])),
        event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    x.sync()


sheet_over_window("no window manager")
with window_manager():
    sheet_over_window("openbox")

    # Sizes from a damaged file, a place on a monitor since unplugged: the
    # window fits the screen, and a signal is served at once.
    for stored in ("MAINWINDOWWIDTH = 1e12\nMAINWINDOWHEIGHT = inf\n",
                   "MAINWINDOWLEFT = 3000\nMAINWINDOWTOP = 2000\n"):
        with tempfile.TemporaryDirectory() as config:
            Path(config, "Quillomat").write_text(stored)
            with Program(binary, config=config) as program:
                window = program.started()
                fits = on_screen(window)
                status, _, took = program.quit("TERM")
                check(fits and status == 0 and took < 5, f"{stored!r}: on the screen {fits}, "
                      f"status {status} after {took:.1f} s")

    # Maximised when it quit: back on the screen, frame and all.
    with tempfile.TemporaryDirectory() as config:
        with Program(binary, config=config) as program:
            window = program.dismiss_sheet()
            maximise(window)
            wait_for(lambda: frame_geometry(window)[2:] == screen_size(), "maximised window")
            program.quit("TERM")
        with Program(binary, config=config) as program:
            window = program.started()
            check(on_screen(window), f"maximised before: now {frame_geometry(window)}")

    # Our texts and Qt's own dialog in the user's language, which ships only
    # for another of its regions.
    def title(window):
        return x.create_resource_object("window", window).get_full_property(
            x.intern_atom("_NET_WM_NAME"), 0).value.decode()
    with Program(binary, environment={"LANGUAGE": "pt_PT", "LANG": "pt_PT.UTF-8"}) as program:
        program.started()
        sheet = title(program.windows("sheet")[0])
        press(program.dismiss_sheet(), "Return")
        dialog = title(wait_for(lambda: program.windows("dialog"), "save dialog")[0])
        check((sheet, dialog) == ("Instruções", "Salvar como"),
              f"in Portugal: the instructions {sheet!r}, the save dialog {dialog!r}")
        program.quit("TERM")

    # The About box fades in where a compositor draws it: by the opacity the
    # window manager passes on to it.
    with Helper("xcompmgr"), Program(binary) as program:
        window = program.dismiss_sheet()
        press(window, "alt+h", "a")  # Help, About...
        about = wait_for(lambda: [w for w in program.windows("window") if w != window], "About")[0]
        levels = [0]
        deadline = time.monotonic() + 3
        while time.monotonic() < deadline and levels[-1] < 0.9:
            levels.append((property_value(about, "_NET_WM_WINDOW_OPACITY") or 0) / 0xffffffff)
            time.sleep(0.05)
        check(levels[-1] >= 0.9 and sorted(levels) == levels,
              f"the About box fades in: {', '.join(f'{level:.2f}' for level in levels[::5])}")
        program.quit("TERM")
finish()
