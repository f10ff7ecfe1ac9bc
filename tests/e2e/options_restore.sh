#!/bin/bash
# Change the background and the copy format, close, start again: both are restored.
. "$(dirname "$0")/lib.sh"

start_program
wait_for "the window was not drawn" pixel_is_not 700 440 "#000000"
standard=$(pixel_at 700 440)
background=$(pixel_at 236 108)        # proposal 1
[ "$background" != "$standard" ] || fail "proposal 1 looks like the standard background"
open_menu click_at 236 108 3
choose Down Down Down Return          # "Als Hintergrundfarbe"
wait_for "the module area did not take the background" pixel_is 700 440 "$background"
click_at 367 18                       # "Einstellungen"
open_menu click_at 458 334            # cbTrayFormat at 190 + 208, 72 + 252
choose Down Down Return               # HTML -> Hex -> RGB
click_at 17 18                        # back to the colour finder
wait_for "the finder did not show the background again" pixel_is 700 440 "$background"
close_window

start_program
wait_for "the background was not restored" pixel_is 700 440 "$background"
open_menu click_at 236 108 3
choose Down Return                    # the quick copy names the restored format
wait_for "the quick copy is not in the RGB format" clipboard_matches '^[0-9]+,[0-9]+,[0-9]+$'
close_window
echo "options_restore: passed"
