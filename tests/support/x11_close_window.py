#!/usr/bin/python3
"""Asks an X11 window to close the way a window manager's close box does:
a WM_DELETE_WINDOW client message. Usage: x11_close_window.py <window id>"""
import sys

from Xlib import X, display, protocol


def main():
    window_id = int(sys.argv[1])
    connection = display.Display()
    window = connection.create_resource_object("window", window_id)
    protocols = connection.intern_atom("WM_PROTOCOLS")
    delete_window = connection.intern_atom("WM_DELETE_WINDOW")
    message = protocol.event.ClientMessage(
        window=window,
        client_type=protocols,
        data=(32, [delete_window, X.CurrentTime, 0, 0, 0]),
    )
    window.send_event(message, event_mask=X.NoEventMask)
    # A round trip: the server has handled the message before we hang up.
    connection.sync()
    connection.close()


if __name__ == "__main__":
    main()
