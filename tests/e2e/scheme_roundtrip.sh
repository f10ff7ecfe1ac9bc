#!/bin/bash
# Take the proposals into the scheme, save it through the dialog, start a new scheme, load it back.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
wait_for "the finder shows no proposal" pixel_is_not 236 108 "#000000"
click_at 157 54                       # "Vorschlagfarben in Farbschema übernehmen"
wait_for "slot 1 did not take proposal 1" pixel_is 213 48 "$(pixel_at 236 108)"
slot1=$(pixel_at 213 48)

click_at 79 54                        # "Farbschema speichern"
answer_file_dialog "Speichern unter" "$WORK/mein"
wait_for "the scheme file was not written with its extension" grep -q $'^FarbeGes1=1\r$' "$WORK/mein.tsf"

click_at 17 54                        # "Neues Farbschema": the question, answered Yes
wait_dialog "Tintara Studio"
xdotool key Return
wait_for "the new scheme did not empty slot 1" pixel_is_not 213 48 "$slot1"

click_at 48 54                        # "Farbschema laden"
answer_file_dialog "Öffnen" "$WORK/mein.tsf"
wait_for "loading the file did not bring slot 1 back" pixel_is 213 48 "$slot1"
close_window
echo "scheme_roundtrip: passed"
