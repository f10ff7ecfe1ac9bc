#!/bin/bash
# Tray mode with a notification-area host: F10 hides the window, a left click on the icon opens
# the scheme menu, a colour goes to the clipboard, "Tintara Studio anzeigen" brings the window back.
. "$(dirname "$0")/lib.sh"

start_tray_host
printf '[Optionen]\r\nOpt0=1\r\n[Palette]\r\nFarbe1=33023\r\nFarbeGes1=1\r\n[Modus]\r\nTray=0\r\n' > "$WORK/tintara.ini"
start_program
xdotool key F10
wait_for "the window is still shown" window_gone "Orbelin Tintara Studio"

click_tray_icon
choose Down Return # the first entry: slot 1
wait_for "the clipboard does not hold slot 1" clipboard_is "#FF8000"

click_tray_icon
choose Up Return # the last entry: "Tintara Studio anzeigen"
wait_for "the window did not come back" window_shown "Orbelin Tintara Studio"
close_window
echo "tray: passed"
