"""The real program's start-up window, whose page's text Orca reads out as the page shows; then
a whole calculation with the keyboard alone while a real Orca listens: Tab to each text box and
type, Space on "Şafak Hesapla", the two message boxes closed with Return, the results, the About
window opened and closed with Space, and "Çıkış". What Orca says is read from its debug log
("SPEECH OUTPUT:"), with speech itself off: every Tab stop is spoken with a name, each message
once, the focus comes back to the button after each box, and the days left are heard without
looking for them. Given the program that opens the main window at once and the real program.
Runs in a D-Bus session of its own (dbus-run-session) under openbox; skipped
(77) when Orca cannot start."""

import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading

from dorvak_e2e import (ACCESSIBLE, PATIENCE, Program, accessibility_bus, check, eventually,
                        fail, run, virtual_display, window_manager)

# A logged utterance: its text in quotes, the voice it is spoken in after it.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{", re.S)
PAGE_HEADLINE = "Şafak yakın, moral yüksek!"
NO_START_DATE = "Lütfen Sülüs Tarihini Giriniz."
LEAVE_NOT_TAKEN = "Ya izin kullanmadın, yada kullandığın izinleri silmeyi unuttun!"


class Orca:
    """Orca with its debug log on a terminal of ours, which Python writes line by line, so that
    each utterance can be waited for as it is spoken."""

    def __init__(self):
        if not shutil.which("orca"):
            print("SKIP: orca is not installed")
            sys.exit(77)
        self.lines = []
        self.prefs = tempfile.mkdtemp(prefix="dorvak-orca-")
        reader, writer = pty.openpty()
        threading.Thread(target=self._read, args=(reader,), daemon=True).start()
        env = dict(os.environ, GSETTINGS_BACKEND="memory", HOME=self.prefs)
        self.process = subprocess.Popen(
            ["orca", "--replace", "--disable", "speech", "--disable", "braille",
             "--user-prefs", self.prefs, "--debug-file", os.ttyname(writer)],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not eventually(lambda: self._logged("ORCA: Starting registry")
                          or self.process.poll() is not None):
            self.close()
            print("SKIP: orca did not start")
            sys.exit(77)
        if self.process.poll() is not None:
            print("SKIP: orca ended at start with status %d" % self.process.returncode)
            sys.exit(77)

    def _read(self, terminal):
        pending = b""
        while True:
            try:
                chunk = os.read(terminal, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            self.lines.extend(line.decode("utf-8", "replace").rstrip("\r") for line in complete)

    def _logged(self, text):
        return any(text in line for line in list(self.lines))

    def said(self):
        """Every utterance so far, as Orca logged it (the text between its quotes). An entry of
        the log goes on in the indented lines after it, as an utterance of several lines does."""
        entries = []
        for line in list(self.lines):
            if line.startswith(" ") and entries:
                entries[-1] += "\n" + line.strip()
            else:
                entries.append(line)
        return [found.group(1) for found in map(UTTERANCE.search, entries) if found]

    def after(self, keys, expected, what):
        """Presses the keys and waits until Orca has said each of the expected texts (each a
        part of one utterance); returns what it said meanwhile."""
        start = len(self.said())
        run("xdotool", "key", "--clearmodifiers", *keys)
        return self.heard_since(start, expected, what)

    def heard_since(self, start, expected, what):
        """Waits, as after, for what Orca says from its utterance number `start` on."""
        heard = lambda: self.said()[start:]
        if not eventually(lambda: all(any(text in said for said in heard()) for text in expected)):
            fail("%s: Orca said %r" % (what, heard()))
        check(True, "%s: %s" % (what, " | ".join(heard())))
        return heard()

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=PATIENCE)
        shutil.rmtree(self.prefs, ignore_errors=True)


def type_over(text):
    run("xdotool", "key", "--clearmodifiers", "ctrl+a")
    run("xdotool", "type", "--delay", "30", text)


def start_up_window_read_out(orca, executable):
    """Runs the real program until Orca has read out its start-up window's page."""
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", **ACCESSIBLE)
    env.pop("QT_QPA_PLATFORM", None)
    start = len(orca.said())
    program = subprocess.Popen([executable], env=env)
    try:
        orca.heard_since(start, [PAGE_HEADLINE], "The start-up window's page is read out")
    finally:
        program.terminate()
        program.wait(timeout=PATIENCE)


with accessibility_bus(), virtual_display(), window_manager():
    orca = Orca()
    try:
        start_up_window_read_out(orca, sys.argv[2])
        with Program(sys.argv[1], ACCESSIBLE) as program:
            # The window opens with the focus on "Sülüs Tarihi:"; a first round with it empty.
            orca.after(["Tab"], ["Kaç Ay: text"], "Tab to the months")
            type_over("1")
            orca.after(["Tab"], ["Teskere Tarihi: text"], "Tab to the discharge date")
            orca.after(["Tab"], ["Bugün: text"], "Tab to today")
            type_over("01.01.2025")
            orca.after(["Tab"], ["İzin Süresi: text"], "Tab to the leave")
            orca.after(["Tab"], ["Şafak Hesapla push button"], "Tab to the button")
            heard = orca.after(["space"], [NO_START_DATE], "Space calculates; the first box")
            check(sum(said.count(NO_START_DATE) for said in heard) == 1,
                  "the box's text is spoken once")
            heard = orca.after(["Return"], [LEAVE_NOT_TAKEN], "Return closes it; the second box")
            check(sum(said.count(LEAVE_NOT_TAKEN) for said in heard) == 1,
                  "the box's text is spoken once")
            orca.after(["Return"], ["Şafak Hesapla push button", "İzin Kullandıysan: 0 Gün Kaldı",
                        "İzin Kullanmadıysan: -30 Gün Kaldı"],
                       "Return closes it; the focus is back and the counts are heard")

            # Round the window once: every stop is spoken with its name.
            for name in ["Yazdır push button", "Hakkında push button", "Çıkış push button",
                         "Sülüs Tarihi: text"]:
                orca.after(["Tab"], [name], "Tab to " + name)
            type_over("04.01.2025")
            for name in ["Kaç Ay: text", "Teskere Tarihi: text", "Bugün: text",
                         "İzin Süresi: text", "Şafak Hesapla push button"]:
                orca.after(["Tab"], [name], "Tab to " + name)
            orca.after(["space"], ["İzin Kullandıysan: 34 Gün Kaldı", "İzin Kullanmadıysan: 4 Gün Kaldı",
                        "Şafak Durum Grafiği: Yeşil: Kurtuluş"],
                       "Space calculates; the days left and the chart's colour are heard")

            orca.after(["Tab"], ["Yazdır push button"], "Tab to Yazdır")
            orca.after(["Tab"], ["Hakkında push button"], "Tab to Hakkında")
            orca.after(["space"], ["X push button"], "Space opens the About window")
            orca.after(["space"], ["Hakkında push button"], "Space on its X closes it")
            orca.after(["Tab"], ["Çıkış push button"], "Tab to Çıkış")
            run("xdotool", "key", "space")
            check(eventually(lambda: program.process.poll() is not None), "Space on Çıkış ends")
    finally:
        print("--- what Orca said ---")
        print("\n".join(orca.said()))
        orca.close()
