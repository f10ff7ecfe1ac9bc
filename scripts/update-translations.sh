#!/bin/sh
# Takes the texts of the code and the forms into the English translation source: new texts come in
# unfinished, texts no longer used go. `lupdate` may be given as the first argument, a copy of the
# translation source to work on as the second.
set -e
cd "$(dirname "$0")/.."
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
ts=${2:-resources/translations/tintara_en.ts}
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui -I . \
    main.cpp cli color controls exchange mainwindow model pages platform rules resources/tform1.ui resources/pages \
    -ts "$ts"
