#!/bin/bash
# A finder colour dropped on used slot 3 is taken back with Ctrl+Z and given again with Ctrl+Y;
# the configuration written at the close holds the final state.
. "$(dirname "$0")/lib.sh"

# Slot 3 holds (0, 0, 255); the active colour is a grey the finder builds its proposals from.
printf '[Farben]\r\nFarbanzeige=8421504\r\n[Palette]\r\nFarbe3=16711680\r\nFarbeGes3=1\r\n' > "$WORK/tintara.ini"
start_program
wait_for "slot 3 does not show its blue" pixel_is 273 48 "#0000FF"
wait_for "the finder shows no proposal" pixel_is_not 236 108 "#000000"
proposal=$(pixel_at 236 108)
[ "$proposal" != "#0000FF" ] || fail "the proposal is the slot's own colour"
drag_from_to 236 108 273 48
wait_for "slot 3 did not take the proposal" pixel_is 273 48 "$proposal"

xdotool key ctrl+z
wait_for "Ctrl+Z did not give slot 3 its blue back" pixel_is 273 48 "#0000FF"
xdotool key ctrl+y
wait_for "Ctrl+Y did not give slot 3 the proposal again" pixel_is 273 48 "$proposal"

close_window
rgb=${proposal#\#}
stored=$((16#${rgb:4:2} * 65536 + 16#${rgb:2:2} * 256 + 16#${rgb:0:2}))
grep -q $'^Farbe3='"$stored"$'\r$' "$WORK/tintara.ini" || fail "tintara.ini does not hold the proposal in slot 3"
grep -q $'^FarbeGes3=1\r$' "$WORK/tintara.ini" || fail "tintara.ini does not mark slot 3 used"
echo "undo_redo: passed"
