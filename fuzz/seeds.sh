#!/bin/sh
# Writes large, structured seeds for a fuzz target into a folder, so that the fuzzer starts from
# files as big as users and attackers hand the program, not only from the small ones kept here.
# seeds.sh TARGET FOLDER
set -e
target=$1
out=$2
lines() { # lines COUNT FORMAT: COUNT lines of FORMAT, given the line number and then three channels
    awk -v n="$1" -v f="$2" 'BEGIN { for (i = 1; i <= n; i++) printf f, i, i % 256, (i * 7) % 256, (i * 13) % 256 }'
}
colours() { # colours COUNT FORMAT: the same, given the three channels and then the line number
    awk -v n="$1" -v f="$2" 'BEGIN { for (i = 1; i <= n; i++) printf f, i % 256, (i * 7) % 256, (i * 13) % 256, i }'
}
case $target in
inifile | schemefile | configuration | recentfiles | largefile)
    { printf '[Palette]\r\n'; lines 16 'Farbe%d=%d\r\n'; lines 16 'FarbeGes%d=1\r\n'; printf '[Hints]\r\n'
      lines 16 'Feld%d=Hinweis %d mit Umlauten \344\366\374\r\n'
      printf '[Zuletzt geoeffnet]\r\n'; lines 8 'Datei%d=/home/nutzer/farben%d.tsf\r\n'
      lines 400 '[Abschnitt%d]\r\nSchluessel=%d\r\n'; } > "$out/large.ini" ;;
oldscheme)
    { printf '[CFarben]\r\n'; lines 48 'CFarbe%d=%d\r\n'; lines 800 'Rest%d=%d\r\n'; } > "$out/large.ini" ;;
palettefiles)
    { printf 'GIMP Palette\nName: gross\nColumns: 16\n#\n'; colours 400 '%3d %3d %3d\tFarbe %d\n'; } > "$out/large.gpl"
    { printf '{"farben": {'; lines 150 '"f%d": {"$type": "color", "$value": "#%02x%02x%02x"}, '; printf '"z": {"$value": "#000000"}}}'; } \
        > "$out/large.json"
    lines 300 '.k%d { color: #%02X%02X%02X; }\n' > "$out/large.css" ;;
pictures)
    # A photo-like picture in each format, a few kilobytes.
    convert -size 48x36 plasma:fractal -seed 3 "$out/plasma.png"
    for format in jpg gif bmp webp tif; do convert "$out/plasma.png" "$out/plasma.$format"; done ;;
commandvalues)
    printf '1.15,1.3 2,3,4.5,7\n16\nCSS oklch()\napca\nBrand Blue / 2\n' > "$out/values" ;;
esac
