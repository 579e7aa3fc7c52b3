"""A whole calculation as a screen reader's user does it, without the mouse: the text boxes found
and filled by their captions, "Şafak Hesapla" pressed through its Press action, each result read
right after its caption and the status chart as its legend's words. Message boxes are announced
as alerts with their text and closed by their own button; the About window opens and closes the
same way. Runs inside its own D-Bus session (dbus-run-session), with the AT-SPI bus."""

import sys

import pyatspi

from dorvak_e2e import (ABOUT_TITLE, ACCESSIBLE, MAIN_TITLE, MESSAGE_BOX_TITLE, Program,
                        accessibility_bus, accessible_texts, check, eventually, virtual_display)
from screen_reader import (ShowingChanges, alerts, chart, press, read_after, text_of, type_into,
                           window, windows)

LEAVE_NOT_TAKEN = "Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!"


def reads(frame, caption, expected):
    """Whether the names read right after the caption come to be the expected ones."""
    return eventually(lambda: read_after(frame, caption, len(expected)) == expected)


with accessibility_bus(), virtual_display(), Program(sys.argv[1], ACCESSIBLE) as program:
    main = window(MAIN_TITLE)
    check(main.getRole() == pyatspi.ROLE_FRAME, "the main window is a frame named by its caption")
    changes = ShowingChanges()

    # 04.01.2025 plus one month is 34 days after 01.01.2025: the plate code of İstanbul.
    type_into(main, "Bugün:", "01.01.2025")
    type_into(main, "Kaç Ay:", "1")
    type_into(main, "Sülüs Tarihi:", "04.01.2025")
    press(main, "Şafak Hesapla")
    check(eventually(lambda: text_of(main, "Teskere Tarihi:") == "04.02.2025"),
          "the discharge date reads 04.02.2025")
    check(reads(main, "İzin Kullandıysan:", ["34", "Gün Kaldı..."]), "34 days left")
    check(reads(main, "İzin Kullanmadıysan:", ["4", "Gün Kaldı..."]), "4 days without the leave")
    check(reads(main, "Durum:", [" Oleyyy! Plakaya düşmüssün!", "34 İSTANBUL"]),
          "the milestone message and the province of the day")
    check(eventually(lambda: chart(main) == ["Yeşil: Kurtuluş"]),
          "the chart reads Yeşil: Kurtuluş, not the yellow behind it")
    check(changes.told("Sarı: Yolun Yarısı", showing=False),
          "a screen reader is told the yellow is hidden behind the green")

    # 500 days on with 600 days of leave: red over orange, and the leave warning.
    type_into(main, "Kaç Ay:", "0")
    type_into(main, "İzin Süresi:", "600")
    type_into(main, "Sülüs Tarihi:", "16.05.2026")
    press(main, "Şafak Hesapla")
    check(eventually(lambda: [box.name for box in alerts()] == [MESSAGE_BOX_TITLE]
                     and accessible_texts(MESSAGE_BOX_TITLE) == [LEAVE_NOT_TAKEN]),
          "the leave warning is announced as an alert with its text")
    press(alerts()[0], "Tamam")
    check(eventually(lambda: not alerts()), "the alert closes by its own button")
    check(reads(main, "İzin Kullandıysan:", ["500"]), "500 days left")
    check(reads(main, "İzin Kullanmadıysan:", ["-100"]), "-100 days without the leave")
    check(eventually(lambda: chart(main) == ["Kırmızı: Çok Karanlık"]),
          "the chart reads Kırmızı: Çok Karanlık, not the orange behind it")
    check(changes.told("Turuncu: Karanlık", showing=False),
          "a screen reader is told the orange is hidden behind the red")

    press(main, "Hakkında")
    about = window(ABOUT_TITLE)
    check(about.getRole() == pyatspi.ROLE_FRAME, "the About window is a frame named by its caption")
    press(about, "X")
    check(eventually(lambda: not windows(ABOUT_TITLE)), "its X closes it")
    changes.close()
    check(program.process.poll() is None, "the program still runs")
