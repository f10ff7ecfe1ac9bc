#!/bin/bash
# Change the copy format and the background, close, start again: both are restored.
. "$(dirname "$0")/lib.sh"

start_program
click_at 367 18                       # "Einstellungen"
click_at 458 334                      # cbTrayFormat at 190 + 208, 72 + 252
xdotool key Down Down Return          # HTML -> Hex -> RGB
sleep 0.3
click_at 34 18                        # back to the colour finder
background=$(pixel_at 236 108)        # proposal 1
click_at 236 108 3
xdotool key Down Down Down Return     # "Als Hintergrundfarbe"
sleep 0.4
[ "$(pixel_at 700 440)" = "$background" ] || fail "the module area did not take the background"
close_window

start_program
[ "$(pixel_at 700 440)" = "$background" ] || fail "the background was not restored"
click_at 236 108 3
xdotool key Down Return               # the quick copy names the restored format
sleep 0.4
xclip -o -selection clipboard | grep -Eq '^[0-9]+,[0-9]+,[0-9]+$' || fail "the quick copy is not in the RGB format"
close_window
echo "options_restore: passed"
