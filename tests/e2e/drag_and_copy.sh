#!/bin/bash
# Drag a colour-finder proposal onto slot 3, then copy its HTML value from the context menu.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini" # start from the layout's colours
start_program
expected=$(pixel_at 236 108) # the middle of proposal 1
drag_from_to 236 108 273 48
[ "$(pixel_at 273 48)" = "$expected" ] || fail "slot 3 did not take the proposal's colour"

click_at 274 49 3
xdotool key Down Down Right Return # "Farbwert kopieren" > "HTML-Hexwert"
sleep 0.3
copied=$(xclip -o -selection clipboard)
[ "$copied" = "$expected" ] || fail "the clipboard holds '$copied', not $expected"
close_window
echo "drag_and_copy: passed"
