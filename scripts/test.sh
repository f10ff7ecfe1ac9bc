#!/bin/sh
# Installs what is missing, builds, and runs every test: the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets, then the unit, widget and end-to-end tests.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
sh scripts/sanitize.sh
sh scripts/fuzz.sh
cd build
ctest --output-on-failure -j"$(nproc)"
