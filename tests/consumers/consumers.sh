#!/bin/bash
# The programs that build web sites read what Tintara writes: Tailwind CSS v4's own command line
# builds utilities from the theme, Style Dictionary 4 and 5 turn the design tokens into CSS
# variables, css-tree parses the CSS variables and knows their colours. scripts/install-deps.sh
# installs them here with npm; without them the test is skipped.
set -u
here=$(cd "$(dirname "$0")" && pwd)
tintara="$1/tintara"
tools="$here/node_modules"
if [ ! -x "$tools/.bin/tailwindcss" ] || [ ! -d "$tools/style-dictionary-4" ] || [ ! -d "$tools/style-dictionary-5" ] \
    || [ ! -d "$tools/css-tree" ]; then
    echo "Tailwind CSS, Style Dictionary and css-tree are not installed (npm ci in tests/consumers): skipped"
    exit 77
fi
# Inside this folder, so that the programs find their packages as a project's build would.
work=$(mktemp -d "$here/run.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
headless() { env -u DISPLAY "$tintara" "$@"; }
cd "$work"

# Slot 5 keeps a colour beyond sRGB (Display P3's vivid green) beside its fallback #00C300. The
# theme's roles: slot 4 (black) as the text on white, slot 1 as the primary with white on it.
printf '[Palette]\nFarbe1=15426341\nFarbeGes1=1\nFarbe2=16708588\nFarbeGes2=1\nFarbe3=255\nFarbeGes3=1\nFarbe4=0\nFarbeGes4=1\nFarbe5=49920\nFarbeGes5=1\n[Hints]\nFeld1=primary-500\nFeld2=primary-50\nFeld3=Akzent Rot\nFeld5=vivid\n[Erweiterungen]\nOKLCH5=0.700070 0.299350 145.071800\n[Farbrollen]\nbackground=#FFFFFF\ntext=4\nprimary=1\non-primary=#FFFFFF\n' \
    > scheme.tsf

# Tailwind: the scheme's theme and a scale's theme give utilities with the colours written.
headless --export tailwind scheme.tsf -o scheme-theme.css || fail "the Tailwind export failed"
headless --scale '#2563EB' --at 500 --name brand --format tailwind > scale-theme.css || fail "the scale's theme failed"
printf '@import "tailwindcss";\n@import "./scheme-theme.css";\n@import "./scale-theme.css";\n' > input.css
echo '<p class="bg-primary-500 text-akzent-rot border-farbe-4 bg-brand-500 text-brand-950 bg-vivid"></p>' > index.html
"$tools/.bin/tailwindcss" -i input.css -o site.css 2> tailwind.log || fail "Tailwind CSS failed: $(cat tailwind.log)"
for utility in bg-primary-500:background-color text-akzent-rot:color border-farbe-4:border-color \
    bg-brand-500:background-color text-brand-950:color bg-vivid:background-color; do
    name=${utility%%:*} property=${utility#*:}
    grep -A1 "^  \.$name {" site.css | grep -q "$property: var(--color-${name#*-});" \
        || fail "Tailwind built no $name from the theme"
done
grep -q -- '--color-primary-500: oklch(0.546 0.215 262.9);' site.css || fail "the theme's colour did not reach the site"
grep -q -- '--color-vivid: oklch(0.70007 0.29935 145.072);' site.css || fail "the wide colour did not reach the site"
# The theme's roles: bg-background and dark:bg-background, the dark colour under Tailwind's dark variant.
headless --export theme-tailwind scheme.tsf -o roles-theme.css || fail "the roles' Tailwind export failed"
mkdir roles && printf '@import "tailwindcss";\n@import "../roles-theme.css";\n' > roles/input.css
echo '<p class="bg-background dark:bg-background text-text"></p>' > roles/index.html
(cd roles && "$tools/.bin/tailwindcss" -i input.css -o site.css 2> tailwind.log) || fail "Tailwind CSS failed on the roles"
grep -q -- '--color-background: oklch(1.000 0.000 0.0);' roles/site.css || fail "no light background in the site"
grep -A2 '^ *\.dark\\:bg-background {' roles/site.css | grep -q 'background-color: var(--color-background);' \
    || fail "Tailwind built no dark:bg-background"
awk '/@media \(prefers-color-scheme: dark\)/ { dark = 1 } dark && /--color-background: oklch\(0.182 0.000 0.0\);/ { found = 1 }
     END { exit !found }' roles/site.css || fail "the dark variant does not switch the background: $(cat roles/site.css)"
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
headless --export theme-tokens scheme.tsf -o theme-object.json || fail "the roles' token export failed"
headless --export theme-tokens scheme.tsf --token-value hex -o theme-hex.json || fail "the roles' hex tokens failed"
for run in 4:hex.json 5:hex.json 5:object.json 4:scale-hex.json 4:theme-hex.json 5:theme-object.json; do
    version=${run%%:*} tokens=${run#*:}
    node build.mjs "$tools/style-dictionary-$version/lib/StyleDictionary.js" "$tokens" "out-$version-$tokens" 2> sd.log \
        || fail "Style Dictionary $version failed on $tokens: $(cat sd.log)"
    css="out-$version-$tokens/variables.css"
    ! grep -q 'object Object' "$css" || fail "Style Dictionary $version wrote objects for $tokens"
    if [ "$tokens" = scale-hex.json ]; then
        grep -q -- "--brand-500: #2563eb;" "$css" || fail "Style Dictionary $version lost the scale's 500: $(cat "$css")"
    elif [ "${tokens#theme}" != "$tokens" ]; then
        for line in '--light-background: #ffffff;' '--light-text: #000000;' '--dark-background: #121212;' \
            '--dark-text: #ffffff;' '--dark-on-primary: #121212;'; do
            grep -q -- "$line" "$css" || fail "Style Dictionary $version lacks $line in $(cat "$css")"
        done
    else
        for line in '--primary-500: #2563eb;' '--primary-50: #ecf3fe;' '--akzent-rot: #ff0000;' '--farbe-4: #000000;' \
            '--vivid: #00c300;'; do
            grep -q -- "$line" "$css" || fail "Style Dictionary $version lacks $line in $(cat "$css")"
        done
    fi
done

# css-tree: the CSS variables, the wide colour's @supports block too, parse, and each value is a CSS colour.
headless --export cssvars scheme.tsf -o variables.css || fail "the CSS variables export failed"
cat > colours.mjs <<'JS'
const [, , pkg, file] = process.argv;
const csstree = await import(pkg);
const fs = await import('node:fs');
const ast = csstree.parse(fs.readFileSync(file, 'utf8'), { parseCustomProperty: true, onParseError: (e) => { throw e; } });
const seen = [];
csstree.walk(ast, { visit: 'Declaration', enter(node) {
  // A custom property takes any text: its value must be a colour. Other properties are checked as CSS knows them.
  const custom = node.property.startsWith('--');
  const match = custom ? csstree.lexer.matchType('color', node.value) : csstree.lexer.matchDeclaration(node);
  if (match.error) throw new Error(`${node.property}: ${csstree.generate(node.value)} is ${custom ? 'no colour' : 'not valid'}`);
  seen.push(`${node.property}: ${csstree.generate(node.value)}`);
} });
const supports = [];
csstree.walk(ast, { visit: 'Atrule', enter(node) { supports.push(`${node.name} ${csstree.generate(node.prelude)}`); } });
console.log(seen.join('\n'));
console.log(supports.join('\n'));
JS
node colours.mjs "$tools/css-tree/lib/index.js" variables.css > colours.txt 2> csstree.log \
    || fail "css-tree refused the CSS variables: $(cat csstree.log)"
grep -qx -- '--vivid: #00c300' colours.txt || fail "css-tree found no fallback: $(cat colours.txt)"
grep -qx -- '--vivid: color(display-p3 0.101 0.771 0.000)' colours.txt || fail "css-tree found no P3 colour: $(cat colours.txt)"
grep -qx 'supports (color:color(display-p3 0 0 0))' colours.txt || fail "css-tree found no @supports: $(cat colours.txt)"
headless --export theme-css scheme.tsf -o theme.css || fail "the roles' CSS export failed"
node colours.mjs "$tools/css-tree/lib/index.js" theme.css > theme-colours.txt 2> csstree.log \
    || fail "css-tree refused the roles' CSS: $(cat csstree.log)"
for line in 'color-scheme: light dark' '--background: light-dark(#ffffff,#121212)' '--text: #ffffff' \
    'media (prefers-color-scheme:dark)'; do
    grep -qxF -- "$line" theme-colours.txt || fail "css-tree found no $line: $(cat theme-colours.txt)"
done
echo "Tailwind CSS, Style Dictionary 4 and 5 and css-tree read every file"
