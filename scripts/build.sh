#!/bin/sh
# Configures and builds into build/ (or the folder given as BUILD_DIR): with "program", the program
# alone; without it, the program with its tests and benchmarks.
set -e
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
if [ "$1" = program ]; then
    # A new folder is configured without tests (their libraries may be missing); one the tests were
    # configured in keeps them. The program alone is built either way.
    alone=""
    [ -f "$build_dir/CMakeCache.txt" ] || alone="-DTINTARA_BUILD_TESTS=OFF -DTINTARA_BUILD_BENCH=OFF"
    cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" $alone $CMAKE_ARGS
    cmake --build "$build_dir" -j"$(nproc)" --target tintara
    exit 0
fi
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DTINTARA_BUILD_TESTS=ON \
    -DTINTARA_BUILD_BENCH=ON $CMAKE_ARGS
cmake --build "$build_dir" -j"$(nproc)"
