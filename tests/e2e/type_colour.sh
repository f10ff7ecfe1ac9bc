#!/bin/bash
# Type a colour into the HTML field: the active colour, the finder's centre and its ring follow.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
click_at 150 442                      # edHTML at 115, 72 + 360
xdotool key ctrl+a type --delay 60 "ff8000"
wait_for "the active colour display does not show #FF8000" pixel_is 95 145 "#FF8000"
wait_for "the finder's centre does not follow" pixel_is 371 244 "#FF8000"
wait_for "proposal 1 is not the hue 30 degrees on (yellow)" pixel_is 236 108 "#FFFF00"
close_window
echo "type_colour: passed"
