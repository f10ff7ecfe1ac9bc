#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a bounded time; a finding fails. Each
# starts from the small seeds kept in fuzz/corpus and the large ones fuzz/seeds.sh writes; targets
# that read files may grow their inputs to 64 KiB.
set -e
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-10}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTINTARA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in inifile schemefile oldscheme configuration htmltocolor inputfilters palettefiles pictures \
              largefile clipboardpicture colormime recentfiles commandvalues; do
    case $target in
    inifile | schemefile | oldscheme | configuration | palettefiles | pictures | recentfiles | largefile) max_len=65536 ;;
    *) max_len=4096 ;;
    esac
    mkdir -p "$work/$target"
    [ ! -d "fuzz/corpus/$target" ] || cp fuzz/corpus/$target/* "$work/$target/"
    sh fuzz/seeds.sh "$target" "$work/$target"
    if ! (cd "$work" && "$OLDPWD/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" \
            -print_final_stats=1 "$target" > "$target.log" 2>&1); then
        tail -n 40 "$work/$target.log"
        echo "fuzz_$target: FINDING (the input is kept in $work)"
        trap - EXIT
        exit 1
    fi
    executions=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$work/$target.log" | grep -o '[0-9]*$')
    coverage=$(grep -E '^#[0-9]+' "$work/$target.log" | tail -n 1 | grep -o 'cov: [0-9]*' | grep -o '[0-9]*$')
    largest=$(ls -S "$work/$target" | head -n 1)
    echo "fuzz_$target: $executions executions in ${seconds}s, coverage $coverage, largest input" \
         "$(stat -c %s "$work/$target/$largest") bytes, no finding"
done
