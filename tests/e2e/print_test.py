"""Prints the main window to a PDF printer made the default for the test and looks for the
window's status chart on the printed page."""

import glob
import os
import re
import subprocess
import sys
import time

from dorvak_e2e import (COMMAND2, PATIENCE, RED, Program, calculate, chart_shows, check, fail,
                        run, virtual_display, wait_until)

QUEUE = "Dorvak-PDF"
SKIPPED = 77  # CTest reports the test as skipped


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIPPED)


def scheduler_running():
    return "is running" in run("lpstat", "-r")


def start_scheduler():
    """Starts CUPS unless it runs already; returns the process started, if any."""
    if scheduler_running():
        return None
    if os.geteuid() != 0:
        skip("CUPS is not running and only root may start it here")
    scheduler = subprocess.Popen(["cupsd", "-f"])
    wait_until(scheduler_running, "the CUPS scheduler")
    return scheduler


def pdf_driver():
    drivers = run("lpinfo", "-m").splitlines()
    for wanted in ("CUPS-PDF_opt.ppd", "CUPS-PDF_noopt.ppd"):
        for line in drivers:
            if line.split(" ", 1)[0].endswith(wanted):
                return line.split(" ", 1)[0]
    fail("no CUPS-PDF driver installed")


def pdf_files():
    """The PDFs cups-pdf may have written: the user's ~/PDF or the spool's directories."""
    home = os.path.expanduser("~")
    patterns = [home + "/PDF/*.pdf", "/var/spool/cups-pdf/*/*.pdf"]
    return {path for pattern in patterns for path in glob.glob(pattern)}


def red_pixels(pdf):
    """Number of saturated red pixels on the first page rendered at 96 dpi."""
    ppm = subprocess.run(["pdftoppm", "-r", "96", "-f", "1", "-l", "1", pdf],
                         capture_output=True, check=True).stdout
    # P6 header: magic, width, height, maximum and one blank, then the RGB bytes.
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+\d+\s", ppm)
    width, height, data = int(header[1]), int(header[2]), ppm[header.end():]
    return sum(1 for i in range(0, width * height * 3, 3)
               if data[i] > 220 and data[i + 1] < 40 and data[i + 2] < 40)


def finished_pdf(before):
    """A PDF that was not there before and has stopped growing."""
    for path in pdf_files() - before:
        size = os.path.getsize(path)
        time.sleep(0.2)
        if size > 0 and size == os.path.getsize(path):
            return path
    return None


scheduler = start_scheduler()
try:
    added = subprocess.run(["lpadmin", "-p", QUEUE, "-v", "cups-pdf:/", "-m", pdf_driver(), "-E"],
                           capture_output=True, text=True)
    if added.returncode != 0:
        if os.geteuid() != 0:
            skip("no permission to add a printer: " + added.stderr.strip())
        fail("lpadmin: " + added.stderr.strip())
    subprocess.run(["lpoptions", "-d", QUEUE], check=True, capture_output=True)
    before = pdf_files()

    with virtual_display(), Program(sys.argv[1]) as program:
        calculate(program, "31.01.2025")
        check(chart_shows(program, RED), "red chart before printing")
        program.click(COMMAND2)
        # CUPS-PDF writes the page through Ghostscript, slow on a busy machine.
        pdf = wait_until(lambda: finished_pdf(before), "the printed PDF", timeout=2 * PATIENCE)
        with open(pdf, "rb") as printed:
            check(printed.read(5) == b"%PDF-", "a PDF document printed to " + pdf)
        # The chart is 89 x 105 pixels of red on screen; the page shows the window at its size.
        check(red_pixels(pdf) > 6000, "the red status chart is on the printed page")
finally:
    if scheduler:
        scheduler.terminate()
        scheduler.wait(timeout=PATIENCE)
