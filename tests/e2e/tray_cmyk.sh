#!/bin/bash
# Tray mode with the copy format CMYK: choosing a colour shows its CMYK value in a box; confirming
# the box keeps the program running, and the session is saved at the end.
. "$(dirname "$0")/lib.sh"

start_tray_host
printf '[Palette]\r\nFarbe1=33023\r\nFarbeGes1=1\r\n[Modus]\r\nTray=7\r\n' > "$WORK/tintara.ini"
start_program
xdotool key F10
wait_for "the window is still shown" window_gone "Orbelin Tintara Studio"

click_tray_icon
choose Down Return # slot 1
wait_dialog "Tintara Studio"
xdotool key Return # OK
wait_for "the box did not close" window_gone "^Tintara Studio$"
kill -0 "$PID" 2>/dev/null || fail "confirming the box ended the program"

click_tray_icon
choose Up Return # "Tintara Studio anzeigen"
wait_for "the window did not come back" window_shown "Orbelin Tintara Studio"
rm "$WORK/tintara.ini"
close_window
grep -q $'^Tray=7\r$' "$WORK/tintara.ini" || fail "tintara.ini was not written at the end"
echo "tray_cmyk: passed"
