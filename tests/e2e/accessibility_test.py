"""Reads the results of a calculation back through the accessibility interface, as a screen
reader would. Runs inside its own D-Bus session (dbus-run-session), with the AT-SPI bus."""

import sys

from dorvak_e2e import (ACCESSIBLE, GREEN, Program, accessibility_bus, calculate, chart_shows,
                        check, eventually, label_captions, virtual_display)

# The labels read back, by their design position (twips) on the main window.
LABELS = {
    "Label5": (2280, 2640),
    "Label18": (2280, 3120),
    "Label7": (840, 3810),
    "Label20": (4920, 3780),
}

with accessibility_bus(), virtual_display(), Program(sys.argv[1], ACCESSIBLE) as program:
    # 04.01.2025 plus one month is 34 days after 01.01.2025: the plate code of İstanbul.
    calculate(program, "04.01.2025", months="1")
    check(chart_shows(program, GREEN), "green chart for 34 days left")
    expected = {
        "Label5": "34",
        "Label18": "4",
        "Label7": " Oleyyy! Plakaya düşmüssün!",
        "Label20": "34 İSTANBUL",
    }
    eventually(lambda: label_captions(LABELS) == expected)
    captions = label_captions(LABELS) or {}
    for name, caption in expected.items():
        check(captions.get(name) == caption, "%s reads %r" % (name, captions.get(name)))
