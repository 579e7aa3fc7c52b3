"""A press that comes the moment the pointer arrives, with no move before it, as from a touch
screen or a quick hand: with the pointer resting on each of the main window's buttons, a jump
to the About window's "X" and a press at once closes About, ten times out of ten; so does a
jump to the title bar's minimise button minimise the main window, and one to its close button
ends the program."""

import subprocess
import sys

from dorvak_e2e import (ABOUT_TITLE, COMMAND1, COMMAND2, MAIN_TITLE, Program, centre, check,
                        eventually, geometry, run, virtual_display, wait_until, window_manager,
                        windows_titled)

TRIES = 10
BUTTONS = {
    "Şafak Hesapla": (COMMAND1, (5280, 2640, 1695, 735)),
    "Yazdır": (COMMAND2, (5160, 7680, 1215, 495)),
    "Hakkında": (centre(6480, 7680, 1215, 495), (6480, 7680, 1215, 495)),
    "Çıkış": (centre(7800, 7680, 1215, 495), (7800, 7680, 1215, 495)),
}
ABOUT_CLOSE = centre(8640, 120, 375, 375)  # the About window's own button
TITLE_BAR_Y = 13
MINIMISE_FROM_RIGHT = 84
CLOSE_FROM_RIGHT = 21


def crop(window, box):
    left, top, width, height = (round(v / 15) for v in box)
    return subprocess.run(["import", "-window", window, "-crop",
                           "%dx%d+%d+%d" % (width, height, left, top), "ppm:-"],
                          capture_output=True).stdout


def rest_on(window, name):
    """Puts the pointer on a main-window button, from off it, and waits for its hover look:
    then the button has seen the pointer and holds the capture."""
    point, box = BUTTONS[name]
    run("xdotool", "mousemove", "--window", window, "300", "80")
    away = wait_until(lambda: crop(window, box), "the button's picture")
    run("xdotool", "mousemove", "--window", window, str(point[0]), str(point[1]))
    wait_until(lambda: crop(window, box) != away, "%s to show the pointer on it" % name)


def jump_and_press(window, x, y):
    """Moves the pointer to a point of a window and presses and releases at once."""
    wx, wy, _, _ = geometry(window)
    run("xdotool", "mousemove", str(wx + x), str(wy + y), "mousedown", "1", "mouseup", "1")


def open_about(main, away_from):
    run("xdotool", "mousemove", "--window", main, *map(str, BUTTONS["Hakkında"][0]), "click", "1")
    about = wait_until(lambda: windows_titled(ABOUT_TITLE), "the About window")[0]
    # The About window opens over the middle of the screen; the button to rest on must show.
    mx, my, _, _ = geometry(main)
    point = BUTTONS[away_from][0]
    ax, ay, _, aheight = geometry(about)
    if ay <= my + point[1] <= ay + aheight:
        run("xdotool", "windowmove", "--sync", about, str(ax), str(my + point[1] + 30))
    # The window manager may keep a window that opens under the pointer's click behind the
    # window clicked; the person brings it to the front.
    run("xdotool", "windowactivate", "--sync", about)
    return about


def about_closes(main, rest):
    about = open_about(main, rest)
    rest_on(main, rest)
    jump_and_press(about, *ABOUT_CLOSE)
    closed = eventually(lambda: not windows_titled(ABOUT_TITLE), 5)
    if not closed:
        run("xdotool", "windowactivate", "--sync", about)
        Program.click_in(about, *ABOUT_CLOSE)  # by a click after a move, to go on
        wait_until(lambda: not windows_titled(ABOUT_TITLE), "the About window to close")
    return closed


def minimises(main, rest):
    rest_on(main, rest)
    jump_and_press(main, geometry(main)[2] - MINIMISE_FROM_RIGHT, TITLE_BAR_Y)
    minimised = eventually(lambda: main not in windows_titled(MAIN_TITLE), 5)
    run("xdotool", "windowactivate", main)
    wait_until(lambda: main in windows_titled(MAIN_TITLE)
               and "_NET_WM_STATE_HIDDEN" not in run("xprop", "-id", main, "_NET_WM_STATE"),
               "the main window to come back")
    return minimised


with virtual_display(), window_manager(), Program(sys.argv[1]) as program:
    main = program.window
    for name in BUTTONS:
        closed = sum(about_closes(main, name) for _ in range(TRIES))
        print("from %s: About closed %d of %d" % (name, closed, TRIES))
        check(closed == TRIES, "from rest on %s, a jump-and-press on About's X closes it" % name)
    for name in BUTTONS:
        minimised = sum(minimises(main, name) for _ in range(TRIES))
        print("from %s: minimised %d of %d" % (name, minimised, TRIES))
        check(minimised == TRIES,
              "from rest on %s, a jump-and-press on the minimise button minimises" % name)
    rest_on(main, "Yazdır")
    jump_and_press(main, geometry(main)[2] - CLOSE_FROM_RIGHT, TITLE_BAR_Y)
    check(eventually(lambda: program.process.poll() is not None, 10)
          and program.process.returncode == 0,
          "from rest on Yazdır, a jump-and-press on the close button ends the program")
