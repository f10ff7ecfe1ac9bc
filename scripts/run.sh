#!/bin/sh
# Installs what is missing, builds, and starts Tintara Studio.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/build.sh
exec ./build/tintara "$@"
