#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time; a finding fails.
set -e
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-10}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTINTARA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in inifile schemefile oldscheme configuration htmltocolor inputfilters palettefiles pictures; do
    mkdir -p "$work/$target"
    cp fuzz/corpus/$target/* "$work/$target/"
    if ! (cd "$work" && "$OLDPWD/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 \
            -print_final_stats=1 "$target" > "$target.log" 2>&1); then
        tail -n 40 "$work/$target.log"
        echo "fuzz_$target: FINDING (the input is kept in $work)"
        trap - EXIT
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$target.log" | grep -o '[0-9]*$') executions in ${seconds}s, no finding"
done
