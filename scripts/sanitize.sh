#!/bin/sh
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# folder of their own and runs the unit and widget tests there.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTINTARA_BUILD_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake --build build-asan -j"$(nproc)"
cd build-asan
# Qt and fontconfig keep caches for the life of the process; leaks are not what this run looks for.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest -LE e2e -j"$(nproc)" --output-on-failure
