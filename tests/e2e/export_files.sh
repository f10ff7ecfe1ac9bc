#!/bin/bash
# Export the style sheet and a JPEG reference picture through the save dialog.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
click_at 157 54                       # fill the scheme from the finder
click_at 328 18                       # "Farbschema exportieren"
click_at 309 432                      # "Export starten"
answer_file_dialog "Speichern unter" "$WORK/stil"
wait_for "no style sheet was written" test -s "$WORK/stil.css"
grep -q $'^.farbe1 { color: #[0-9A-F]\\{6\\}; }\r$' "$WORK/stil.css" || fail "stil.css lacks the first class"

open_menu click_at 266 105            # the format list
choose Down Down Return               # "Referenzgrafik"
open_menu click_at 266 389            # the picture format
choose Down Return                    # "JPEG (*.jpg)"
click_at 309 432
answer_file_dialog "Speichern unter" "$WORK/bild"
wait_for "no JPEG was written" test -s "$WORK/bild.jpg"
[ "$(identify -format '%m %wx%h' "$WORK/bild.jpg")" = "JPEG 475x1320" ] || fail "the JPEG is not the 475 x 1320 picture"
close_window
echo "export_files: passed"
