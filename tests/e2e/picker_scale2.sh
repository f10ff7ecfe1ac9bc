#!/bin/bash
# The picker journey on a screen at 200 %: the layout keeps its place, the picked colour stays exact.
export QT_SCALE_FACTOR=2
. "$(dirname "$0")/picker.sh"
