#!/bin/bash
# Zoom 200 % by Ctrl++: the window takes twice its size, and a swatch's pixels lie where the layout
# puts them, at twice the coordinates. The next start keeps the zoom.
. "$(dirname "$0")/lib.sh"

# Slot 1 (190 + 11, 36 + 6, 25 x 25) shows (200, 100, 50).
printf '[Palette]\r\nFarbe1=3302600\r\nFarbeGes1=1\r\n' > "$WORK/tintara.ini"
start_program
wait_for "slot 1 does not show its colour" pixel_is 213 48 "#C86432"
WIDTH1=$WIDTH HEIGHT1=$HEIGHT MENU1=$MENU
size_is() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]
}
# A device pixel of the window, from the top left of its client area below the menu bar.
device_pixel_is() {
    [ "$(import -window root -crop "1x1+$((WX + $1))+$((WY + 2 * MENU1 + $2))" -depth 8 txt:- | tail -1 |
        grep -o '#[0-9A-F]\{6\}')" = "$3" ]
}

for step in 1 2 3 4; do
    xdotool key ctrl+plus
done
wait_for "the window is not twice its size at 200 %" size_is $((2 * WIDTH1)) $((2 * HEIGHT1))
[ "$WIDTH" = 1432 ] || fail "the client area is $WIDTH wide, not 1432"
xdotool key ctrl+plus # the last step stays
# The inside of slot 1, layout pixels 202..224 x 43..65, is device pixels 404..449 x 86..131.
for corner in "404 86" "449 86" "404 131" "449 131" "426 108"; do
    wait_for "slot 1 does not cover device pixel $corner" device_pixel_is $corner "#C86432"
done
device_pixel_is 398 108 "#C86432" && fail "slot 1 reaches beyond its left edge"
device_pixel_is 426 150 "#C86432" && fail "slot 1 reaches below its bottom edge"
close_window
grep -aq "Zoom=200" "$WORK/tintara.ini" || fail "tintara.ini does not keep the zoom"

start_program
wait_for "the next start is not at 200 %" size_is $((2 * WIDTH1)) $((2 * HEIGHT1))
xdotool key ctrl+0
wait_for "Ctrl+0 does not give back 100 %" size_is "$WIDTH1" "$HEIGHT1"
close_window
echo "zoom_window: passed"
