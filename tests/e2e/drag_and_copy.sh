#!/bin/bash
# Drag a colour-finder proposal onto slot 3, then copy its HTML value from the context menu.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini" # start from the layout's colours
start_program
wait_for "the finder shows no proposal" pixel_is_not 236 108 "#000000"
expected=$(pixel_at 236 108) # the middle of proposal 1
drag_from_to 236 108 273 48
wait_for "slot 3 did not take the proposal's colour" pixel_is 273 48 "$expected"

open_menu click_at 274 49 3
open_submenu Down Down Right # "Farbwert kopieren"
choose Return # "HTML-Hexwert"
wait_for "the clipboard does not hold $expected" clipboard_is "$expected"
close_window
echo "drag_and_copy: passed"
