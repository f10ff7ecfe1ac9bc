#!/bin/bash
# Take the proposals into the scheme, save it through the dialog, start a new scheme, load it back.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
click_at 157 54                       # "Vorschlagfarben in Farbschema übernehmen"
slot1=$(pixel_at 213 48)
[ "$slot1" = "$(pixel_at 236 108)" ] || fail "slot 1 did not take proposal 1"

click_at 79 54                        # "Farbschema speichern"
answer_file_dialog "$WORK/mein"
grep -q $'^FarbeGes1=1\r$' "$WORK/mein.tsf" || fail "the scheme file was not written with its extension"

click_at 17 54                        # "Neues Farbschema": the question, answered Yes
sleep 0.6
xdotool key Return
sleep 0.5
[ "$(pixel_at 213 48)" != "$slot1" ] || fail "the new scheme did not empty slot 1"

click_at 48 54                        # "Farbschema laden"
answer_file_dialog "$WORK/mein.tsf"
[ "$(pixel_at 213 48)" = "$slot1" ] || fail "loading the file did not bring slot 1 back"
close_window
echo "scheme_roundtrip: passed"
