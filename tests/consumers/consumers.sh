#!/bin/bash
# The programs that build web sites read what Tintara writes: Tailwind CSS v4's own command line
# builds utilities from the theme, Style Dictionary 4 and 5 turn the design tokens into CSS
# variables. scripts/install-deps.sh installs them here with npm; without them the test is skipped.
set -u
here=$(cd "$(dirname "$0")" && pwd)
tintara="$1/tintara"
tools="$here/node_modules"
if [ ! -x "$tools/.bin/tailwindcss" ] || [ ! -d "$tools/style-dictionary-4" ] || [ ! -d "$tools/style-dictionary-5" ]; then
    echo "Tailwind CSS and Style Dictionary are not installed (npm ci in tests/consumers): skipped"
    exit 77
fi
# Inside this folder, so that the programs find their packages as a project's build would.
work=$(mktemp -d "$here/run.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
headless() { env -u DISPLAY "$tintara" "$@"; }
cd "$work"

printf '[Palette]\nFarbe1=15426341\nFarbeGes1=1\nFarbe2=16708588\nFarbeGes2=1\nFarbe3=255\nFarbeGes3=1\nFarbe4=0\nFarbeGes4=1\n[Hints]\nFeld1=primary-500\nFeld2=primary-50\nFeld3=Akzent Rot\n' \
    > scheme.tsf

# Tailwind: the scheme's theme and a scale's theme give utilities with the colours written.
headless --export tailwind scheme.tsf -o scheme-theme.css || fail "the Tailwind export failed"
headless --scale '#2563EB' --at 500 --name brand --format tailwind > scale-theme.css || fail "the scale's theme failed"
printf '@import "tailwindcss";\n@import "./scheme-theme.css";\n@import "./scale-theme.css";\n' > input.css
echo '<p class="bg-primary-500 text-akzent-rot border-farbe-4 bg-brand-500 text-brand-950"></p>' > index.html
"$tools/.bin/tailwindcss" -i input.css -o site.css 2> tailwind.log || fail "Tailwind CSS failed: $(cat tailwind.log)"
for utility in bg-primary-500:background-color text-akzent-rot:color border-farbe-4:border-color \
    bg-brand-500:background-color text-brand-950:color; do
    name=${utility%%:*} property=${utility#*:}
    grep -A1 "^  \.$name {" site.css | grep -q "$property: var(--color-${name#*-});" \
        || fail "Tailwind built no $name from the theme"
done
grep -q -- '--color-primary-500: oklch(0.546 0.215 262.9);' site.css || fail "the theme's colour did not reach the site"
brand500=$(grep -- '--color-brand-500:' scale-theme.css | sed 's/^ *//')
grep -qF -- "$brand500" site.css || fail "the scale's 500 did not reach the site"

# Style Dictionary: version 4 reads the hex text only, version 5 both forms.
headless --export tokens scheme.tsf -o object.json || fail "the token export failed"
headless --export tokens scheme.tsf --token-value hex -o hex.json || fail "the hex token export failed"
headless --scale '#2563EB' --at 500 --name brand --format tokens --token-value hex > scale-hex.json \
    || fail "the scale's tokens failed"
cat > build.mjs <<'JS'
const [, , pkg, source, out] = process.argv;
const { default: StyleDictionary } = await import(pkg);
const dictionary = new StyleDictionary({
  source: [source],
  log: { verbosity: 'silent' },
  platforms: { css: { transformGroup: 'css', buildPath: out + '/', files: [{ destination: 'variables.css', format: 'css/variables' }] } },
});
await dictionary.buildAllPlatforms();
JS
for run in 4:hex.json 5:hex.json 5:object.json 4:scale-hex.json; do
    version=${run%%:*} tokens=${run#*:}
    node build.mjs "$tools/style-dictionary-$version/lib/StyleDictionary.js" "$tokens" "out-$version-$tokens" 2> sd.log \
        || fail "Style Dictionary $version failed on $tokens: $(cat sd.log)"
    css="out-$version-$tokens/variables.css"
    ! grep -q 'object Object' "$css" || fail "Style Dictionary $version wrote objects for $tokens"
    if [ "$tokens" = scale-hex.json ]; then
        grep -q -- "--brand-500: #2563eb;" "$css" || fail "Style Dictionary $version lost the scale's 500: $(cat "$css")"
    else
        for line in '--primary-500: #2563eb;' '--primary-50: #ecf3fe;' '--akzent-rot: #ff0000;' '--farbe-4: #000000;'; do
            grep -q -- "$line" "$css" || fail "Style Dictionary $version lacks $line in $(cat "$css")"
        done
    fi
done
echo "Tailwind CSS and Style Dictionary 4 and 5 read every file"
