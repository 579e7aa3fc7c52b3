"""The main window's own title bar and frame under a window manager: a title drag moves the window
by exactly the drag, also from where the drag zone overlaps the minimise button; a corner
gripped again and again without moving the pointer leaves the window as it is; dragging a corner
brings it to the pointer with the frame following; a double-click on the title bar maximises and
restores the window; its minimise button minimises it and its close button ends the program."""

import signal
import subprocess
import sys

from dorvak_e2e import (MAIN_TITLE, PATIENCE, Program, check, eventually, geometry, run,
                        virtual_display, wait_until, window_manager, windows_titled)

TITLE_BAR_Y = 13  # pixels: the middle of the 26-pixel title bar and of its caption buttons
CAPTION_X = 200
CLOSE_FROM_RIGHT = 21  # pixels from the window's right edge to the middle of its button
MINIMISE_FROM_RIGHT = 84
# Where the drag zone (left of the last 1500 twips) and the minimise button's hit rectangle
# overlap, on a caption row.
OVERLAP_FROM_RIGHT = 98
DOUBLE_CLICK_GAP = 0.6  # seconds: longer than the desktop's 400 ms double-click interval
OUTER_LINE = (0, 0, 0)
INNER_LINE = (0x28, 0xCF, 0xE4)


def settled(window):
    """The window's geometry once two looks a little apart agree."""
    last = [None]

    def still():
        now, last[0] = last[0], geometry(window)
        return now == last[0] and now

    return wait_until(still, "the window to settle", interval=0.2)


def drag(window, start, by, expected=None):
    """Presses the left button at a point of the window, moves the pointer by (dx, dy) in
    steps a few pixels long, waits for the window to stop changing and releases. With an
    expected geometry, waits for the window to get there before it looks for it to settle: the
    program places it where the whole drag takes it once it sees the button up."""
    wx, wy, _, _ = geometry(window)
    x, y = wx + start[0], wy + start[1]
    run("xdotool", "mousemove", "--sync", str(x), str(y), "mousedown", "1")
    steps = max(1, max(abs(by[0]), abs(by[1])) // 4)
    for step in range(1, steps + 1):
        run("xdotool", "mousemove", "--sync", str(x + by[0] * step // steps),
            str(y + by[1] * step // steps))
    settled(window)
    run("xdotool", "mouseup", "1")
    if expected:
        eventually(lambda: geometry(window) == expected)
    return settled(window)


def hover_caption_button(window, from_right):
    """Rests the pointer on a caption button until it shows its hover look."""
    x = geometry(window)[2] - from_right
    run("xdotool", "mousemove", "--window", window, str(CAPTION_X), str(TITLE_BAR_Y))

    def shot():
        return subprocess.run(["import", "-window", window, "-crop",
                               "12x12+%d+%d" % (x - 6, 7), "ppm:-"], capture_output=True).stdout

    resting = shot()
    run("xdotool", "mousemove", "--window", window, str(x), str(TITLE_BAR_Y))
    wait_until(lambda: shot() != resting, "the button's hover look")


def press_caption_button(window, from_right):
    """Rests the pointer on a caption button until it shows its hover look, then clicks it."""
    hover_caption_button(window, from_right)
    run("xdotool", "click", "1")


def is_normal(window):
    state = run("xprop", "-id", window, "_NET_WM_STATE")
    return "_NET_WM_STATE_HIDDEN" not in state and window in windows_titled(MAIN_TITLE)


def grab_repeatedly(window, corner, times=10):
    """Presses and releases the left button `times` times at a corner of the window without
    moving the pointer (the first press brings it onto the corner pixel), each grab longer
    after the last than a double-click, which on the title bar maximises; the geometries seen
    after each release."""
    x, y, width, height = geometry(window)
    inside = (2 if corner[0] == 0 else width - 3, 2 if corner[1] == 0 else height - 3)
    run("xdotool", "mousemove", "--sync", str(x + inside[0]), str(y + inside[1]))
    seen = []
    for _ in range(times):
        run("xdotool", "mousedown", "1", "mouseup", "1", "sleep", str(DOUBLE_CLICK_GAP))
        seen.append(settled(window))
    return seen


with virtual_display(), window_manager(), Program(sys.argv[1]) as program:
    window = program.window
    # The program answers the pointer before the first drag: a press it took up only after
    # the release would be a click, which moves nothing.
    hover_caption_button(window, CLOSE_FROM_RIGHT)

    for by in ((1, 1), (40, 30), (120, 70)):
        x, y, width, height = settled(window)
        after = drag(window, (CAPTION_X, TITLE_BAR_Y), by, (x + by[0], y + by[1], width, height))
        print("title drag by %s: %s -> %s" % (by, (x, y), after[:2]))
        check(after == (x + by[0], y + by[1], width, height),
              "a title drag by %s moves the window by exactly that" % (by,))

    # Back up and left, away from the screen's edges, which the window manager resists.
    x, y, width, height = settled(window)
    after = drag(window, (width - OVERLAP_FROM_RIGHT, TITLE_BAR_Y), (-150, -100),
                 (x - 150, y - 100, width, height))
    check(after == (x - 150, y - 100, width, height) and is_normal(window)
          and program.process.poll() is None,
          "a drag from where the minimise button overlaps the drag zone only moves the window")

    # A title-bar press the program takes up only after the button is up, having been busy, is
    # a click: the window stays where it is and does not go on following the pointer. The
    # pointer's next stop shows its hover look once the program has caught up.
    before = settled(window)
    x, y = before[0] + CAPTION_X, before[1] + TITLE_BAR_Y
    run("xdotool", "mousemove", "--sync", str(x), str(y))
    program.process.send_signal(signal.SIGSTOP)
    run("xdotool", "mousedown", "1", "mousemove", "--sync", str(x + 1), str(y + 1), "mouseup", "1")
    program.process.send_signal(signal.SIGCONT)
    hover_caption_button(window, MINIMISE_FROM_RIGHT)
    check(settled(window) == before, "a title-bar press handled after its release moves nothing")

    for corner in ((0, 0), (1, 0), (0, 1), (1, 1)):
        before = settled(window)
        seen = grab_repeatedly(window, corner)
        print("corner %s: %s, then %s" % (corner, before, sorted(set(seen))))
        check(all(rectangle == before for rectangle in seen),
              "the corner %s gripped ten times without moving leaves the window as it is"
              % (corner,))

    x, y, width, height = settled(window)
    pressed = (width - 2, height - 2)
    nx, ny, nwidth, nheight = drag(window, pressed, (80, 30),
                                   (x, y, pressed[0] + 80 + 1, pressed[1] + 30 + 1))
    # The pointer ends at pressed + (80, 30), on the corner pixel.
    check((nx, ny, nwidth, nheight) == (x, y, pressed[0] + 80 + 1, pressed[1] + 30 + 1),
          "dragging the bottom-right corner brings it to the pointer; the top-left one stays")
    width, height = nwidth, nheight
    program.origin = (x, y)
    check(program.screen_colour((width - 1, height // 2)) == OUTER_LINE and
          program.screen_colour((width - 2, height // 2)) == INNER_LINE and
          program.screen_colour((width // 2, height - 1)) == OUTER_LINE and
          program.screen_colour((width // 2, height - 2)) == INNER_LINE,
          "the frame's right and bottom lines follow the new edges")

    screen = tuple(int(v) for v in run("xdotool", "getdisplaygeometry").split())
    run("xdotool", "mousemove", "--window", window, str(CAPTION_X), str(TITLE_BAR_Y), "click",
        "--repeat", "2", "--delay", "80", "1")
    check(wait_until(lambda: geometry(window)[2:] == screen or None, "the window to maximise"),
          "a double-click on the title bar maximises the window")
    run("xdotool", "mousemove", "--window", window, str(CAPTION_X), str(TITLE_BAR_Y), "click",
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
    check(program.process.wait(timeout=PATIENCE) == 0, "the close button ends the program")
