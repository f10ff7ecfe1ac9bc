#!/usr/bin/python3
"""Asks a window to close, as its title-bar close button does (WM_DELETE_WINDOW)."""
import sys

from Xlib import X, display, protocol

window_id = int(sys.argv[1])
d = display.Display()
window = d.create_resource_object("window", window_id)
protocols = d.intern_atom("WM_PROTOCOLS")
delete = d.intern_atom("WM_DELETE_WINDOW")
event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [delete, X.CurrentTime, 0, 0, 0]))
window.send_event(event, event_mask=X.NoEventMask)
d.flush()
