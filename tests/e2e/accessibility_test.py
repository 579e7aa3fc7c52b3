"""Reads the results of a calculation back through the accessibility interface, as a screen
reader would. Runs inside its own D-Bus session (dbus-run-session), with the AT-SPI bus."""

import subprocess
import sys

import pyatspi

from dorvak_e2e import (GREEN, MAIN_TITLE, Program, calculate, chart_shows, check, eventually,
                        pixels, virtual_display)

# The labels read back, by their design position (twips) on the main window.
LABELS = {
    "Label5": (2280, 2640),
    "Label18": (2280, 3120),
    "Label7": (840, 3810),
    "Label20": (4920, 3780),
}


def main_frame():
    for application in pyatspi.Registry.getDesktop(0):
        if application is None:
            continue
        for frame in application:
            if frame is not None and frame.name == MAIN_TITLE:
                return frame
    return None


def position(accessible):
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return extents.x, extents.y


def label_captions():
    """The names screen readers announce for the four labels, by label."""
    frame = main_frame()
    if frame is None:
        return None
    fx, fy = position(frame)
    at = {}
    for child in frame:
        if child is not None and child.getRole() == pyatspi.ROLE_LABEL:
            x, y = position(child)
            at[(x - fx, y - fy)] = child.name
    return {name: at.get((pixels(left), pixels(top))) for name, (left, top) in LABELS.items()}


bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
try:
    with virtual_display(), Program(sys.argv[1], {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}) as program:
        # 04.01.2025 plus one month is 34 days after 01.01.2025: the plate code of İstanbul.
        calculate(program, "04.01.2025", months="1")
        check(chart_shows(program, GREEN), "green chart for 34 days left")
        expected = {
            "Label5": "34",
            "Label18": "4",
            "Label7": " Oleyyy! Plakaya düşmüssün!",
            "Label20": "34 İSTANBUL",
        }
        eventually(lambda: label_captions() == expected, timeout=20)
        captions = label_captions() or {}
        for name, caption in expected.items():
            check(captions.get(name) == caption, "%s reads %r" % (name, captions.get(name)))
finally:
    bus.terminate()
    bus.wait(timeout=10)
