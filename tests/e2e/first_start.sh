#!/bin/bash
# First start without tintara.ini, then close: the written file holds every default.
. "$(dirname "$0")/lib.sh"

start_program
close_window
ini="$WORK/tintara.ini"
[ -f "$ini" ] || fail "no tintara.ini was written"
expect() { grep -q "^$1"$'\r$' "$ini" || fail "tintara.ini lacks $1"; }
expect "Farbanzeige=0"
for n in 1 2 3 4 5; do expect "Clipbrd$n=-16777201"; done
expect "Backgrnd=0" # the stored background starts at 0; only its restore defaults to clBtnFace
expect "BackgrndS=0"
for n in 1 2 3 4; do expect "Pal$n=-16777201"; expect "Pal${n}Ges=0"; done
for n in $(seq 16); do expect "Farbe$n=0"; expect "FarbeGes$n=0"; expect "Feld$n="; done
for key in Modus Links Oben Vorschlag Abstufungen Tray Deckkraft Zoomfaktor; do expect "$key=0"; done
expect "Rahmen=1"
for n in $(seq 0 17); do expect "Opt$n=1"; done
[ "$(head -c 9 "$ini")" = "[Farben]"$'\r' ] || fail "[Farben] is not the first section"
echo "first_start: passed"
