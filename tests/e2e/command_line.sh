#!/bin/bash
# The command line for build pipelines: exports without a display, the same text the export page
# shows, pictures libjpeg reads, and clear exit codes.
. "$(dirname "$0")/lib.sh"

printf '[Palette]\r\nFarbe1=1866728\r\nFarbeGes1=1\r\nFarbe3=14039866\r\nFarbeGes3=1\r\n[Hints]\r\nFeld1=Hintergrund Creme\r\n' \
    > "$WORK/farben.tsf"
headless() { env -u DISPLAY "$WORK/tintara" "$@"; }

headless --export css "$WORK/farben.tsf" > "$WORK/stil.css" || fail "the style sheet export failed"
grep -q '^.HintergrundCreme { color: #E87B1C; }$' "$WORK/stil.css" || fail "the style sheet lacks slot 1"

headless --export jpg --picture 2 "$WORK/farben.tsf" -o "$WORK/bild.jpg" || fail "the JPEG export failed"
djpeg "$WORK/bild.jpg" > "$WORK/bild.ppm" || fail "libjpeg cannot read the picture"

code=0
headless --export png "$WORK/farben.tsf" 2> "$WORK/error.txt" || code=$?
[ "$code" = 2 ] || fail "an unknown format exited with $code, not 2"
grep -q 'Exportformat "png"' "$WORK/error.txt" || fail "no message names the unknown format"

mkdir "$WORK/schreibgeschuetzt"
chmod 555 "$WORK/schreibgeschuetzt"
target=$WORK/schreibgeschuetzt/farben.gpl
touch "$target" 2>/dev/null && { rm -f "$target"; target=/proc/tintara-farben.gpl; } # root writes anywhere else
code=0
headless --export gpl "$WORK/farben.tsf" -o "$target" 2>/dev/null || code=$?
[ "$code" = 1 ] || fail "a read-only target exited with $code, not 1"
[ -z "$(ls -A "$WORK/schreibgeschuetzt")" ] || fail "the refused export left a file"

# The window shows the same text on its export page.
start_program "$WORK/farben.tsf"
click_at 328 18                       # "Farbschema exportieren"
click_at 500 200                      # into the preview
xdotool key ctrl+a ctrl+c
wait_for "the page's preview differs from the printed style sheet" clipboard_is "$(cat "$WORK/stil.css")"
close_window
echo "command_line: passed"
