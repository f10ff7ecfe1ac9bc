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

# The colour verbs print numbers for scripts: a decimal point in a German session as anywhere.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 headless --contrast '#767676' white > "$WORK/kontrast.txt" \
    || fail "the contrast verb failed"
printf 'WCAG 2.2: 4.54:1 AA (large text: AAA)\nAPCA Lc: 71.6\nnearest passing text (4.5:1): #767676\nnearest passing background (4.5:1): #FFFFFF\n' \
    | cmp -s - "$WORK/kontrast.txt" || fail "the contrast verb printed $(cat "$WORK/kontrast.txt")"
# As a gate in a build: a pair below the minimum exits 1, also in a German session.
if LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 headless --contrast '#767676' white --min 4.6 > /dev/null 2>&1; then
    fail "a pair below --min 4.6 passed the gate"
fi
[ "$(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 headless --convert '#16A34A' --to 'CSS hsl()')" = 'hsl(142.1 76.2% 36.3%)' ] \
    || fail "the convert verb did not print the style sheet notation"

code=0
headless --export png "$WORK/farben.tsf" 2> "$WORK/error.txt" || code=$?
[ "$code" = 2 ] || fail "an unknown format exited with $code, not 2"
grep -q 'Exportformat "png"' "$WORK/error.txt" || fail "no message names the unknown format"

# A folder its user may not write into. Root writes anywhere, so as root (as CI runs) this step runs
# as the unprivileged user "nobody".
mkdir "$WORK/schreibgeschuetzt"
chmod 555 "$WORK/schreibgeschuetzt"
as_user() { "$@"; }
if [ "$(id -u)" = 0 ]; then
    chmod a+rx "$WORK"
    as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp "$@"; }
fi
code=0
as_user env -u DISPLAY "$WORK/tintara" --export gpl "$WORK/farben.tsf" -o "$WORK/schreibgeschuetzt/farben.gpl" \
    2>"$WORK/error.txt" || code=$?
[ "$code" = 1 ] || fail "a read-only target exited with $code, not 1"
grep -q 'kann nicht erstellt werden' "$WORK/error.txt" || fail "no message says the file cannot be made"
[ -z "$(ls -A "$WORK/schreibgeschuetzt")" ] || fail "the refused export left a file"

# Standard output on a full disk: a failure with its reason, not a silent success.
code=0
headless --export css "$WORK/farben.tsf" >/dev/full 2>"$WORK/error.txt" || code=$?
[ "$code" = 1 ] || fail "writing to a full disk exited with $code, not 1"
grep -q 'Standardausgabe' "$WORK/error.txt" || fail "no message says standard output failed"

# A device named with -o is written into, never replaced by a plain file.
full=/dev/full
if [ "$(id -u)" = 0 ]; then
    full=$WORK/voll
    mknod "$full" c 1 7
fi
code=0
headless --export gpl "$WORK/farben.tsf" -o "$full" 2>/dev/null || code=$?
[ "$code" = 1 ] || fail "-o on a full device exited with $code, not 1"
[ -c "$full" ] || fail "the device node was replaced"

# A FIFO's reader and a pipe get the picture itself.
mkfifo "$WORK/rohr"
cat "$WORK/rohr" > "$WORK/aus_rohr.bmp" &
reader=$!
headless --export bmp "$WORK/farben.tsf" -o "$WORK/rohr" || fail "the export into a FIFO failed"
wait "$reader"
[ -p "$WORK/rohr" ] || fail "the FIFO was replaced"
headless --export bmp "$WORK/farben.tsf" -o "$WORK/datei.bmp"
cmp -s "$WORK/aus_rohr.bmp" "$WORK/datei.bmp" || fail "the FIFO's reader did not get the picture"
headless --export bmp "$WORK/farben.tsf" -o /dev/stdout | cat > "$WORK/aus_pipe.bmp"
cmp -s "$WORK/aus_pipe.bmp" "$WORK/datei.bmp" || fail "-o /dev/stdout did not put the picture into the pipe"

# The window shows the same text on its export page.
start_program "$WORK/farben.tsf"
click_at 328 18                       # "Farbschema exportieren"
click_at 500 200                      # into the preview
xdotool key ctrl+a ctrl+c
wait_for "the page's preview differs from the printed style sheet" clipboard_is "$(cat "$WORK/stil.css")"
close_window
echo "command_line: passed"
