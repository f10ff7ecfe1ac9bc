"""Shows one-pixel stripes on the screen until killed: at x, y (40 x 40), red on even columns of the
screen and blue on odd ones, in a window no window manager moves."""
import sys
import time

from Xlib import X, display

left, top = int(sys.argv[1]), int(sys.argv[2])
screen = display.Display()
root = screen.screen().root
colormap = screen.screen().default_colormap
red = colormap.alloc_color(0xffff, 0, 0).pixel
blue = colormap.alloc_color(0, 0, 0xffff).pixel
window = root.create_window(left, top, 40, 40, 0, screen.screen().root_depth, override_redirect=True,
                            background_pixel=red, event_mask=X.ExposureMask)
window.map()
pens = {parity: window.create_gc(foreground=colour) for parity, colour in ((0, red), (1, blue))}
while True:
    for x in range(40):
        window.line(pens[(left + x) % 2], x, 0, x, 39)
    screen.sync()
    time.sleep(0.2)
