#!/bin/bash
# Start-up of the real program under Xvfb beside a bare Qt window of the same size: time until
# each window is mapped, runs interleaved so that both see the same machine; prints the medians,
# their ratio and the program's resident memory a moment after start.
# Usage: bench/startup_bench.sh [build folder] [runs]
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD_DIR=$(cd "${1:-build}" && pwd)
RUNS=${2:-9}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$BUILD_DIR" "$RUNS"
fi
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cp "$BUILD_DIR/tintara" "$BUILD_DIR/tintara.chm" "$BUILD_DIR/bench/bare_window" "$WORK/"

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Starts `program` and waits until the X server maps its window titled `title`; leaves the
# milliseconds in $ms and the process id in $pid.
time_to_window() {
    ms=$(/usr/bin/python3 "$HERE/time_to_window.py" "$2" "$1" 2>"$WORK/pid")
    pid=$(cat "$WORK/pid")
}

# The programs are not this shell's children: wait until the process is gone.
stop() {
    kill "$1"
    while kill -0 "$1" 2>/dev/null; do sleep 0.01; done
}

program=() bare=() rss=()
for _ in $(seq "$RUNS"); do
    rm -f "$WORK/tintara.ini"
    time_to_window "$WORK/tintara" "Orbelin Tintara Studio"
    program+=("$ms")
    sleep 0.5
    rss+=($(awk '/VmRSS/ { print $2 }' "/proc/$pid/status"))
    stop "$pid"
    time_to_window "$WORK/bare_window" "Bare window of Tintara size"
    bare+=("$ms")
    stop "$pid"
done
program_ms=$(printf '%s\n' "${program[@]}" | median)
bare_ms=$(printf '%s\n' "${bare[@]}" | median)
echo "runs: $RUNS"
echo "program window mapped after (median): $program_ms ms"
echo "bare Qt window mapped after (median): $bare_ms ms"
echo "ratio: $(awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "%.2f", p / b }')"
echo "resident memory after start (median): $(( $(printf '%s\n' "${rss[@]}" | median) / 1024 )) MiB"
