"""The program on a Wayland session: weston, with its X11 backend, on a private virtual X screen,
once through XWayland (the default where there is an X server) and once on Wayland itself (the
user's QT_QPA_PLATFORM=wayland, or no X server). Each time the start-up window shows whole (where
weston puts it: weston places it itself), the main window grows from its bottom-right corner and
follows a title drag exactly, both through the compositor's own resize and move; on Wayland
itself its minimise button hides it, through XWayland its close button ends the program (weston
10 does not minimise XWayland windows). What is seen is read from weston's screen."""

import contextlib
import os
import re
import shutil
import subprocess
import sys
import tempfile

from dorvak_e2e import (PATIENCE, START_UP_SECONDS, check, eventually, run, virtual_display,
                        wait_until)

# weston's output, smaller than the 1024 × 768 virtual screen so that the pointer can leave it:
# weston's X11 backend moves its own pointer by the X pointer's steps and takes the X pointer's
# position only when it comes in.
OUTPUT = (960, 720)
OUTSIDE = (1000, 740)
START_UP_SIZE = (513, 115)  # the start-up window's client area, in pixels
MAIN_SIZE = (615, 557)
START_UP_BACK = (0, 0, 0xC0)  # the start-up window's own colour, its bottom rows
INNER_LINE = (0x28, 0xCF, 0xE4)  # the main window's frame, one pixel in
TITLE_BAR_Y = 13
CAPTION_X = 200
MINIMISE_FROM_RIGHT = 84
CLOSE_FROM_RIGHT = 21


class Screen:
    """weston's output as a picture, read from the virtual X screen it is shown on."""

    def __init__(self):
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              capture_output=True, check=True).stdout
        magic, size, depth, self.pixels = data.split(b"\n", 3)
        self.width, self.height = map(int, size.split())

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def box_of(self, colour):
        """(left, top, right, bottom) of the pixels of the colour on the output, or None."""
        xs, ys = [], []
        for y in range(OUTPUT[1]):
            row = self.pixels[3 * y * self.width:3 * (y * self.width + OUTPUT[0])]
            start = row.find(bytes(colour))
            while start >= 0:
                if start % 3 == 0:
                    xs.append(start // 3)
                    ys.append(y)
                start = row.find(bytes(colour), start + 1)
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def start_up_window():
    """(x, y, width, height) of the start-up window's client area on the output, or None: its
    bottom row starts with a long run of its own colour (the page and the blinking picture
    above it may reach down into its right part)."""
    screen = Screen()
    run_of = bytes(START_UP_BACK) * (START_UP_SIZE[0] // 2)
    for y in range(OUTPUT[1] - 1, START_UP_SIZE[1] - 2, -1):
        row = screen.pixels[3 * y * screen.width:3 * (y * screen.width + OUTPUT[0])]
        start = row.find(run_of)
        while start >= 0 and start % 3:
            start = row.find(run_of, start + 1)
        if start >= 0:
            return start // 3, y + 1 - START_UP_SIZE[1], START_UP_SIZE[0], START_UP_SIZE[1]
    return None


def main_window():
    """(x, y, width, height) of the main window on the output, from its frame; None if hidden."""
    box = Screen().box_of(INNER_LINE)
    if not box:
        return None
    return box[0] - 1, box[1] - 1, box[2] - box[0] + 3, box[3] - box[1] + 3


def settled(find, what):
    last = [None]

    def still():
        now, last[0] = last[0], find()
        return now == last[0] and now

    return wait_until(still, what, interval=0.3)


def pointer_to(x, y):
    """Brings the compositor's pointer to (x, y) of the output, coming in from outside it."""
    run("xdotool", "mousemove", "--sync", *map(str, OUTSIDE))
    run("xdotool", "mousemove", "--sync", str(x), str(y))


def drag(start, by, steps=10, window=main_window):
    """Presses at `start`, moves the pointer by `by` in steps and releases once the window
    (the main window unless another finder is given) has followed. The compositor's move or resize begins a little after the press, when
    the program asks for it: until the window changes, the pointer goes on stepping a pixel
    off its end and back, so that the compositor sees it move."""
    before = window()
    pointer_to(*start)
    run("xdotool", "mousedown", "1")
    end = (start[0] + by[0], start[1] + by[1])
    for step in range(1, steps + 1):
        run("xdotool", "mousemove", "--sync", str(start[0] + by[0] * step // steps),
            str(start[1] + by[1] * step // steps))

    def followed():
        run("xdotool", "mousemove", "--sync", str(end[0] + 1), str(end[1]))
        run("xdotool", "mousemove", "--sync", *map(str, end))
        return window() not in (before, None)

    eventually(followed, 10, interval=0.3)
    # Released only once the window has caught up with the pointer's end.
    settled(window, "the window to follow the pointer")
    run("xdotool", "mouseup", "1")


def shown_and_grown(kind, whole_drag=True):
    """Checks that the main window shows whole and grows from its bottom-right corner, by at
    least the drag (`whole_drag`) or at all; returns its geometry after."""
    x, y, width, height = settled(main_window, "the main window to settle")
    print("%s: main window at %s" % (kind, (x, y, width, height)))
    check((width, height) == MAIN_SIZE, "%s: the main window shows whole" % kind)
    # The compositor resizes, by its own rule: weston grows an XWayland window by more than the
    # drag. A small drag keeps the window on the output, where it is measured.
    drag((x + width - 2, y + height - 2), (10, 8))
    grown = settled(main_window, "the resized window")
    print("%s: after the corner drag by (10, 8): %s" % (kind, grown,))
    least = (10, 8) if whole_drag else (1, 1)
    check(grown[:2] == (x, y) and grown[2] >= width + least[0] and grown[3] >= height + least[1],
          "%s: dragging the bottom-right corner grows the window, the top-left corner stays"
          % kind)
    return grown


def click(x, y):
    pointer_to(x, y)
    run("xdotool", "click", "1")


@contextlib.contextmanager
def weston(xwayland):
    """A weston session on the virtual screen; yields the environment of its clients."""
    runtime = tempfile.mkdtemp(prefix="dorvak-wayland-")
    os.chmod(runtime, 0o700)
    log = os.path.join(runtime, "weston.log")
    socket = "wayland-dorvak"
    compositor = subprocess.Popen(
        ["weston", "--backend=x11-backend.so", "--width=%d" % OUTPUT[0],
         "--height=%d" % OUTPUT[1], "--use-pixman", "--idle-time=0", "--socket=" + socket,
         "--log=" + log] + (["--xwayland"] if xwayland else []),
        env=dict(os.environ, XDG_RUNTIME_DIR=runtime), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: os.path.exists(os.path.join(runtime, socket)), "the compositor")
        session = {"XDG_RUNTIME_DIR": runtime, "WAYLAND_DISPLAY": socket,
                   "XDG_SESSION_TYPE": "wayland", "DISPLAY": ""}
        if xwayland:
            listening = wait_until(
                lambda: re.search(r"xserver listening on display (:\d+)", open(log).read()),
                "XWayland")
            session["DISPLAY"] = listening.group(1)
            # weston starts XWayland at the first X client; a desktop has it running with its
            # window manager before any program starts (Qt reads what the manager supports
            # when it connects).
            wait_until(lambda: "_NET_WM_MOVERESIZE" in run(
                "xprop", "-display", session["DISPLAY"], "-root", "_NET_SUPPORTED"),
                "XWayland's window manager")
        yield session
    finally:
        compositor.terminate()
        compositor.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)


@contextlib.contextmanager
def program(executable, session):
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)  # the program's own choice, unless the session names one
    env.update(session)
    process = subprocess.Popen([executable], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        yield process
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=10)


def whole_session(executable, xwayland):
    kind = "through XWayland" if xwayland else "on Wayland itself"
    with weston(xwayland) as session, program(executable, session) as process:
        pointer_to(OUTPUT[0] - 5, OUTPUT[1] - 5)  # weston's pointer starts mid-screen
        start_up = wait_until(start_up_window, "the start-up window", interval=0.5)
        centre = ((OUTPUT[0] - START_UP_SIZE[0]) // 2, (OUTPUT[1] - START_UP_SIZE[1]) // 2)
        # weston places the start-up window itself, although it asks to be centred.
        print("%s: start-up window at %s; centred would be %s" % (kind, start_up, centre))
        check(0 <= start_up[0] and start_up[0] + start_up[2] <= OUTPUT[0]
              and 0 <= start_up[1] and start_up[1] + start_up[3] <= OUTPUT[1],
              "%s: the start-up window shows whole" % kind)

        wait_until(main_window, "the main window", timeout=START_UP_SECONDS + PATIENCE)
        x, y, width, height = shown_and_grown(kind)

        drag((x + CAPTION_X, y + TITLE_BAR_Y), (-60, -40))
        moved = settled(main_window, "the dragged window")
        print("%s: after the title drag by (-60, -40): %s" % (kind, moved,))
        check(moved == (x - 60, y - 40, width, height),
              "%s: a title drag moves the window by exactly the drag" % kind)
        x, y = moved[:2]

        if not xwayland:
            click(x + width - MINIMISE_FROM_RIGHT, y + TITLE_BAR_Y)
            check(eventually(lambda: main_window() is None, 10),
                  "%s: the minimise button hides the window" % kind)
            check(process.poll() is None, "%s: the program runs on, minimised" % kind)
        else:
            click(x + width - CLOSE_FROM_RIGHT, y + TITLE_BAR_Y)
            check(eventually(lambda: process.poll() is not None, 15) and process.returncode == 0,
                  "%s: the close button ends the program" % kind)


def main(executable):
    with virtual_display():
        whole_session(executable, xwayland=True)
        whole_session(executable, xwayland=False)


if __name__ == "__main__":
    main(sys.argv[1])
