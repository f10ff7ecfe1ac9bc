#!/bin/bash
# Tray mode with a notification-area host: F10 hides the window, a left click on the icon opens
# the scheme menu, a colour goes to the clipboard, "Tintara Studio anzeigen" brings the window back.
. "$(dirname "$0")/lib.sh"

trayer --edge bottom --align right --widthtype pixel --width 100 --height 24 --transparent false &
TRAYER=$!
trap 'kill "$PID" "$TRAYER" 2>/dev/null || true; rm -rf "$WORK"' EXIT
sleep 1
printf '[Optionen]\r\nOpt0=1\r\n[Palette]\r\nFarbe1=33023\r\nFarbeGes1=1\r\n[Modus]\r\nTray=0\r\n' > "$WORK/tintara.ini"
start_program
xdotool key F10
sleep 1
xdotool search --onlyvisible --name "Orbelin Tintara Studio" >/dev/null && fail "the window is still shown"

icon=$(xwininfo -root -tree | grep '("tintara" "tintara")  22x22' | head -1)
[ -n "$icon" ] || fail "no icon in the notification area"
ix=$(echo "$icon" | sed -E 's/.* \+([0-9]+)\+([0-9]+)$/\1/')
iy=$(echo "$icon" | sed -E 's/.* \+([0-9]+)\+([0-9]+)$/\2/')
xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
sleep 0.6
xdotool key Down Return # the first entry: slot 1
sleep 0.4
[ "$(xclip -o -selection clipboard)" = "#FF8000" ] || fail "the clipboard does not hold slot 1"

xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
sleep 0.6
xdotool key Up Return # the last entry: "Tintara Studio anzeigen"
sleep 0.8
xdotool search --onlyvisible --name "Orbelin Tintara Studio" >/dev/null || fail "the window did not come back"
close_window
echo "tray: passed"
