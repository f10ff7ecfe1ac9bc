#!/bin/bash
# A pick at 150 %: a layout pixel covers one and a half device pixels, and the pick still reads the
# one device pixel under the pointer. One-pixel stripes tell its neighbours apart.
. "$(dirname "$0")/lib.sh"

/usr/bin/python3 "$HERE/stripes.py" 1000 800 &
STRIPES=$!
trap 'kill "$PID" "$STRIPES" 2>/dev/null || true; rm -rf "$WORK"' EXIT
stripe_shown() { [ "$(import -window root -crop 1x1+1001+810 -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}')" = "#0000FF" ]; }
wait_for "the stripes do not show" stripe_shown
start_program
xdotool key ctrl+plus ctrl+plus
size_is_150() {
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    [ "$WIDTH" = 1074 ]
}
wait_for "the window does not zoom to 150 %" size_is_150
MENU=$((HEIGHT - 735)) # the client area is 490 x 1.5 high
# A point of the layout on the screen at 150 %.
at150() { echo "$((WX + $1 * 3 / 2)) $((WY + MENU + $2 * 3 / 2))"; }

# Presses on the magnifier (11, 72 + 116, 168 x 231), releases over the device pixel x, 810 and
# reads edHTML (115, 72 + 360) through the clipboard.
pick_at() {
    xdotool mousemove $(at150 90 300) mousedown 1
    xdotool mousemove 900 700 mousemove "$1" 810 mouseup 1
    xdotool mousemove $(at150 150 442) click 1 key ctrl+a ctrl+c
}
# 1001 / 1.5 = 667.33: the layout pixel 667 starts at device pixel 1000.5, rounded 1001; 1003 / 1.5
# = 668.67 rounds to 669, whose first device pixel is 1004. Both neighbours are the other colour.
xdotool key F4
for pick in "1001 #0000FF" "1002 #FF0000" "1003 #0000FF"; do
    read -r x colour <<<"$pick"
    pick_at "$x"
    wait_for "the pick at device pixel $x did not read $colour" clipboard_is "$colour"
done
close_window
echo "zoom_pick: passed"
