#!/bin/bash
# A picture pasted from the desktop's clipboard: its dominant colours appear, largest first, and a
# click on the picture makes the pixel under the pointer the active colour.
. "$(dirname "$0")/lib.sh"

# Four areas: 40 % red, 30 % blue, 20 % yellow, 10 % green.
convert -size 40x20 xc:'#C81E28' -size 30x20 xc:'#145AC8' -size 20x20 xc:'#F0C81E' -size 10x20 xc:'#146E3C' \
    +append "$WORK/vier.png"
printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
open_menu click_at 106 -10           # "Modul" in the menu bar
choose Up Up Return                  # "Bildfarben", before "Farbrollen"
xclip -selection clipboard -t image/png -i "$WORK/vier.png" &
CLIP=$! # serves the clipboard until it is ended; the display's end ends it too
click_at 300 200                     # the picture area takes the page's keys
xdotool key ctrl+v
wait_for "the largest colour is not the red area" pixel_is 556 117 "#C81E28"   # shBildfarbe1 at 190 + 346, 72 + 36
wait_for "the second colour is not the blue area" pixel_is 556 138 "#145AC8"
kill "$CLIP" 2>/dev/null || true
# The picture, 100 x 20, fills the 330 pixels of the view: the yellow area lies at 70 to 90 %.
click_at $((198 + 330 * 8 / 10)) 274
wait_for "the click did not pick the yellow pixel" pixel_is 95 145 "#F0C81E"
close_window
echo "picture_colours: passed"
