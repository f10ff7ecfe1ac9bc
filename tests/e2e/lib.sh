# Shared steps of the end-to-end journeys: the real program in its own folder under Xvfb,
# driven with xdotool as a person would. Every step waits for what it expects to see (a window,
# a pixel, a file), never for a fixed time, so that a busy machine only makes a journey slower.
set -eu

BUILD_DIR=$1
# The program under Xvfb is an X11 program, whatever desktop the tests are started from.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_QPA_PLATFORM=xcb
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
cp "$BUILD_DIR/tintara" "$BUILD_DIR/tintara.chm" "$BUILD_DIR/tintara_en.chm" "$WORK/" # a portable copy: settings beside it
PID=""
TIMEOUT=${E2E_TIMEOUT:-60} # seconds any one condition may take
SCALE=${QT_SCALE_FACTOR:-1} # device pixels per layout pixel; whole numbers only

# The program's own output goes with the failure: a crash or a missing display shows there.
fail() {
    echo "FAILED: $*" >&2
    [ ! -s "$WORK/stdout.log" ] || { echo "--- the program's output:" >&2; tail -n 20 "$WORK/stdout.log" >&2; }
    exit 1
}

# Retries a check until it holds; after $TIMEOUT seconds the journey fails with `what`.
wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + TIMEOUT))
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || fail "$what (waited ${TIMEOUT}s)"
        sleep 0.1
    done
}

# Checks for wait_for.
pixel_is() { [ "$(pixel_at "$1" "$2")" = "$3" ]; }
pixel_is_not() { [ "$(pixel_at "$1" "$2")" != "$3" ]; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
window_shown() { xdotool search --onlyvisible --name "$1"; }
window_gone() { ! xdotool search --onlyvisible --name "$1"; }
program_ended() { ! kill -0 "$PID" 2>/dev/null; }
viewable() { xwininfo -id "$1" | grep -q IsViewable; }

# Starts the program (arguments passed on) and waits for its window.
start_program() {
    "$WORK/tintara" "$@" >"$WORK/stdout.log" 2>&1 &
    PID=$!
    wait_for "the main window did not appear" window_shown "Orbelin Tintara Studio"
    WID=$(xdotool search --onlyvisible --name "Orbelin Tintara Studio" | head -1)
    wait_for "the main window is not viewable" viewable "$WID"
    xdotool windowfocus "$WID" # there is no window manager to give it the keyboard
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    WX=$X
    WY=$Y
    MENU=$((HEIGHT - 490 * SCALE)) # the menu bar above the 716 x 490 client area
}

# Screen position of a point given in client-area coordinates of the layout.
at() { echo "$((WX + $1 * SCALE)) $((WY + MENU + $2 * SCALE))"; }
click_at() { xdotool mousemove $(at "$1" "$2") click "${3:-1}"; }
# Menus and drop-down lists are windows of the program's own; keys reach them only once they are
# open, and a click reaches the window only once they are closed again.
program_windows() { xdotool search --onlyvisible --class tintara 2>/dev/null | sort; }
windows_new_since() { [ -n "$(comm -13 <(echo "$1") <(program_windows))" ]; }
menus_closed() {
    local menu
    for menu in $MENUS; do
        ! xwininfo -id "$menu" 2>/dev/null | grep -q IsViewable || return 1
    done
}
# Runs a step that opens a menu or list and waits until it is open.
open_menu() {
    local before
    before=$(program_windows)
    "$@"
    wait_for "no menu opened after: $*" windows_new_since "$before"
    MENUS=$(comm -13 <(echo "$before") <(program_windows))
}
# Sends keys that open a submenu of the open menu and waits until it is open.
open_submenu() {
    local before
    before=$(program_windows)
    xdotool key "$@"
    wait_for "no submenu opened" windows_new_since "$before"
    MENUS="$MENUS $(comm -13 <(echo "$before") <(program_windows))"
}
# Sends the keys that choose an entry and waits until the menus are closed.
choose() {
    xdotool key "$@"
    wait_for "the menu did not close" menus_closed
}
# The program handles its input in order, so a drag needs no pauses between its steps.
drag_from_to() {
    xdotool mousemove $(at "$1" "$2") mousedown 1
    xdotool mousemove $(at "$(( ($1 + $3) / 2 ))" "$(( ($2 + $4) / 2 ))")
    xdotool mousemove $(at "$3" "$4") mouseup 1
}
# Waits for the window named `title`, gives it the keyboard and remembers it in DIALOG.
wait_dialog() {
    wait_for "no window \"$1\" appeared" window_shown "^$1\$"
    DIALOG=$(xdotool search --onlyvisible --name "^$1\$" | head -1)
    wait_for "the window \"$1\" is not viewable" viewable "$DIALOG"
    xdotool windowfocus "$DIALOG"
}
# Types a path into the file dialog that opens now, confirms it and waits until it is gone.
answer_file_dialog() {
    wait_dialog "$1"
    xdotool key ctrl+a type --delay 20 "$2"
    xdotool key Return
    wait_for "the file dialog did not close" window_gone "^$1\$"
}
# Colour of a client-area pixel as #RRGGBB.
pixel_at() {
    local x y
    read -r x y <<<"$(at "$1" "$2")"
    import -window root -crop "1x1+$x+$y" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}'
}
close_window() {
    /usr/bin/python3 "$HERE/closewindow.py" "$WID"
    wait_for "the program did not end after its window was closed" program_ended
}
clipboard_matches() { xclip -o -selection clipboard 2>/dev/null | grep -Eq "$1"; }

# A notification-area host for the tray journeys, ended with the journey. A host that dies while
# it starts up (it happens on a loaded machine) is started again.
start_tray_host() {
    TRAYER=""
    trap 'kill "$PID" "$TRAYER" 2>/dev/null || true; rm -rf "$WORK"' EXIT
    local attempt
    for attempt in 1 2 3; do
        trayer --edge bottom --align right --widthtype pixel --width 100 --height 24 --transparent false \
            >>"$WORK/trayer.log" 2>&1 &
        TRAYER=$!
        local deadline=$((SECONDS + TIMEOUT))
        while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$TRAYER" 2>/dev/null; do
            tray_owned >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$TRAYER" 2>/dev/null || true
    done
    cat "$WORK/trayer.log" >&2
    fail "the notification area did not appear"
}
tray_owned() { xdotool search --onlyvisible --class trayer; }
# The program's icon once the notification area shows it: the first line of `xwininfo -tree`,
# and only once it is mapped, since an icon not yet docked lets a click fall through to the host.
tray_icon() {
    local line
    line=$(xwininfo -root -tree | grep '("tintara" "tintara")  22x22' | head -1)
    [ -n "$line" ] && viewable "$(echo "$line" | awk '{print $1}')" && echo "$line"
}
# Clicks the program's icon in the notification area and waits for its menu. A click the host
# swallowed while it was still docking the icon is repeated; a menu that opens ends the waiting.
click_tray_icon() {
    local deadline=$((SECONDS + TIMEOUT)) icon ix iy before
    while :; do
        wait_for "no icon in the notification area" tray_icon
        icon=$(tray_icon)
        ix=$(echo "$icon" | sed -E 's/.* \+([0-9]+)\+([0-9]+)$/\1/')
        iy=$(echo "$icon" | sed -E 's/.* \+([0-9]+)\+([0-9]+)$/\2/')
        before=$(program_windows)
        xdotool mousemove $((ix + 11)) $((iy + 11)) click 1
        local retry=$((SECONDS + 5))
        until windows_new_since "$before"; do
            [ "$SECONDS" -lt "$deadline" ] || fail "no menu opened after a click on the icon at $ix,$iy"
            [ "$SECONDS" -lt "$retry" ] || continue 2
            sleep 0.1
        done
        MENUS=$(comm -13 <(echo "$before") <(program_windows))
        return 0
    done
}
