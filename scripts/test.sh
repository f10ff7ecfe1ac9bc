#!/bin/sh
# Installs what is missing, builds, and runs every test: unit, widget and end-to-end tests, the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
(cd build && ctest --output-on-failure -j"$(nproc)")
sh scripts/sanitize.sh
sh scripts/fuzz.sh
