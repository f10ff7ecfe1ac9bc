#!/bin/sh
# Configures and builds into build/ (or the folder given as BUILD_DIR).
set -e
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" $CMAKE_ARGS
cmake --build "$build_dir" -j"$(nproc)"
