#!/bin/bash
# Slot 1 of one running copy dragged out of its window onto slot 4 of another copy: the colour travels
# over the desktop's drag and drop, out as application/x-color and text, in like a dragged swatch.
. "$(dirname "$0")/lib.sh"

printf '[Palette]\r\nFarbe1=3302600\r\nFarbeGes1=1\r\n' > "$WORK/tintara.ini" # (200, 100, 50)
mkdir "$WORK/zweites"
cp "$WORK/tintara" "$WORK/tintara.chm" "$WORK/zweites/"
start_program
wait_for "slot 1 does not show its colour" pixel_is 213 48 "#C86432"
SOURCE=$WID
SOURCE_X=$WX
SOURCE_Y=$WY

"$WORK/zweites/tintara" >"$WORK/zweites.log" 2>&1 &
SECOND=$!
trap 'kill "$PID" "$SECOND" 2>/dev/null || true; rm -rf "$WORK"' EXIT
two_windows() { [ "$(xdotool search --onlyvisible --name "Orbelin Tintara Studio" | wc -l)" = 2 ]; }
wait_for "the second window did not appear" two_windows
TARGET=$(xdotool search --onlyvisible --name "Orbelin Tintara Studio" | grep -vx "$SOURCE" | head -1)
wait_for "the second window is not viewable" viewable "$TARGET"
xdotool windowmove "$TARGET" 0 560
below() { eval "$(xdotool getwindowgeometry --shell "$TARGET")"; [ "$Y" -ge 560 ]; }
wait_for "the second window did not move below the first" below
eval "$(xdotool getwindowgeometry --shell "$TARGET")"
TARGET_X=$X
TARGET_Y=$((Y + HEIGHT - 490))

# Slot 4 of the second copy (190 + 101, 36 + 6) is empty, so black; the drop makes it the colour.
in_second() { echo "$((TARGET_X + $1)) $((TARGET_Y + $2))"; }
second_slot_is() {
    import -window root -crop "1x1+$(in_second 303 48 | tr ' ' '+')" -depth 8 txt:- | tail -1 | grep -q "$1"
}
# A person's drag: down, a few steps out of the window and over the other, up. The drag handshake
# between the programs can miss a step on a loaded machine; then the person tries again.
for attempt in 1 2 3; do
    xdotool mousemove $(at 213 48) mousedown 1
    for y in 150 300 450 520; do
        xdotool mousemove $(at 213 $y)
        sleep 0.1 # the pace of a hand; the drag sees each step
    done
    for x in 240 270 300 303; do
        xdotool mousemove $(in_second $x 48)
        sleep 0.1
    done
    xdotool mouseup 1
    (TIMEOUT=5 && wait_for "no drop yet" second_slot_is "#C86432") 2>/dev/null && break
    [ "$attempt" -lt 3 ] || fail "slot 4 of the second copy did not take the dragged colour"
done
second_slot_is "#C86432" || fail "slot 4 of the second copy did not take the dragged colour"
[ "$(pixel_at 213 48)" = "#C86432" ] || fail "the first copy's slot 1 changed"
kill "$SECOND"
close_window
echo "drag_between_programs: passed"
