#!/bin/bash
# The interface in English: chosen in tintara.ini, read from the screen, and F1 opens the English help.
# Without the setting the program speaks German, also where the system's language is English.
. "$(dirname "$0")/lib.sh"

# The desktop's opener, standing in for a help viewer: it notes what it was asked to open.
mkdir "$WORK/bin"
printf '#!/bin/sh\necho "$1" >> "%s/opened.log"\n' "$WORK" > "$WORK/bin/xdg-open"
printf '#!/bin/sh\necho chmviewer.desktop\n' > "$WORK/bin/xdg-mime"
chmod +x "$WORK/bin/xdg-open" "$WORK/bin/xdg-mime"
export PATH="$WORK/bin:$PATH"

# The words of the menu bar as the screen shows them, enlarged for the text recognition.
menu_bar_text() {
    import -window root -crop "716x$MENU+$WX+$WY" -resize 400% "$WORK/menu.png"
    tesseract "$WORK/menu.png" - 2>/dev/null | tr '\n' ' '
}
menu_bar_shows() { menu_bar_text | grep -qw "$1"; }

export LANG=en_US.UTF-8
start_program
wait_for "the menu bar does not read \"Hilfe\" without a language setting: $(menu_bar_text)" menu_bar_shows Hilfe
close_window

printf '[Oberflaeche]\r\nSprache=en\r\n' > "$WORK/tintara.ini"
export LANG=de_DE.UTF-8
start_program
wait_for "the menu bar does not read \"Help\": $(menu_bar_text)" menu_bar_shows Help
menu_bar_shows Hilfe && fail "the menu bar still reads \"Hilfe\""
xdotool key F1
opened_english_help() { grep -q '/tintara_en\.chm$' "$WORK/opened.log"; }
wait_for "F1 did not open the English help: $(cat "$WORK/opened.log" 2>/dev/null)" opened_english_help
close_window
grep -q '^Sprache=en'$'\r$' "$WORK/tintara.ini" || fail "the language was not kept"
echo "english_interface: passed"
