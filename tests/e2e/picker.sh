#!/bin/bash
# Picker mode: press on the magnifier, drag the pointer onto a known colour on the screen, release.
. "$(dirname "$0")/lib.sh"

# Slot 1 shows the colour to pick: (200, 100, 50).
printf '[Palette]\r\nFarbe1=3302600\r\nFarbeGes1=1\r\n' > "$WORK/tintara.ini"
start_program
wait_for "slot 1 does not show its colour" pixel_is 213 48 "#C86432"
xdotool key F4
# The magnifier stands at 11, 72 + 116 and is 168 x 231; slot 1 at 190 + 11, 36 + 6.
xdotool mousemove $(at 90 300) mousedown 1
xdotool mousemove $(at 150 100)
xdotool mousemove $(at 213 48)
wait_for "the colour display does not follow the pointer" pixel_is 95 145 "#C86432"
xdotool mouseup 1
# edHTML at 115, 72 + 360 shows the value once the button is up; read it through the clipboard.
xdotool mousemove $(at 150 442) click 1 key ctrl+a ctrl+c
wait_for "the editor does not show the picked colour" clipboard_is "#C86432"
close_window
echo "picker: passed"
