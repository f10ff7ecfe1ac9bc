#!/bin/bash
# Start-up of the real program under Xvfb: time until its window is mapped and resident memory
# a moment later, over several runs; prints the medians.
# Usage: bench/startup_bench.sh [build folder] [runs]
set -eu
BUILD_DIR=$(cd "${1:-build}" && pwd)
RUNS=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$BUILD_DIR" "$RUNS"
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$BUILD_DIR/tintara" "$BUILD_DIR/tintara.chm" "$WORK/"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
times=() rss=()
for _ in $(seq "$RUNS"); do
    rm -f "$WORK/tintara.ini"
    start=$(date +%s%N)
    "$WORK/tintara" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "Orbelin Tintara Studio" >/dev/null 2>&1; do sleep 0.01; done
    end=$(date +%s%N)
    sleep 1
    times+=($(( (end - start) / 1000000 )))
    rss+=($(awk '/VmRSS/ { print $2 }' "/proc/$pid/status"))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
echo "runs: $RUNS"
echo "window mapped after (median): $(printf '%s\n' "${times[@]}" | median) ms"
echo "resident memory after start (median): $(( $(printf '%s\n' "${rss[@]}" | median) / 1024 )) MiB"
