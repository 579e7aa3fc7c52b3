"""The skinned main window of the real program on a virtual X display with a window manager:
dragging the title bar moves it, dragging the bottom-right corner resizes it with the frame
following, a double-click on the caption maximises and restores it, and the close button
closes it."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "e2e"))
from dorvak_e2e import Program, check, eventually, run, virtual_display  # noqa: E402

# Title bar: 390 twips (26 pixels); the caption buttons take its right 1500 twips.
CAPTION = (200, 13)
OUTER_LINE = (0, 0, 0)
INNER_LINE = (0x28, 0xCF, 0xE4)


def geometry(window):
    shell = dict(line.split("=", 1)
                 for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
    return int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]), int(shell["HEIGHT"])


def drag(window, start, by, steps=10):
    """Presses the left button at a point of the window and moves the pointer by `by`."""
    x, y, _, _ = geometry(window)
    sx, sy = x + start[0], y + start[1]
    run("xdotool", "mousemove", str(sx), str(sy))
    time.sleep(0.2)  # the pointer polling and the shape handler see the pointer arrive
    run("xdotool", "mousedown", "1")
    for step in range(1, steps + 1):
        run("xdotool", "mousemove", str(sx + by[0] * step // steps),
            str(sy + by[1] * step // steps))
        time.sleep(0.03)
    run("xdotool", "mouseup", "1")


def double_click(window, point):
    x, y, _, _ = geometry(window)
    run("xdotool", "mousemove", str(x + point[0]), str(y + point[1]))
    time.sleep(0.3)
    run("xdotool", "click", "--repeat", "2", "--delay", "80", "1")


def main(executable):
    with virtual_display():
        manager = subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
        try:
            with Program(executable) as program:
                window = program.window
                x0, y0, w0, h0 = geometry(window)
                print("main window at %d,%d size %dx%d" % (x0, y0, w0, h0))

                # The window system's move takes over at the first step of the pointer, and
                # the window follows the rest of its path.
                drag(window, CAPTION, (120, 70))
                moved = eventually(lambda: geometry(window)[:2] == (x0 + 108, y0 + 63), 10)
                print("after the title drag: %s" % (geometry(window),))
                check(moved, "dragging the title bar moves the window by the pointer's path")
                check(geometry(window)[2:] == (w0, h0), "a title drag keeps the size")

                # Pressed two pixels inside the corner, the edges then follow the pointer
                # itself: the size becomes the pointer's distance from the top-left corner.
                x1, y1, _, _ = geometry(window)
                w1, h1 = w0 - 2 + 80, h0 - 2 + 30
                drag(window, (w0 - 2, h0 - 2), (80, 30))
                resized = eventually(lambda: geometry(window)[2:] == (w1, h1), 10)
                print("after the corner drag: %s" % (geometry(window),))
                check(resized, "dragging the bottom-right corner resizes the window")
                check(geometry(window)[:2] == (x1, y1), "the top-left corner stays")
                program.origin = (x1, y1)
                check(program.screen_colour((w1 - 1, h1 // 2)) == OUTER_LINE and
                      program.screen_colour((w1 - 2, h1 // 2)) == INNER_LINE and
                      program.screen_colour((w1 // 2, h1 - 1)) == OUTER_LINE and
                      program.screen_colour((w1 // 2, h1 - 2)) == INNER_LINE,
                      "the frame's right and bottom lines follow the new edges")

                double_click(window, CAPTION)
                check(eventually(lambda: geometry(window)[2] >= 1000, 10),
                      "a double-click on the caption maximises the window")
                print("maximised: %s" % (geometry(window),))
                double_click(window, CAPTION)
                check(eventually(lambda: geometry(window)[2:] == (w1, h1), 10),
                      "a second double-click restores the window's size")
                print("restored: %s" % (geometry(window),))

                x, y, w, _ = geometry(window)
                close = (x + w - 21, y + 13)  # the middle of the close button
                run("xdotool", "mousemove", str(close[0]), str(close[1]))
                time.sleep(0.3)
                run("xdotool", "click", "1")
                check(eventually(lambda: program.process.poll() is not None, 15),
                      "the close button closes the window, and the program ends with it")
        finally:
            manager.terminate()
            manager.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
