#!/usr/bin/python3
"""What a screen reader receives from the real program over AT-SPI: names,
roles, relations and descriptions of its controls, fresh values in the element
list without an announcement for each refresh, the About box read as a
dialog when it appears, and the rumble it starts stopped by a signal. The test starts its own D-Bus session and
accessibility bus, and says it is a screen reader, as Orca does.
Usage (under X): screen_reader.py <quillomat-demo>"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "support"))
from desktop import Program, check, finish, press, wait_for  # noqa: E402
from accessibility import Atspi, ScreenReader, click, descendants, find, pump  # noqa: E402

events = []

with ScreenReader() as reader, Program(sys.argv[1]) as program:
    listener = Atspi.EventListener.new(events.append)
    for kind in ("window:activate", "object:text-changed", "object:property-change"):
        listener.register(kind)
    program.started()
    app = reader.program()
    sheet = wait_for(lambda: find(app, "dialog"), "instructions")
    check(sheet.get_name() == "Instructions", f"the instructions are named: {sheet.get_name()!r}")
    wait_for(lambda: "offered" in program.stderr(), "demo pad in the popup")
    window = program.dismiss_sheet()
    popup, tree = find(app, "combo box"), find(app, "tree")
    save = find(app, "push button", "Save...")
    labels = [target.get_name() for relation in popup.get_relation_set()
              if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
              for target in [relation.get_target(0)]]
    described = save.get_description().startswith("Saves the minimum, default and maximum")
    check(popup.get_name() == "Select a USB device:" and labels == ["Select a USB device:"] and
          tree.get_name() == "Elements" and described,
          f"popup {popup.get_name()!r} labelled by {labels}, list {tree.get_name()!r}, "
          f"Save described: {described}")

    # Each read gives the present values; the refreshes are not announced.
    press(window, "Down", "Tab")
    row = lambda: [Atspi.Table.get_accessible_at(tree, 0, column).get_name() for column in range(4)]
    first = wait_for(lambda: Atspi.Table.get_n_rows(tree) and row(), "rows")
    events.clear()
    later = wait_for(lambda: (values := row()) != first and values, "fresh values")
    pump(1)
    announced = [event.type for event in events]
    check(not announced, f"row 0 read {first}, then {later}; announced meanwhile: {announced}")

    press(window, "alt+h", "a")
    pump(1)
    about = [event.source for event in events if event.type == "window:activate" and
             event.source.get_role_name() == "dialog"]
    said = about[0].get_name() + ": " + about[0].get_description() if about else "nothing"
    check(said.startswith('About Quillomat: Quillomat 1.0. Developed by "Brindlecove'),
          f"the About box, as it appears: {said}")
    # What shows after it keeps its own roles.
    click(find(app, "menu item", "Preferences..."))
    sheet = wait_for(lambda: find(app, "dialog", "Preferences"), "Preferences")
    roles = sorted(f"{control.get_role_name()} {control.get_name()}"
                   for control in descendants(sheet) if control.get_name())
    check(roles == ["check box Automatically check for update at launch.",
                    "check box Reset the preferences at next launch.", "push button Ok"],
          f"Preferences' controls: {roles}")
    # Both motors started in the Device window stop when a signal ends the
    # program; the demo pad says on standard error what it was asked.
    click(find(sheet, "push button", "Ok"))
    click(find(app, "menu item", "Device window"))
    click(wait_for(lambda: find(app, "push button", "Both motors"), "Device window"))
    wait_for(lambda: "rumble 65535 65535" in program.stderr(), "rumble")
    program.quit("TERM")
    asked = [line.split(": ")[1] for line in program.stderr().splitlines() if "Pad: rumble" in line]
    check(asked == ["rumble 65535 65535", "rumble 0 0"], f"the rumble asked, then at SIGTERM: {asked}")
finish()
