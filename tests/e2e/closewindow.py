#!/usr/bin/python3
"""Asks a window to close, as its title-bar close button does (WM_DELETE_WINDOW).

With --when-told it connects first and sends only after a line on standard input, so that a
journey can make the X server busy at that moment.
"""
import sys

from Xlib import X, display, protocol

window_id = int(sys.argv[1])
d = display.Display()
window = d.create_resource_object("window", window_id)
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
if "--when-told" in sys.argv:
    print("ready", flush=True)
    sys.stdin.readline()
event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
# A round trip, not just a flush: an X server that finds a client gone before it has read its
# requests drops them, and on a busy machine the close request was lost that way.
d.sync()
