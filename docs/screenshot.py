"""Takes docs/screenshot.png, the picture software centres show: the main window after a
calculation, on a plain 16:9 screen of 1024 x 576 pixels (the guidelines ask for 16:9 and at
least 624 pixels across).

    xvfb-run -a -s "-screen 0 1024x576x24" python3 docs/screenshot.py build/bench/main_window_first
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from dorvak_e2e import CHART, RED, Program, calculate, chart_shows, check, run  # noqa: E402

SHOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "screenshot.png")


def main(executable):
    with Program(executable) as program:
        calculate(program, "31.01.2025", today="01.01.2025")
        check(chart_shows(program, RED), "the chart shows the result")
        # The pointer and the caret away from the window's texts.
        run("xdotool", "mousemove", "1023", "575")
        program.click(CHART)
        time.sleep(1)  # the caret's blink and the last paints settle
        # The window on a plain desktop colour; the virtual screen's own is black.
        x, y = program.origin
        width, height = 615, 557
        subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (width, height, x, y),
                        "+repage", SHOT], check=True)
        subprocess.run(["convert", "-size", "1024x576", "xc:#3b5470", SHOT, "-geometry",
                        "+%d+%d" % (x, y), "-composite", "-strip", SHOT], check=True)
    print("wrote " + SHOT)


if __name__ == "__main__":
    main(sys.argv[1])
