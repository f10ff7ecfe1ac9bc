# Shared steps of the end-to-end journeys: the real program in its own folder under Xvfb,
# driven with xdotool as a person would.
set -eu

BUILD_DIR=$1
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cp "$BUILD_DIR/tintara" "$BUILD_DIR/tintara.chm" "$WORK/" # a portable copy: settings beside it
PID=""

fail() { echo "FAILED: $*" >&2; exit 1; }

# Starts the program (arguments passed on) and waits for its window.
start_program() {
    "$WORK/tintara" "$@" >"$WORK/stdout.log" 2>&1 &
    PID=$!
    for _ in $(seq 50); do
        WID=$(xdotool search --name "Orbelin Tintara Studio" 2>/dev/null | head -1 || true)
        [ -n "$WID" ] && break
        sleep 0.2
    done
    [ -n "$WID" ] || fail "the main window did not appear"
    sleep 0.5
    xdotool windowfocus "$WID" # there is no window manager to give it the keyboard
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X
    WY=$Y
    MENU=$((HEIGHT - 490)) # the menu bar above the 716 x 490 client area
}

# Screen position of a point given in client-area coordinates.
at() { echo "$((WX + $1)) $((WY + MENU + $2))"; }
click_at() { xdotool mousemove $(at "$1" "$2") click "${3:-1}"; sleep 0.3; }
drag_from_to() {
    xdotool mousemove $(at "$1" "$2") mousedown 1; sleep 0.2
    xdotool mousemove $(at "$(( ($1 + $3) / 2 ))" "$(( ($2 + $4) / 2 ))"); sleep 0.1
    xdotool mousemove $(at "$3" "$4"); sleep 0.2
    xdotool mouseup 1; sleep 0.3
}
# Types a path into the file dialog that has just opened and confirms it.
answer_file_dialog() {
    sleep 0.8
    xdotool key ctrl+a type --delay 20 "$1"
    xdotool key Return
    sleep 0.8
}
# Colour of a client-area pixel as #RRGGBB.
pixel_at() {
    import -window root -crop "1x1+$((WX + $1))+$((WY + MENU + $2))" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}'
}
close_window() {
    /usr/bin/python3 "$HERE/closewindow.py" "$WID"
    for _ in $(seq 50); do kill -0 "$PID" 2>/dev/null || return 0; sleep 0.1; done
    fail "the program did not end after its window was closed"
}
