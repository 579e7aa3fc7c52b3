"""Drives the real program on an X display the way a person would: pointer, keyboard,
clipboard and the pixels on the screen. Every wait polls its condition with a deadline."""

import contextlib
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

MAIN_TITLE = "Dorvak Programı - Velto Yazılım"
ABOUT_TITLE = ".:: Hakkında ::."
MESSAGE_BOX_TITLE = "Velto Dorvak Programı"  # the application's title
TWIPS_PER_PIXEL = 15

# The bound of every wait, in seconds. What the tests wait for takes a second or two on an idle
# machine, but on a loaded 2-core one a window manager or a window can take well over 10 s to
# come up; the bound only ends a test that would otherwise hang.
PATIENCE = 60.0
# The start-up window's count before the real program opens its main window.
START_UP_SECONDS = 35


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def check(condition, message):
    if not condition:
        fail(message)
    print("ok: " + message)


def wait_until(condition, what, timeout=PATIENCE, interval=0.05):
    """Returns the first true value of condition(); fails the test after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(interval)


def eventually(condition, timeout=PATIENCE, interval=0.1):
    """Whether the condition comes to hold within the timeout."""
    deadline = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(interval)
    return True


def run(*command, input=None):
    return subprocess.run(command, input=input, capture_output=True, text=True).stdout


def windows_titled(title):
    """The visible windows whose title is exactly `title`."""
    pattern = "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in title)
    return run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % pattern).split()


def geometry(window):
    """(x, y, width, height) of a window on the screen; zeros once it is gone."""
    shell = dict(line.split("=", 1)
                 for line in run("xdotool", "getwindowgeometry", "--shell", window).split())
    return tuple(int(shell.get(key, 0)) for key in ("X", "Y", "WIDTH", "HEIGHT"))


def clipboard_after(*keys_or_clicks):
    """Runs the given xdotool commands and returns what they put on the clipboard."""
    sentinel = "<nothing copied yet>"
    subprocess.run(["xclip", "-selection", "clipboard"], input=sentinel, text=True)
    for command in keys_or_clicks:
        run("xdotool", *command)

    def clipboard():
        text = run("xclip", "-o", "-selection", "clipboard")
        return text if text != sentinel else None

    return wait_until(clipboard, "the copied text")


def pixels(twips):
    """Twips of the design description to the pixels of a 96-dpi screen, halves to even."""
    return round(twips / TWIPS_PER_PIXEL)


def centre(left, top, width, height):
    """Pixel centre of a control given by its design position in twips."""
    return pixels(left + width / 2), pixels(top + height / 2)


@contextlib.contextmanager
def virtual_display():
    """A private Xvfb screen for the test. The server picks a free display number itself
    (-displayfd), which stays reliable while other virtual displays come and go on the machine."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        if not select.select([read_end], [], [], PATIENCE)[0]:
            server.kill()
            fail("the virtual display did not start")
        chunk = os.read(read_end, 16)
        if not chunk:
            fail("the virtual display ended at start")
        number += chunk
    os.close(read_end)
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    try:
        yield
    finally:
        server.terminate()
        server.wait(timeout=PATIENCE)


@contextlib.contextmanager
def window_manager():
    """A window manager on the virtual display, for what only one does: minimising, and
    moving or resizing a window on its request."""
    manager = subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
    wait_until(lambda: "window id" in run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"),
               "the window manager")
    try:
        yield
    finally:
        manager.terminate()
        manager.wait(timeout=PATIENCE)


class Program:
    """The program under test, started with the Turkish conventions of a bare session."""

    def __init__(self, executable, extra_env=None):
        env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        env.pop("QT_QPA_PLATFORM", None)
        env.update(extra_env or {})
        self.process = subprocess.Popen([executable], env=env)
        # The real program shows its start-up window first and opens the main window after its
        # count; the test launcher opens the main window at once.
        self.window = wait_until(lambda: self._find_window(MAIN_TITLE), "the main window",
                                 timeout=START_UP_SECONDS + PATIENCE)
        self.origin = wait_until(self._window_origin, "the main window's position")

    def _find_window(self, title):
        if self.process.poll() is not None:
            fail("the program ended early with status %d" % self.process.returncode)
        found = run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).split()
        return found[0] if found else None

    def geometry(self):
        """Position and size of the main window on the screen."""
        return run("xdotool", "getwindowgeometry", self.window)

    def _window_origin(self):
        shell = dict(
            line.split("=", 1)
            for line in run("xdotool", "getwindowgeometry", "--shell", self.window).split()
        )
        return (int(shell["X"]), int(shell["Y"])) if "X" in shell else None

    def click(self, point):
        x, y = point
        self.click_in(self.window, x, y)

    @staticmethod
    def click_in(window, x, y):
        run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")

    def replace_text(self, point, text):
        """Clicks into a text box, selects what it holds and types over it."""
        self.click(point)
        run("xdotool", "key", "--clearmodifiers", "ctrl+a")
        run("xdotool", "type", "--delay", "30", text)

    def copied_text(self, point):
        """The whole text of a text box, selected and copied to the clipboard as a person would."""
        x, y = point
        return clipboard_after(("mousemove", "--window", self.window, str(x), str(y), "click", "1"),
                               ("key", "--clearmodifiers", "ctrl+a"),
                               ("key", "--clearmodifiers", "ctrl+c"))

    def shows_message(self, text, timeout=PATIENCE):
        """Whether a message box with the text comes up, as a screen reader finds it; the box
        stays open. Needs the accessibility bus and a program started ACCESSIBLE."""
        return eventually(lambda: text in accessible_texts(MESSAGE_BOX_TITLE), timeout)

    def close_message_box(self):
        """Presses OK on the open message box and waits for it to go."""
        box = wait_until(lambda: self._find_window(MESSAGE_BOX_TITLE), "a message box")
        run("xdotool", "mousemove", "--window", box, "10", "10", "click", "1", "key", "Return")
        wait_until(lambda: box not in windows_titled(MESSAGE_BOX_TITLE), "the message box to close")

    def screen_colour(self, point):
        """The colour on the screen at a point of the window, as (r, g, b)."""
        x, y = point
        shot = "/tmp/dorvak-e2e-%d.png" % os.getpid()
        subprocess.run(["import", "-window", "root", shot], check=True)
        text = run("convert", shot, "-format",
                   "%%[fx:int(255*p{%d,%d}.r)],%%[fx:int(255*p{%d,%d}.g)],%%[fx:int(255*p{%d,%d}.b)]"
                   % ((self.origin[0] + x, self.origin[1] + y) * 3), "info:")
        os.remove(shot)
        return tuple(int(v) for v in text.split(","))

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=PATIENCE)


# Where things are on the main window, from its design description (twips).
TEXT1 = centre(240, 1680, 2175, 375)
TEXT2 = centre(2520, 1680, 1095, 375)
TEXT3 = centre(4800, 1680, 2175, 375)
TEXT4 = centre(900, 720, 1155, 255)
COMMAND1 = centre(5280, 2640, 1695, 735)
COMMAND2 = centre(5160, 7680, 1215, 495)
CHART = centre(7440, 960, 1335, 1575)

RED = (255, 0, 0)
ORANGE = (255, 128, 0)
YELLOW = (255, 255, 0)
GREEN = (0, 255, 0)


def calculate(program, start_date, today="01.01.2025", months=None):
    """Enters the dates (and months) and presses "Şafak Hesapla"."""
    program.replace_text(TEXT4, today)
    if months is not None:
        program.replace_text(TEXT2, months)
    program.replace_text(TEXT1, start_date)
    program.click(COMMAND1)


def chart_shows(program, colour, timeout=PATIENCE):
    """Whether the status chart comes to show the colour within the timeout."""
    return eventually(lambda: program.screen_colour(CHART) == colour, timeout)


@contextlib.contextmanager
def accessibility_bus():
    """The AT-SPI bus screen readers use, inside the test's own D-Bus session
    (dbus-run-session). Programs started with ACCESSIBLE in their environment join it.
    The bus socket lives in the runtime directory, so each test gets a directory of its own:
    with a shared one, tests running side by side would meet on one bus."""
    runtime_dir = tempfile.mkdtemp(prefix="dorvak-a11y-")
    os.environ["XDG_RUNTIME_DIR"] = runtime_dir
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    try:
        yield
    finally:
        bus.terminate()
        bus.wait(timeout=PATIENCE)
        shutil.rmtree(runtime_dir, ignore_errors=True)


ACCESSIBLE = {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}


def _accessible_windows(title):
    import pyatspi
    return [window for application in pyatspi.Registry.getDesktop(0) if application is not None
            for window in application if window is not None and window.name == title]


def accessible_texts(title):
    """The texts of the labels anywhere in the window with that title, as a screen reader
    finds them; empty while there is no such window on the bus."""
    import pyatspi

    def texts(accessible):
        if accessible is None:
            return []
        own = [accessible.name] if accessible.getRole() == pyatspi.ROLE_LABEL else []
        return own + [text for child in accessible for text in texts(child)]

    return [text for window in _accessible_windows(title) for text in texts(window) if text]


def label_captions(labels, title=MAIN_TITLE):
    """What a screen reader announces for labels of a window, by name; `labels` gives each
    label's design position (left, top) in twips. None while the window is not on the bus."""
    import pyatspi

    def position(accessible):
        extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.x, extents.y

    frames = _accessible_windows(title)
    if not frames:
        return None
    fx, fy = position(frames[0])
    at = {}
    for child in frames[0]:
        if child is not None and child.getRole() == pyatspi.ROLE_LABEL:
            x, y = position(child)
            at[(x - fx, y - fy)] = child.name
    return {name: at.get((pixels(left), pixels(top))) for name, (left, top) in labels.items()}

