#!/bin/bash
# A pick on a wide-gamut screen: the root window carries a Display P3 profile, so the pixel
# (200, 100, 50) the screen shows is taken from P3 into sRGB. colorjs.io gives (214.9, 92.6, 31.0);
# the same pick without a profile (picker.sh) gets the pixel as it is.
. "$(dirname "$0")/lib.sh"

"$BUILD_DIR/tests/e2e/display_p3_profile" "$WORK/p3.icc" || fail "no profile was made"
/usr/bin/python3 "$HERE/setrootprofile.py" "$WORK/p3.icc" || fail "the profile could not be set on the root window"
printf '[Palette]\r\nFarbe1=3302600\r\nFarbeGes1=1\r\n' > "$WORK/tintara.ini"
start_program
xdotool key F4
xdotool mousemove $(at 90 300) mousedown 1
xdotool mousemove $(at 150 100)
xdotool mousemove $(at 213 48)
xdotool mouseup 1
xdotool mousemove $(at 150 442) click 1 key ctrl+a ctrl+c
wait_for "the pick was not converted from the screen's profile" clipboard_is "#D75D1F"
close_window
echo "picker_profile: passed"
