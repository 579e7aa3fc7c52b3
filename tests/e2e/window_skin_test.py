"""The main window's own title bar and frame under a window manager: dragging the title bar
moves the window, dragging the bottom-right corner resizes it, a double-click on the title
bar maximises and restores it, its minimise button minimises it, and its close button ends the
program."""

import subprocess
import sys

from dorvak_e2e import (MAIN_TITLE, Program, check, geometry, run, virtual_display, wait_until,
                        window_manager, windows_titled)

TITLE_BAR_Y = 13  # pixels: the middle of the 26-pixel title bar and of its caption buttons
CLOSE_FROM_RIGHT = 21  # pixels from the window's right edge to the middle of its button
MINIMISE_FROM_RIGHT = 84


def drag(window, start, by):
    """Presses the left button at a point of the window and moves the pointer by (dx, dy), a
    pixel at a time until the window follows, then the rest of the way, and releases once the
    window has stopped changing. Returns how many pixels the pointer went on each axis before
    the window was seen to follow."""
    wx, wy, _, _ = geometry(window)
    x, y = wx + start[0], wy + start[1]
    before = geometry(window)
    run("xdotool", "mousemove", str(x), str(y), "mousedown", "1")
    travelled = [0]

    def followed():
        if travelled[0] + 1 >= min(abs(by[0]), abs(by[1])):
            return True  # the rest of the way in one go
        travelled[0] += 1
        run("xdotool", "mousemove", "--sync", str(x + travelled[0] * sign(by[0])),
            str(y + travelled[0] * sign(by[1])))
        return geometry(window) != before

    wait_until(followed, "the window to follow the pointer")
    run("xdotool", "mousemove", "--sync", str(x + by[0]), str(y + by[1]))
    settled = [None]

    def still():
        now, settled[0] = settled[0], geometry(window)
        return now == settled[0]

    wait_until(still, "the window to settle", interval=0.2)
    run("xdotool", "mouseup", "1")
    return travelled[0]


def sign(value):
    return (value > 0) - (value < 0)


def follows(moved, by, lead):
    """Whether the window moved or grew by the pointer's way, less at most the pixels the
    pointer went before the window followed."""
    return all(0 <= wanted - got <= lead for got, wanted in zip(moved, by))


def press_caption_button(window, from_right):
    """Rests the pointer on a caption button until it shows its hover look, then clicks it:
    the skin learns where the pointer is from its polling timer."""
    x = geometry(window)[2] - from_right
    run("xdotool", "mousemove", "--window", window, "200", str(TITLE_BAR_Y))

    def shot():
        return subprocess.run(["import", "-window", window, "-crop",
                               "12x12+%d+%d" % (x - 6, 7), "ppm:-"], capture_output=True).stdout

    resting = shot()
    run("xdotool", "mousemove", "--window", window, str(x), str(TITLE_BAR_Y))
    wait_until(lambda: shot() != resting, "the button's hover look")
    run("xdotool", "click", "1")


with virtual_display(), window_manager(), Program(sys.argv[1]) as program:
    window = program.window
    x, y, width, height = geometry(window)

    lead = drag(window, (200, TITLE_BAR_Y), (120, 60))
    nx, ny, nwidth, nheight = geometry(window)
    check(follows((nx - x, ny - y), (120, 60), lead) and (nwidth, nheight) == (width, height),
          "dragging the title bar moves the window with the pointer")
    x, y = nx, ny

    drag(window, (width - 2, height - 2), (40, 30))
    nx, ny, nwidth, nheight = geometry(window)
    pointer = (width - 2 + 40, height - 2 + 30)  # in the window, after the drag
    check(all(abs(edge - at) <= 2 for edge, at in zip((nwidth, nheight), pointer))
          and (nx, ny) == (x, y),
          "dragging the bottom-right corner brings it to the pointer")
    width, height = nwidth, nheight

    screen = tuple(int(v) for v in run("xdotool", "getdisplaygeometry").split())
    run("xdotool", "mousemove", "--window", window, "200", str(TITLE_BAR_Y), "click",
        "--repeat", "2", "--delay", "80", "1")
    check(wait_until(lambda: geometry(window)[2:] == screen or None, "the window to maximise"),
          "a double-click on the title bar maximises the window")
    run("xdotool", "mousemove", "--window", window, "200", str(TITLE_BAR_Y), "click",
        "--repeat", "2", "--delay", "80", "1")
    check(wait_until(lambda: geometry(window) == (x, y, width, height) or None,
                     "the window to restore"), "a second double-click restores it")

    press_caption_button(window, MINIMISE_FROM_RIGHT)
    wait_until(lambda: window not in windows_titled(MAIN_TITLE), "the window to minimise")
    check("_NET_WM_STATE_HIDDEN" in run("xprop", "-id", window, "_NET_WM_STATE"),
          "the minimise button minimises the window")
    run("xdotool", "windowactivate", window)
    check(wait_until(lambda: window in windows_titled(MAIN_TITLE), "the window to come back"),
          "the minimised window comes back when activated")

    press_caption_button(window, CLOSE_FROM_RIGHT)
    check(program.process.wait(timeout=30) == 0, "the close button ends the program")
