#!/bin/bash
# The real program on the command line, without a display, as a build pipeline runs it: notation
# names in both languages, the language kept in tintara.ini, pictures of every format the plugins
# read, and the refusals a script must be able to tell apart by exit code and message.
set -eu
BUILD_DIR=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# A portable copy keeps tintara.ini beside it, so that this run cannot touch the user's settings.
cp "$BUILD_DIR/tintara" "$BUILD_DIR/tintara.chm" "$WORK/"
T() { env -u DISPLAY LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$WORK/tintara" "$@"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
# expect CODE STDOUT STDERR-PART -- ARGUMENTS: the exit code, standard output and a part of standard error.
expect() {
    local code=$1 out=$2 err=$3 got=0
    shift 4
    T "$@" >"$WORK/out" 2>"$WORK/err" || got=$?
    [ "$got" = "$code" ] || fail "tintara $* exited $got, not $code: $(cat "$WORK/err")"
    [ "$out" = '*' ] || [ "$(cat "$WORK/out")" = "$out" ] || fail "tintara $* printed '$(cat "$WORK/out")', not '$out'"
    [ -z "$err" ] || grep -qF -- "$err" "$WORK/err" || fail "tintara $* said '$(cat "$WORK/err")', without '$err'"
}

# Every name of the copy menu in German and English, the copy formats and the short forms a script writes.
while IFS='|' read -r name value; do
    for language in de en; do
        expect 0 "$value" '' -- --language "$language" --convert '#2563EB' --to "$name"
    done
done <<'NAMES'
CMYK color value|198;136;0;20
CMYK-Farbwert|198;136;0;20
cmyk|198;136;0;20
HTML hex value|#2563EB
  html-HEXWERT |#2563EB
html|#2563EB
Hex value|2563EB
hex|2563EB
RGB value|37,99,235
rgb|37,99,235
Visual Studio .NET color value|37;99;235
css oklch()|oklch(0.546 0.215 262.9)
oklch|oklch(0.546 0.215 262.9)
hsl|hsl(221.2 83.2% 53.3%)
NAMES
expect 2 '' 'Unbekannte Schreibweise' -- --convert '#2563EB' --to 'Farbe'
expect 2 '' 'Unknown notation' -- --language en --convert '#2563EB' --to 'color'

# The labels follow the language of the run; without --language, the one kept in tintara.ini.
first_line() { T "$@" | head -n 1; }
[ "$(first_line --convert '#2563EB')" = 'HTML-Hexwert: #2563EB' ] || fail "German is not the default"
[ "$(first_line --language en --convert '#2563EB')" = 'HTML hex value: #2563EB' ] || fail "--language en labels in German"
printf '[Oberflaeche]\r\nSprache=en\r\n' > "$WORK/tintara.ini"
[ "$(first_line --convert '#2563EB')" = 'HTML hex value: #2563EB' ] || fail "the language kept in tintara.ini is not used"
[ "$(first_line --language de --convert '#2563EB')" = 'HTML-Hexwert: #2563EB' ] || fail "--language de does not win"
T --help | grep -qF 'Shows this help.' || fail "--help does not follow tintara.ini"
rm "$WORK/tintara.ini"

# --help says which forms are read; an opacity below 1 is left out, and said so on standard error.
T --help | tr -s ' \n' ' ' | grep -qF '#rrggbbaa, rgb(), rgba(), hsl(), hsla(), hwb(), lab(), lch(), oklab(), oklch(), color()' || fail "--help does not list the forms it reads"
! T --help | grep -qi 'jede CSS' || fail "--help still claims every CSS form"
expect 0 '#FF0000' 'Die Deckkraft 50,2 % von „#FF000080“ bleibt unberücksichtigt' -- --convert '#FF000080' --to html
expect 0 '#010203' 'The opacity 25 % of “rgb(1 2 3 / 25%)” is left out' -- --language en --convert 'rgb(1 2 3 / 25%)' --to html
expect 0 '#010203' '' -- --convert 'rgb(1 2 3 / 1)' --to html
[ ! -s "$WORK/err" ] || fail "an opaque colour gave a note: $(cat "$WORK/err")"

# Pictures in WebP and TIFF, written here, are read; a format no reader here takes is named.
convert -size 60x20 xc:'#C81E28' -size 40x20 xc:'#1E5AC8' +append "$WORK/bild.png"
for format in webp tiff tif png gif bmp; do
    convert "$WORK/bild.png" -define webp:lossless=true "$WORK/bild.$format"
    expect 0 "$(printf '#C81E28 60.0\n#1E5AC8 40.0')" '' -- --extract "$WORK/bild.$format" --count 2
done
printf '\0\0\0\034ftypavif\0\0\0\0avifmif1miaf' > "$WORK/bild.avif"
expect 1 '' 'im Format AVIF' -- --extract "$WORK/bild.avif"

# A picture cut off is refused, as a whole one read; also a GIF or BMP, whose readers fill the rest.
convert -size 200x200 plasma:fractal -depth 8 "$WORK/gross.png"
convert "$WORK/gross.png" "$WORK/gross.gif"
convert "$WORK/gross.png" BMP3:"$WORK/gross.bmp"
for format in gif bmp png; do
    [ "$format" = png ] || convert "$WORK/gross.png" "$WORK/gross.$format"
    size=$(stat -c %s "$WORK/gross.$format")
    head -c $((size / 2)) "$WORK/gross.$format" > "$WORK/halb.$format"
    [ "$format" = png ] && cut='kann nicht gelesen werden' || cut='unvollständig'
    expect 1 '' "$cut" -- --extract "$WORK/halb.$format"
    expect 0 '*' '' -- --extract "$WORK/gross.$format"
done
# A whole picture through a pipe is whole; a FIFO that nobody writes into is refused, not waited on.
cat "$WORK/bild.png" | expect 0 "$(printf '#C81E28 60.0\n#1E5AC8 40.0')" '' -- --extract /dev/stdin --count 2
mkfifo "$WORK/rohr"
expect 1 '' 'noch nichts angekommen' -- --extract "$WORK/rohr"
# Vector pictures have no cost bound: refused. A picture without an opaque pixel has no colours.
printf '<svg xmlns="http://www.w3.org/2000/svg" width="9" height="9"><rect width="9" height="9" fill="red"/></svg>' \
    > "$WORK/bild.svg"
expect 1 '' 'Vektorgrafik (SVG)' -- --extract "$WORK/bild.svg"
{ cat "$WORK/bild.png"; head -c $((33 << 20)) /dev/zero; } > "$WORK/riesig.png"
expect 1 '' 'Tintara Studio liest Bilder bis 32 MiB' -- --extract "$WORK/riesig.png"
convert -size 10x10 xc:none "$WORK/leer.png"
expect 1 '' 'kein deckendes Pixel' -- --extract "$WORK/leer.png"
# --format json as a pipeline reads it with jq, in a German session: numbers with a decimal point.
if command -v jq >/dev/null 2>&1; then
    code=0
    T --contrast '#767676' white --min AAA --format json > "$WORK/gate.json" 2>"$WORK/err" || code=$?
    [ "$code" = 1 ] || fail "a pair below --min AAA exited $code with --format json"
    [ "$(jq -r '[.wcag.ratio, .apca.lc, .passes, .minimum.ratio] | @csv' "$WORK/gate.json")" = '4.54,71.6,false,7' ] \
        || fail "jq read $(cat "$WORK/gate.json")"
    [ "$(T --scale '#2563EB' --at 500 --format json | jq -r '.steps[] | select(.name == "500") | .hex')" = '#2563EB' ] \
        || fail "jq found no step 500 of #2563EB"
    [ "$(T --convert 'rgb(37 99 235)' --format json | jq -c '.rgb')" = '[37,99,235]' ] || fail "jq read no RGB"
    [ "$(T --extract "$WORK/bild.png" --format json | jq '.colors | length')" -ge 1 ] || fail "jq read no picture colours"
else
    echo "jq is not installed: its reading of the JSON is skipped"
fi
# CSS Color 4's other forms, outside sRGB as a browser on an sRGB screen shows them (colorjs.io's figures).
expect 0 '#BF5702' '' -- --convert 'lab(50% 40 59)' --to html
expect 0 '#FF0B0C' '' -- --convert 'color(display-p3 1 0 0)' --to html
expect 0 '#FF0B0C' 'Deckkraft' -- --convert 'color(display-p3 1 0 0 / 0.5)' --to html
# A theme's check in a German session: decimal points, and exit 1 for the pair that falls short.
printf '[Palette]\r\nFarbe1=16777215\r\nFarbeGes1=1\r\n[Farbrollen]\r\nbackground=1\r\ntext-muted=#6B7280\r\n' > "$WORK/rollen.tsf"
expect 1 'light  text-muted on background       4.83:1 (4.5)  Lc  73.6 (45)  passes
dark   text-muted on background       4.83:1 (4.5)  Lc  34.9 (45)  FAILS' 'Farbpaar' -- --export theme-css "$WORK/rollen.tsf" --check
# What did not reach standard output is a failure, also for --help and --version.
for option in --help --version; do
    code=0
    T "$option" >/dev/full 2>"$WORK/err" || code=$?
    [ "$code" = 1 ] || fail "$option into a full disk exited $code, not 1"
    grep -q 'Standardausgabe' "$WORK/err" || fail "$option into a full disk gave no reason"
done
echo "real command line: every case as expected"
