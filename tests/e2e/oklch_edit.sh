#!/bin/bash
# Edit in OKLCH: F12 shows the L, C and H bars; chroma and hue typed, lightness dragged with the
# mouse; the active colour is the colour a browser shows for that oklch(), on screen and in the
# HTML field.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
xdotool key F12
# The bottom row of the C bar is chroma 0 (the maximum is at the top): the start colour's lightness
# (65.2 %) as a grey, #909090 (colorjs.io), where the RGB and HSV bars have their arrow buttons.
wait_for "F12 did not show the OKLCH bars" pixel_is 58 424 "#909090"
click_at 62 442                       # edOkC at 46, 72 + 360
xdotool key ctrl+a type --delay 60 "0,2"
click_at 97 442                       # edOkH at 81, 72 + 360
xdotool key ctrl+a type --delay 60 "250"
# The L bar (11, 72 + 150) steps 0.5 % a pixel row below its 2-pixel frame, 100 % at the top:
# row 76 is 62 %.
drag_from_to 23 364 23 300
# oklch(0.62 0.2 250) lies outside sRGB; colorjs.io's toGamut({method: "css"}) gives #0087F8.
wait_for "the active colour display does not show #0087F8" pixel_is 95 145 "#0087F8"
click_at 150 442                      # edHTML
xdotool key ctrl+a ctrl+c
wait_for "the HTML field does not say #0087F8" clipboard_is "#0087F8"
close_window
echo "oklch_edit: passed"
