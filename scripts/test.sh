#!/bin/sh
# Installs what is missing, builds, and runs every test: the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets, then the unit, widget and end-to-end tests, and the
# unit and widget tests once more in the German locale our users run.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
sh scripts/sanitize.sh
sh scripts/fuzz.sh
cd build
ctest --output-on-failure -j"$(nproc)"
echo "The unit and widget tests in the locale de_DE.UTF-8:"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest -LE e2e --output-on-failure -j"$(nproc)"
