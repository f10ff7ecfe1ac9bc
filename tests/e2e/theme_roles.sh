#!/bin/bash
# A theme from a scheme: four slots dragged onto the roles' light swatches, the dark colours
# derived, the test web page shown in the dark mode, and the roles exported as CSS. The dark pair of
# white and #333333 is #121212 and #D4D4D4 (colorjs.io: 12.639:1 against 12.635:1 in light).
. "$(dirname "$0")/lib.sh"

printf '[Optionen]\r\nOpt0=0\r\n' > "$WORK/tintara.ini"
printf '[Palette]\r\nFarbe1=16777215\r\nFarbeGes1=1\r\nFarbe2=3355443\r\nFarbeGes2=1\r\nFarbe3=15426341\r\nFarbeGes3=1\r\nFarbe4=16777215\r\nFarbeGes4=1\r\n' \
    > "$WORK/rollen.tsf"
start_program "$WORK/rollen.tsf"
wait_for "the scheme was not loaded" pixel_is 273 48 "#2563EB"
open_menu click_at 106 -10            # "Modul" in the menu bar
choose Up Return                      # its last entry, "Farbrollen"
# The page at 190, 72: light swatches at 120, dark at 164, a row of 26 from 44 for each role.
drag_from_to 213 48 330 127           # slot 1 onto "Hintergrund"
drag_from_to 243 48 330 179           # slot 2 onto "Text"
drag_from_to 273 48 330 257           # slot 3 onto "Primär"
drag_from_to 303 48 330 283           # slot 4 onto "Text auf Primär"
wait_for "the dark background is not derived" pixel_is 374 127 "#121212"
wait_for "the dark text is not derived" pixel_is 374 179 "#D4D4D4"
wait_for "the primary did not arrive" pixel_is 330 257 "#2563EB"

click_at 289 14                       # "Testwebseite"
open_menu click_at 283 372            # the colour roles' list below the role list (6, 290 on the page)
choose Down Down Return               # "Farbrollen: Dunkel"
# The mock page's content area stands at 505..703, 195..458 of a window at the top left.
wait_for "the page's background is not the dark one" pixel_is 690 418 "#121212"
text_shows() { import -window root -crop "160x120+$((WX + 530))+$((WY + MENU + 240))" -depth 8 txt:- | grep -q '#D4D4D4'; }
wait_for "the page's text is not the dark one" text_shows

click_at 328 18                       # "Farbschema exportieren"
open_menu click_at 266 105            # the format list
choose End Up Up Return               # "Farbrollen als CSS", before tokens and Tailwind
click_at 309 432                      # "Export starten"
answer_file_dialog "Speichern unter" "$WORK/rollen"
wait_for "no CSS was written" test -s "$WORK/rollen.css"
env -u DISPLAY "$WORK/tintara" --export theme-css "$WORK/rollen.tsf" --role background=1 --role text=2 \
    --role primary=3 --role on-primary=4 > "$WORK/expected.css"
cmp -s "$WORK/rollen.css" "$WORK/expected.css" || fail "the CSS is $(cat "$WORK/rollen.css")"
grep -qF '    --background: light-dark(#ffffff, #121212);' "$WORK/rollen.css" || fail "no light-dark() background"
close_window
echo "theme_roles: passed"
