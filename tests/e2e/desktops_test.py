"""The program under a desktop's own compositor, nested in a private virtual X screen: GNOME's
(mutter) or KDE's (KWin), through XWayland and on Wayland itself, or sway on Wayland itself. Each
time the start-up window shows whole, and closing it ends the program: through XWayland with the
desktop's Alt+F4; on Wayland itself, where the program draws its title bar, it comes back in front
when another program's window covers it, follows a drag of that bar and closes from its close
button; the main
window shows whole at its own size (floating, under sway), grows from its bottom-right corner,
follows two title drags in a row by exactly the pointer's path and stays put under a click on its
title. Where the compositor minimises and maximises (not sway): on Wayland itself, where the move
is asked for at the press, a double-click on the title still maximises and another restores; the
minimise button minimises from where it reaches into the title's drag zone. The close button
ends the program. A compositor that cannot start here skips the test (77).

    desktops_test.py mutter|kwin|sway PROGRAM MAIN_WINDOW_FIRST"""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile

from dorvak_e2e import PATIENCE, check, eventually, run, virtual_display, wait_until
from wayland_test import (CAPTION_X, CLOSE_FROM_RIGHT, OUTPUT, START_UP_SIZE, TITLE_BAR_Y, click,
                          drag, main_window, pointer_to, program, settled, shown_and_grown,
                          start_up_window)

SKIPPED = 77
MINIMISE_OVER_DRAG_ZONE = 97  # from the right: the minimise button, inside the drag zone too
# The start-up window's own title bar on Wayland itself, from its client area's top right.
START_UP_TITLE = (-150, -10)
START_UP_CLOSE = (-11, -10)


def skip(reason):
    print("skipped: " + reason)
    sys.exit(SKIPPED)


def compositor_command(name, socket, xwayland, runtime):
    """The command line of the nested compositor, with the file its XWayland display is
    written to (None on Wayland itself)."""
    if name == "mutter":
        return (["mutter", "--nested", "--wayland-display=" + socket]
                + ([] if xwayland else ["--no-x11"]), None)
    if name == "sway":
        # sway will not run as root: it runs as nobody, who owns the runtime folder.
        config = os.path.join(runtime, "config")
        with open(config, "w") as lines:
            lines.write("output * resolution %dx%d\nxwayland disable\nbindsym Mod1+F4 kill\n"
                        % OUTPUT)
        shutil.chown(runtime, "nobody")
        return (["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--", "env",
                 "HOME=" + runtime, "WLR_BACKENDS=x11", "WLR_RENDERER=pixman", "sway", "-c",
                 config], None)
    # kwin_wayland carries a file capability that a container may not grant: a copy of it,
    # under the same name (KWin checks its own name), runs without.
    kwin = shutil.which("kwin_wayland")
    try:
        subprocess.run([kwin, "--version"], capture_output=True)
    except PermissionError:
        os.makedirs(os.path.join(runtime, "bin"))
        kwin = shutil.copy(kwin, os.path.join(runtime, "bin", "kwin_wayland"))
    display_file = os.path.join(runtime, "x-display")
    command = [kwin, "--x11-display", os.environ["DISPLAY"], "--width", str(OUTPUT[0]),
               "--height", str(OUTPUT[1]), "--socket", socket, "--no-lockscreen"]
    if xwayland:
        # KWin starts its session's programs once XWayland is up, with DISPLAY set for them.
        # It keeps the session alive, and outlives KWin: its pid is kept to end it.
        reporter = os.path.join(runtime, "report-display")
        with open(reporter, "w") as script:
            script.write('#!/bin/sh\necho $$ > %s.pid\necho "$DISPLAY" > %s\nexec sleep 1d\n'
                         % (reporter, display_file))
        os.chmod(reporter, 0o700)
        command += ["--xwayland", reporter]
    return command, display_file if xwayland else None


@contextlib.contextmanager
def desktop(name, xwayland):
    """The compositor as a window on the virtual screen; yields the environment of its
    clients, or skips the test when it does not come up."""
    for program_name in {"mutter": ["mutter"], "kwin": ["kwin_wayland"],
                         "sway": ["sway", "setpriv"]}[name]:
        if not shutil.which(program_name):
            skip("%s is not installed" % program_name)
    runtime = tempfile.mkdtemp(prefix="dorvak-%s-" % name)
    os.chmod(runtime, 0o700)
    socket = "wayland-dorvak"  # sway names its own
    log = open(os.path.join(runtime, "compositor.log"), "w+")
    command, display_file = compositor_command(name, socket, xwayland, runtime)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, MUTTER_DEBUG_DUMMY_MODE_SPECS="%dx%d" % OUTPUT,
               XDG_CURRENT_DESKTOP={"mutter": "GNOME", "kwin": "KDE", "sway": "sway"}[name])
    # Each on a session bus of its own, which ends with it.
    compositor = subprocess.Popen(["dbus-run-session", "--"] + command, env=env, stdout=log,
                                  stderr=subprocess.STDOUT, start_new_session=True)
    try:
        if not eventually(lambda: listening(runtime) or compositor.poll() is not None,
                          PATIENCE) or compositor.poll() is not None:
            log.seek(0)
            skip("%s did not start: %s" % (name, log.read()[-400:]))
        session = {"XDG_RUNTIME_DIR": runtime, "WAYLAND_DISPLAY": listening(runtime),
                   "XDG_SESSION_TYPE": "wayland", "DISPLAY": ""}
        # What sway tells its own clients.
        session.update(("SWAYSOCK", os.path.join(runtime, entry)) for entry in os.listdir(runtime)
                       if entry.startswith("sway-ipc."))
        if xwayland:
            session["DISPLAY"] = wait_until(lambda: x_display(name, log, display_file),
                                            "XWayland")
            # mutter's XWayland lets in only those who hold its key.
            keys = [entry for entry in os.listdir(runtime) if entry.startswith(".mutter-Xwayland")]
            if keys:
                session["XAUTHORITY"] = os.path.join(runtime, keys[0])
            wait_until(lambda: "_NET_WM_MOVERESIZE" in subprocess.run(
                ["xprop", "-root", "_NET_SUPPORTED"], env=dict(os.environ, **session),
                capture_output=True, text=True).stdout, "XWayland's window manager")
        yield session
    finally:
        os.killpg(compositor.pid, signal.SIGTERM)
        try:
            compositor.wait(timeout=10)
        except subprocess.TimeoutExpired:  # KWin may hang on its way out
            os.killpg(compositor.pid, signal.SIGKILL)
            compositor.wait(timeout=PATIENCE)
        with contextlib.suppress(OSError, ValueError):
            os.kill(int(open(os.path.join(runtime, "report-display.pid")).read()), signal.SIGTERM)
        shutil.rmtree(runtime, ignore_errors=True)


def listening(runtime):
    """The name of the compositor's Wayland socket, once it listens."""
    return next((entry for entry in os.listdir(runtime)
                 if entry.startswith("wayland-") and not entry.endswith(".lock")), None)


def x_display(name, log, display_file):
    if name == "mutter":
        log.seek(0)
        found = re.search(r"Using public X11 display (:\d+)", log.read())
        return found and found.group(1)
    if os.path.exists(display_file):
        return open(display_file).read().strip() or None
    return None


def double_click(x, y):
    pointer_to(x, y)
    run("xdotool", "click", "--repeat", "2", "--delay", "80", "1")


def shows_whole(window):
    x, y, width, height = window
    return 0 <= x and x + width <= OUTPUT[0] and 0 <= y and y + height <= OUTPUT[1]


def start_up_window_checks(session, executable, kind, open_other=None):
    """`open_other` (on Wayland itself) starts another program, whose window is left open."""
    with program(executable, session) as process:
        found = wait_until(start_up_window, "the start-up window", interval=0.5)
        centre = ((OUTPUT[0] - START_UP_SIZE[0]) // 2, (OUTPUT[1] - START_UP_SIZE[1]) // 2)
        print("%s: start-up window at %s; centred would be %s" % (kind, found, centre))
        check(shows_whole(found), "%s: the start-up window shows whole" % kind)
        other = None
        if open_other:
            # Wayland keeps nothing on top: the other window opens over it and is clicked.
            open_other()
            other = settled(main_window, "another program's window")
            click(other[0] + other[2] // 4, other[1] + other[3] - 40)
            found = settled(start_up_window, "the start-up window back in front")
            print("%s: covered by a window at %s, the start-up window is back at %s"
                  % (kind, other, found))
            check(shows_whole(found), "%s: a covered start-up window comes back in front, whole"
                  % kind)
        x, y, width, height = found
        if open_other:
            by = (100, 60)  # mutter keeps a title bar from going above the output
            drag((x + width + START_UP_TITLE[0], y + START_UP_TITLE[1]), by, steps=12,
                 window=start_up_window)
            moved = settled(start_up_window, "the dragged start-up window")
            print("%s: start-up window's title drag by %s: moved by %s"
                  % (kind, by, (moved[0] - x, moved[1] - y)))
            check(moved == (x + by[0], y + by[1], width, height),
                  "%s: a drag of the start-up window's title bar moves it by exactly that" % kind)
            x, y = moved[:2]
            click(x + width + START_UP_CLOSE[0], y + START_UP_CLOSE[1])
        else:
            click(x + width // 4, y + height - 5)
            run("xdotool", "key", "alt+F4")
        check(eventually(lambda: process.poll() is not None, 15) and process.returncode == 0
              and main_window() == other,
              "%s: closing the start-up window ends the program without the main window" % kind)


def main_window_checks(session, executable, kind, stacking, running=None):
    """`running`: the program, started already."""
    # The launcher does not choose its platform as the program does.
    platform = {"QT_QPA_PLATFORM": "xcb" if session["DISPLAY"] else "wayland"}
    with (contextlib.nullcontext(running) if running
          else program(executable, dict(session, **platform))) as process:
        wait_until(main_window, "the main window")
        # sway resizes from where its pointer is when the request comes, which may be after the
        # drag's first steps.
        x, y, width, height = shown_and_grown(kind, whole_drag=stacking)

        # Two drags there and back, the first where the window stays whole on the output.
        there = (100, 60) if y + height + 60 <= OUTPUT[1] else (-100, -60)
        for by in (there, (-there[0], -there[1])):
            drag((x + CAPTION_X, y + TITLE_BAR_Y), by, steps=12)
            moved = settled(main_window, "the dragged window")
            print("%s: title drag by %s: moved by %s" % (kind, by, (moved[0] - x, moved[1] - y)))
            check(moved == (x + by[0], y + by[1], width, height),
                  "%s: a title drag by %s moves the window by exactly that" % (kind, by))
            x, y = moved[:2]

        click(x + CAPTION_X, y + TITLE_BAR_Y)
        check(settled(main_window, "the clicked window") == (x, y, width, height),
              "%s: a click on the title moves nothing" % kind)
        if not session["DISPLAY"] and stacking:
            # On Wayland itself the move is asked for at the press.
            double_click(x + CAPTION_X, y + TITLE_BAR_Y)
            maximised = settled(main_window, "the maximised window")
            double_click(maximised[0] + CAPTION_X, maximised[1] + TITLE_BAR_Y)
            restored = settled(main_window, "the restored window")
            print("%s: double-clicks on the title: %s, then %s" % (kind, maximised, restored))
            check(maximised == (0, 0) + OUTPUT and restored == (x, y, width, height),
                  "%s: a double-click on the title maximises, another restores" % kind)

        if not stacking:
            close_button_ends(process, (x, y, width, height), kind)
            return
        # Where the minimise button's hit area reaches into the title's drag zone.
        click(x + width - MINIMISE_OVER_DRAG_ZONE, y + TITLE_BAR_Y)
        check(eventually(lambda: main_window() is None, 10) and process.poll() is None,
              "%s: the minimise button hides the window, the program runs on" % kind)

    with program(executable, dict(session, **platform)) as process:
        wait_until(main_window, "the main window again")
        close_button_ends(process, settled(main_window, "the main window to settle"), kind)


def close_button_ends(process, window, kind):
    x, y, width, _ = window
    click(x + width - CLOSE_FROM_RIGHT, y + TITLE_BAR_Y)
    check(eventually(lambda: process.poll() is not None, 15) and process.returncode == 0,
          "%s: the close button ends the program" % kind)


def main(name, executable, main_window_first):
    # sway neither minimises nor maximises. Through XWayland it starts a move from where its
    # pointer is when asked, after the drag's first step, whatever the request says (a bare Qt
    # window loses it too): that mode is left out.
    stacking = name != "sway"
    for xwayland in (True, False) if stacking else (False,):
        kind = "%s, %s" % (name, "through XWayland" if xwayland else "on Wayland itself")
        # A screen of its own for each: KWin on Wayland itself dies at its first client on a
        # screen where a KWin with XWayland ran before.
        with virtual_display(), desktop(name, xwayland) as session, \
                contextlib.ExitStack() as running:
            # On Wayland itself the main window's program opens over the start-up window, and
            # goes on to the main window's checks.
            opened = []

            def open_main_window():
                opened.append(running.enter_context(
                    program(main_window_first, dict(session, QT_QPA_PLATFORM="wayland"))))

            start_up_window_checks(session, executable, kind,
                                   None if xwayland else open_main_window)
            main_window_checks(session, main_window_first, kind, stacking,
                               opened[0] if opened else None)


if __name__ == "__main__":
    main(*sys.argv[1:4])
