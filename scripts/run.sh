#!/bin/sh
# Installs what building and running need, where it is missing, builds the program alone, and starts it.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh run
sh scripts/build.sh program
exec ./build/tintara "$@"
