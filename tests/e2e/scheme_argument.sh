#!/bin/bash
# A scheme file named on the command line shows in the slots, reaches tintara.ini on closing
# and comes back at the next start.
. "$(dirname "$0")/lib.sh"

printf '[Palette]\r\nFarbe3=16711680\r\nFarbeGes3=1\r\n[Hints]\r\nFeld3=Blau\r\n' > "$WORK/blau.tsf"
start_program "$WORK/blau.tsf"
# Slot 3 stands at 190 + 71, 36 + 6 and is 25 x 25.
wait_for "slot 3 does not show the scheme's blue" pixel_is 273 48 "#0000FF"
close_window
grep -q $'^Farbe3=16711680\r$' "$WORK/tintara.ini" || fail "tintara.ini does not hold slot 3"
grep -q $'^FarbeGes3=1\r$' "$WORK/tintara.ini" || fail "tintara.ini does not mark slot 3 used"
grep -q $'^Feld3=Blau\r$' "$WORK/tintara.ini" || fail "tintara.ini lost the info text"

start_program
wait_for "slot 3 is not restored at the next start" pixel_is 273 48 "#0000FF"
close_window
echo "scheme_argument: passed"
