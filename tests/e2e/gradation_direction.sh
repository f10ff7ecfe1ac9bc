#!/bin/bash
# Choose "Heller" for the scheme's brightness gradations, close, start again: the program starts
# and the page shows the choice.
. "$(dirname "$0")/lib.sh"

printf '[Palette]\r\nFarbe1=25800\r\nFarbeGes1=1\r\n' > "$WORK/tintara.ini" # slot 1: (200, 100, 0)
start_program
xdotool key F8
# Abstuf1 stands at 190 + 6, 72 + 6; "Dunkel nach Hell" starts 90 % darker.
wait_for "the gradations do not start dark" pixel_is 208 86 "#140A00"
open_menu click_at 300 431            # cbAbstufung at 190 + 52, 72 + 349
choose Down Return                    # "Heller": 5 % lighter
wait_for "the gradations did not follow the choice" pixel_is 208 86 "#CA6B0C"
close_window
grep -q $'^Abstufungen=1\r$' "$WORK/tintara.ini" || fail "tintara.ini does not hold the choice"

start_program
xdotool key F8
wait_for "the restored choice is not shown" pixel_is 208 86 "#CA6B0C"
close_window
echo "gradation_direction: passed"
