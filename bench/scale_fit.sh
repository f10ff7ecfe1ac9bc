#!/bin/sh
# Prints how near the tonal scale comes to Tailwind CSS's palettes (v4, whose figures the curves
# were fitted to, and v3, which they were not), family by family. Usage: bench/scale_fit.sh [BUILD]
set -eu
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for version in 4 3; do
    mkdir "$work/v$version"
    (cd "$work/v$version" && npm pack --silent "tailwindcss@$version" >/dev/null && tar xzf tailwindcss-*.tgz)
done
cmake --build "$build" --target scale_fit >/dev/null
"$build/bench/scale_fit" "$work/v4/package/theme.css" "$work/v3/package/lib/public/colors.js"
