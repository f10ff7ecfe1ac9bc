#!/bin/sh
# The English translation source holds every text of the code and the forms, each translated, and
# nothing more: lupdate run over the sources changes nothing in it.
set -e
lupdate=$1
source=$2
copy=$(mktemp --suffix=.ts)
trap 'rm -f "$copy"' EXIT
cp "$source/resources/translations/tintara_en.ts" "$copy"
sh "$source/scripts/update-translations.sh" "$lupdate" "$copy"
if ! cmp -s "$copy" "$source/resources/translations/tintara_en.ts"; then
    echo "lupdate finds texts that are new or gone; run scripts/update-translations.sh and translate:"
    diff "$source/resources/translations/tintara_en.ts" "$copy" | head -40
    exit 1
fi
if grep -n 'type="unfinished"\|type="obsolete"\|type="vanished"' "$copy"; then
    echo "entries above are not translated"
    exit 1
fi
