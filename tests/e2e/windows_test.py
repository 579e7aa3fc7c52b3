"""The program's windows as a person meets them: printing with no printer reports the failure
in Turkish and leaves the window as it was; "Hakkında" pressed twice opens one About window;
closing the main window while the About window is open keeps the program running until the
About window is closed too. Runs inside dbus-run-session, for the accessibility bus."""

import sys

from dorvak_e2e import (ABOUT_TITLE, ACCESSIBLE, COMMAND2, MAIN_TITLE, PATIENCE, RED, TEXT3,
                        Program, accessibility_bus, calculate, centre, chart_shows, check,
                        label_captions, virtual_display, wait_until, windows_titled)

ABOUT_BUTTON = centre(6480, 7680, 1215, 495)  # "Hakkında"
EXIT_BUTTON = centre(7800, 7680, 1215, 495)  # "Çıkış"
ABOUT_CLOSE = centre(8640, 120, 375, 375)  # the About window's own button
COUNTS = {"Label5": (2280, 2640), "Label18": (2280, 3120)}
NO_PRINTER = "Pencere yazdırılamadı: Varsayılan yazıcı yok."
# A print server that does not exist: the program sees no printer at all.
NO_PRINT_SERVER = dict(ACCESSIBLE, CUPS_SERVER="/nonexistent/cups.sock")

with accessibility_bus(), virtual_display(), Program(sys.argv[1], NO_PRINT_SERVER) as program:
    calculate(program, "31.01.2025")
    check(chart_shows(program, RED), "red chart before printing")
    before = (program.geometry(), label_captions(COUNTS))
    program.click(COMMAND2)
    check(program.shows_message(NO_PRINTER), "no printer: the failure is reported in Turkish")
    program.close_message_box()
    check((program.geometry(), label_captions(COUNTS)) == before,
          "the window keeps its place, size and counts")
    check(program.copied_text(TEXT3) == "30.04.2026", "and its discharge date")
    check(chart_shows(program, RED), "and its chart")

    program.click(ABOUT_BUTTON)
    about = wait_until(lambda: windows_titled(ABOUT_TITLE), "the About window")
    program.click(ABOUT_BUTTON)
    # Copying from the main window is served after the second click has been handled.
    program.copied_text(TEXT3)
    check(windows_titled(ABOUT_TITLE) == about, "a second click shows the same About window")

    program.click(EXIT_BUTTON)
    wait_until(lambda: not windows_titled(MAIN_TITLE), "the main window to close")
    check(program.process.poll() is None and windows_titled(ABOUT_TITLE) == about,
          "the program runs on with the About window after the main window closed")
    x, y = ABOUT_CLOSE
    program.click_in(about[0], x, y)
    check(program.process.wait(timeout=PATIENCE) == 0,
          "closing the About window ends the program")
