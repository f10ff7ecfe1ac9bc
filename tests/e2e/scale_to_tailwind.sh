#!/bin/bash
# A brand colour becomes a tonal scale with the colour itself at 500, the scale goes into the
# scheme with its step names, and the export page writes the scheme as a Tailwind theme.
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
start_program
click_at 150 442                      # edHTML
xdotool key ctrl+a type --delay 60 "2563eb"
wait_for "the active colour is not #2563EB" pixel_is 95 145 "#2563EB"
open_menu click_at 106 -10            # "Modul" in the menu bar
choose Up Up Up Return                # "Farbskala", before "Bildfarben" and "Farbrollen"
# The base, lightness 0.546, is step 600 by itself (shStufe7 at 8, 104 + 6 * 21 on the page at 190, 72).
wait_for "the base is not step 600 by itself" pixel_is 226 311 "#2563EB"
open_menu click_at 446 107            # "Stufe der Basis" (cbBasisStufe at 206, 24)
choose Home Down Down Down Down Down Down Return  # "500", the seventh entry
wait_for "the base is not step 500" pixel_is 226 290 "#2563EB"
wait_for "step 600 still shows the base" pixel_is_not 226 311 "#2563EB"
click_at 661 156                      # "Ins Farbschema" (424, 73)
click_at 328 18                       # "Farbschema exportieren"
open_menu click_at 266 105            # the format list
choose End Up Up Up Return            # "Tailwind-Theme", before the three of the colour roles
click_at 309 432                      # "Export starten"
answer_file_dialog "Speichern unter" "$WORK/theme"
wait_for "no theme was written" test -s "$WORK/theme.css"
# The slots were empty, so the scheme's theme is the scale's own: the same names in the same order.
env -u DISPLAY "$WORK/tintara" --scale '#2563EB' --at 500 --format tailwind > "$WORK/expected.css"
cmp -s "$WORK/theme.css" "$WORK/expected.css" || fail "the theme is $(cat "$WORK/theme.css")"
grep -q '^  --color-primary-500: oklch(0.546 0.215 262.9);$' "$WORK/theme.css" || fail "step 500 is not #2563EB"
close_window
echo "scale_to_tailwind: passed"
