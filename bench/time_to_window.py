#!/usr/bin/python3
"""Starts a program and prints the milliseconds until the X server maps its window titled TITLE.

Usage: time_to_window.py TITLE PROGRAM [ARGS...]
Listens for the map itself rather than polling, so the figure is not rounded to a polling step.
The program keeps running; its process id goes to standard error.
"""
import subprocess
import sys
import time

from Xlib import X, display


def title_of(d, window):
    for name in ("_NET_WM_NAME", "WM_NAME"):
        try:
            prop = window.get_full_property(d.intern_atom(name), X.AnyPropertyType)
        except Exception:  # the window may be gone already
            return ""
        if prop and prop.value:
            value = prop.value
            return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
    return ""


def main():
    title, program = sys.argv[1], sys.argv[2:]
    d = display.Display()
    d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    start = time.monotonic()
    process = subprocess.Popen(program, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while True:
        event = d.next_event()
        if event.type == X.MapNotify and title in title_of(d, event.window):
            elapsed = time.monotonic() - start
            break
    print(round(elapsed * 1000, 1))
    print(process.pid, file=sys.stderr)


main()
