"""A minute of random clicks, drags and keys on every window of the program: the main window,
the About window and whatever message boxes come up. Only the ways of closing a window are
left out. The program must not crash, no window may go missing, and the main window must still
answer afterwards. The random seed is printed, so that a failing run can be repeated
(`monkey_test.py <program> <seed>`)."""

import random
import sys
import time

from dorvak_e2e import (ABOUT_TITLE, MAIN_TITLE, MESSAGE_BOX_TITLE, TEXT3, Program, centre,
                        check, geometry, pixels, run, virtual_display, wait_until, window_manager,
                        windows_titled)

SECONDS = 60
KEYS = list("abcçğıöşü0123456789.,-/: ") + ["BackSpace", "Delete", "Left", "Right", "Home",
                                              "End", "Return", "space", "ctrl+a", "ctrl+v"]
TITLE_BAR = pixels(390)
CAPTION_BUTTONS = 110  # pixels at the right end of the title bar: minimise, maximise, close


def rectangle(left, top, width, height):
    return (pixels(left), pixels(top), pixels(left + width), pixels(top + height))


# What closes or hides a window, in window pixels: not touched.
MAIN_EXIT = rectangle(7800, 7680, 1215, 495)
ABOUT_CLOSE = rectangle(8640, 120, 375, 375)
# "Hakkında" brings the About window to the front with the focus on its close button.
MAIN_ABOUT = rectangle(6480, 7680, 1215, 495)
# The keys that press the focused button.
PRESSING_KEYS = ("Return", "space", " ")


def inside(point, box):
    x, y = point
    return box[0] <= x < box[2] and box[1] <= y < box[3]


def size(window):
    return geometry(window)[2:]


def closing_boxes(window, title):
    """Where a press or release would close or minimise the window, in its pixels."""
    if title == MAIN_TITLE:
        width, _ = size(window)
        return [MAIN_EXIT, (width - CAPTION_BUTTONS, 0, width, TITLE_BAR)]
    return [ABOUT_CLOSE] if title == ABOUT_TITLE else []


def random_point(window, title, rng):
    """A point of the window that neither closes nor minimises it."""
    width, height = size(window)
    closing = closing_boxes(window, title)
    while True:
        point = (rng.randrange(max(width, 1)), rng.randrange(max(height, 1)))
        if not any(inside(point, box) for box in closing):
            return point


def managed_windows(listing):
    """The windows the window manager lists in a root property, as xdotool names them."""
    value = run("xprop", "-root", listing).split("#")[-1]
    return [str(int(w, 16)) for w in value.split(",") if w.strip()]


def window_under_pointer():
    """The topmost managed window under the pointer, by the window manager's stacking order."""
    pointer = run("xdotool", "getmouselocation", "--shell").split()
    shell = dict(line.split("=", 1) for line in pointer)
    px, py = int(shell["X"]), int(shell["Y"])
    for window in reversed(managed_windows("_NET_CLIENT_LIST_STACKING")):
        x, y, width, height = geometry(window)
        if x <= px < x + width and y <= py < y + height:
            return window
    return None


def bring_back_minimised():
    """Brings back, as a person would from the task bar, what the minute minimised by chance:
    a message box opening under the pointer between the two clicks of a double-click takes the
    second on its frame's minimise button, and goes with the window it belongs to."""
    for window in managed_windows("_NET_CLIENT_LIST"):
        if "Iconic" in run("xprop", "-id", window, "WM_STATE"):
            run("xdotool", "windowactivate", window)
            wait_until(lambda: "Iconic" not in run("xprop", "-id", window, "WM_STATE"),
                       "a minimised window to come back")


def act(rng):
    """One random action on one of the program's windows. The window is raised first, and the
    action is left out when another window still covers the chosen point."""
    titles = [t for t in (MAIN_TITLE, ABOUT_TITLE, MESSAGE_BOX_TITLE) if windows_titled(t)]
    title = rng.choice(titles)
    window = windows_titled(title)[0]
    run("xdotool", "windowraise", window)
    x, y = random_point(window, title, rng)
    run("xdotool", "mousemove", "--window", window, str(x), str(y))
    if window_under_pointer() != window:
        return False
    roll = rng.random()
    if roll < 0.45:
        run("xdotool", "click", "--repeat", str(rng.choice((1, 1, 1, 2))), "--delay", "60",
            str(rng.choice((1, 1, 1, 3))))
    elif roll < 0.55:
        tx, ty = random_point(window, title, rng)
        dx, dy = max(-40, min(40, tx - x)), max(-40, min(40, ty - y))
        if any(inside((x + dx, y + dy), box) for box in closing_boxes(window, title)):
            return False
        run("xdotool", "mousedown", "1", "mousemove_relative", "--", str(dx), str(dy),
            "mouseup", "1")
    else:
        # Typed into the window just clicked, or into the About window that "Hakkında" brings
        # up. The About window's only control is its close button, which has the focus there.
        to_about = title == ABOUT_TITLE or (title == MAIN_TITLE and inside((x, y), MAIN_ABOUT))
        keys = [k for k in KEYS if k not in PRESSING_KEYS] if to_about else KEYS
        run("xdotool", "click", "1", "key", "--clearmodifiers",
            *rng.choices(keys, k=rng.randint(1, 6)))
    return True


seed = int(sys.argv[2]) if len(sys.argv) > 2 else random.randrange(1 << 32)
print("seed %d" % seed)
rng = random.Random(seed)
environment = {"CUPS_SERVER": "/nonexistent/cups.sock"}  # "Yazdır" must not reach a printer

with virtual_display(), window_manager(), Program(sys.argv[1], environment) as program:
    program.click(centre(6480, 7680, 1215, 495))  # "Hakkında"
    wait_until(lambda: windows_titled(ABOUT_TITLE), "the About window")
    actions = 0
    deadline = time.monotonic() + SECONDS
    while time.monotonic() < deadline:
        if program.process.poll() is not None:
            break
        actions += act(rng)
        bring_back_minimised()
    check(program.process.poll() is None and actions >= 50,
          "the program survived %d random actions" % actions)
    check(windows_titled(MAIN_TITLE), "the main window is still there")
    check(windows_titled(ABOUT_TITLE), "the About window is still there")

    # Answer the message boxes still open, then type into the main window and copy it back.
    while windows_titled(MESSAGE_BOX_TITLE):
        program.close_message_box()
    run("xdotool", "windowactivate", "--sync", program.window)
    program.replace_text(TEXT3, "12.12.2025")
    check(program.copied_text(TEXT3) == "12.12.2025", "the main window still answers")
