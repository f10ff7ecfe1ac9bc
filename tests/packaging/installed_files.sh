#!/bin/sh
# What `cmake --install` puts on a system: the help in both languages as CHM and as HTML, and entries that software
# centres and desktops accept as they are.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" | sed "s|$prefix/||"
for html in html html_en; do
    for page in index editor export farbschema; do
        test -s "$prefix/share/doc/tintara/$html/$page.html" || { echo "help page $html/$page.html is not installed"; exit 1; }
    done
done
for chm in tintara.chm tintara_en.chm; do
    test -s "$prefix/share/tintara/$chm" || { echo "$chm is not installed"; exit 1; }
done
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/de.tintara.studio.metainfo.xml"
desktop-file-validate "$prefix/share/applications/tintara.desktop"
echo "installed files: valid"
