"""The calculation with the inputs people get wrong: nothing typed, blanks, letters, a day the
month does not have, a 5000-character paste, a date at the end of the calendar, months, today
and leave that are no number or date, and a leave with a decimal comma. Results are read from
the text boxes, the screen, the message boxes and, for the labels, the accessibility bus (run
inside dbus-run-session). A box that could not be read shows the mark on the screen and the
explanation as its description, until a calculation reads it again."""

import subprocess
import sys

from dorvak_e2e import (ACCESSIBLE, COMMAND1, GREEN, RED, TEXT1, TEXT2, TEXT3, TEXT4, Program,
                        accessibility_bus, calculate, centre, chart_shows, check, eventually,
                        label_captions, pixels, run, virtual_display)
from screen_reader import description_of, window

TEXT5 = centre(3720, 1680, 975, 375)
COUNTS = {"Label5": (2280, 2640), "Label18": (2280, 3120)}
NO_START_DATE = "Lütfen Sülüs Tarihini Giriniz."
LEAVE_NOT_TAKEN = "Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!"

# Each text box by its caption: its design place (twips) and the description it has unmarked.
BOXES = {
    "Sülüs Tarihi:": ((240, 1680, 2175, 375), "Lütfen Sülüs Tarihini Giriniz!"),
    "Kaç Ay:": ((2520, 1680, 1095, 375), ""),
    "İzin Süresi:": ((3720, 1680, 975, 375), ""),
    "Teskere Tarihi:": ((4800, 1680, 2175, 375), ""),
    "Bugün:": ((900, 720, 1155, 255), ""),
}
MARK = (192, 0, 0)
UNREADABLE_DATE = "Tarih okunamadı — gün.ay.yıl biçiminde yazın: 15.09.2025"


def mark_seen(program, caption):
    """Whether the box's left edge, halfway down, shows the mark colour on the screen."""
    (left, top, _, height), _ = BOXES[caption]
    return program.screen_colour((pixels(left), pixels(top + height / 2))) == MARK


def marked(program, caption, explanation):
    """Whether the box comes to show the mark, with the explanation as its description."""
    frame = window()
    return eventually(lambda: description_of(frame, caption) == explanation
                      and mark_seen(program, caption))


def unmarked(program, *captions):
    """Whether the boxes come to show no mark and their designed description."""
    frame = window()
    return eventually(lambda: all(description_of(frame, caption) == BOXES[caption][1]
                                  and not mark_seen(program, caption) for caption in captions))


def counts_read(program, days_left, days_without_leave):
    expected = {"Label5": days_left, "Label18": days_without_leave}
    return eventually(lambda: label_captions(COUNTS) == expected)


def paste(program, point, text):
    """Puts the text on the clipboard and pastes it over a text box's content."""
    subprocess.run(["xclip", "-selection", "clipboard"], input=text, text=True, check=True)
    program.click(point)
    run("xdotool", "key", "--clearmodifiers", "ctrl+a", "ctrl+v")


with accessibility_bus(), virtual_display(), Program(sys.argv[1], ACCESSIBLE) as program:
    program.replace_text(TEXT4, "01.01.2025")

    # Nothing typed: the reminder, then the count from date zero fails, 0 days, 0 - 30 leave.
    program.click(COMMAND1)
    check(program.shows_message(NO_START_DATE), "an empty start date asks for one")
    program.close_message_box()
    check(program.shows_message(LEAVE_NOT_TAKEN), "then the leave message for -30 days")
    program.close_message_box()
    check(counts_read(program, "0", "-30"), "counts 0 and -30 without a start date")
    check(chart_shows(program, GREEN), "green chart for 0 days left")
    check(marked(program, "Sülüs Tarihi:", UNREADABLE_DATE), "the empty start date is marked")
    check(marked(program, "Teskere Tarihi:", UNREADABLE_DATE),
          "and so is the discharge date that could not follow from it")

    calculate(program, "31.01.2025")
    check(program.copied_text(TEXT3) == "30.04.2026", "a good date gives 30.04.2026")
    check(unmarked(program, *BOXES), "read, the boxes lose their marks; Text1 its tool tip back")

    # Text that is no date leaves the last discharge date, and no message box opens (a modal
    # box would take the keys meant for Text3 below).
    for bad in ("   ", "abc", "31.02.2025"):
        program.replace_text(TEXT1, bad)
        program.click(COMMAND1)
        check(program.copied_text(TEXT3) == "30.04.2026", "%r keeps the discharge date" % bad)
        check(counts_read(program, "484", "454"), "%r keeps the counts" % bad)
        check(chart_shows(program, RED), "%r keeps the red chart" % bad)
        check(marked(program, "Sülüs Tarihi:", UNREADABLE_DATE), "%r is marked" % bad)

    pasted = "31.01.2025" * 500
    paste(program, TEXT1, pasted)
    program.click(COMMAND1)
    check(program.copied_text(TEXT1) == pasted, "a 5000-character paste stands whole in Text1")
    check(program.copied_text(TEXT3) == "30.04.2026", "and keeps the discharge date")
    check(marked(program, "Sülüs Tarihi:", UNREADABLE_DATE), "the paste is marked")

    # Fifteen months after a date in 9999 leave the calendar: the discharge date stays.
    program.replace_text(TEXT1, "31.12.9999")
    program.click(COMMAND1)
    check(program.copied_text(TEXT3) == "30.04.2026", "no discharge date after 9999")
    check(marked(program, "Teskere Tarihi:",
                 "Teskere tarihi 100–9999 yılları dışına düşüyor — Sülüs Tarihi ile Kaç Ay'ı "
                 "denetleyin"), "the discharge date left standing is marked")
    check(unmarked(program, "Sülüs Tarihi:"), "the start date itself was read")
    # With no months the discharge date is in 9999, too far for a 16-bit count: 0 days.
    calculate(program, "31.12.9999", months="0")
    check(program.shows_message(LEAVE_NOT_TAKEN), "a count out of range leaves 0 - 30 days")
    program.close_message_box()
    check(program.copied_text(TEXT3) == "31.12.9999", "the discharge date 31.12.9999 stands")
    check(counts_read(program, "0", "-30"), "counts 0 and -30 for a date in 9999")
    check(marked(program, "Teskere Tarihi:",
                 "Teskere tarihi bugünden çok uzak — en çok 32767 gün sayılabilir"),
          "a discharge date too far to count is marked")

    # A leave of 2,5 days: 100 - 2,5 = 97,5 and 101 - 2,5 = 98,5 both round to 98.
    program.replace_text(TEXT5, "2,5")
    calculate(program, "11.04.2025")
    check(counts_read(program, "100", "98"), "100 days less 2,5 leave rounds to 98")
    calculate(program, "12.04.2025")
    check(counts_read(program, "101", "98"), "101 days less 2,5 leave rounds to 98")
    check(unmarked(program, *BOXES), "every box read, none marked")

    # Months, today and leave that cannot be read are marked in their own boxes.
    program.replace_text(TEXT2, "on beş")
    program.click(COMMAND1)
    check(marked(program, "Kaç Ay:", "Ay sayısı okunamadı — rakamla yazın: 15"),
          "months in words are marked")
    check(counts_read(program, "101", "98"), "and the counts stand")
    program.replace_text(TEXT2, "0")
    program.replace_text(TEXT4, "bugün")
    program.click(COMMAND1)
    check(program.shows_message(LEAVE_NOT_TAKEN), "no today counts 0 days: the leave message")
    program.close_message_box()
    check(marked(program, "Bugün:", UNREADABLE_DATE), "today in words is marked")
    check(unmarked(program, "Kaç Ay:"), "the months, read again, are not")
    program.replace_text(TEXT4, "01.01.2025")
    program.replace_text(TEXT5, "bir ay")
    program.click(COMMAND1)
    check(marked(program, "İzin Süresi:", "İzin süresi okunamadı — gün sayısını rakamla yazın: 30"),
          "a leave in words is marked")
    program.replace_text(TEXT5, "40000")
    program.click(COMMAND1)
    check(marked(program, "İzin Süresi:",
                 "İzin süresi hesaplanamayacak kadar uzun — gün sayısını yazın: 30"),
          "a leave too long to count is marked")
    check(counts_read(program, "101", "0"), "and leaves 0 days without the leave")
    program.replace_text(TEXT5, "30")
    program.click(COMMAND1)
    check(unmarked(program, *BOXES), "corrected, no box is marked")
    check(program.process.poll() is None, "the program still runs")
