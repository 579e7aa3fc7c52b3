"""Wakeups a second and processor share of the program left alone on a virtual X display with
a window manager: the main window with the pointer away from it, after a visit to its title bar,
and resting on the title bar; and the start-up window once its page is still, pointer away.

A wakeup is a context switch of any of the program's threads. Each case is measured over
several intervals and the median printed; for the start-up window the page host and the
browser engine's processes it started are shown beside the program.

    python3 bench/idle_wakeups.py build/bench/main_window_first build/app/dorvak \
        [seconds per interval] [intervals]
"""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from dorvak_e2e import (Program, run, virtual_display, wait_until,  # noqa: E402
                        window_manager, windows_titled)

START_UP_TITLE = " Velto Dorvak Programı"
AWAY = ("1000", "740")  # a corner of the screen that no window of the program covers
# Long enough for the start-up window's page to have loaded and drawn, and for the first paints
# of a window to be over.
SETTLE_SECONDS = 5
# The focused text box's caret stops blinking after 10 s without input: the main window is idle
# from then on.
CARET_REST_SECONDS = 11


def _read(path):
    try:
        with open(path) as f:
            return f.read()
    except (FileNotFoundError, ProcessLookupError):
        return ""


def counters(pid):
    """(context switches, processor seconds) of all the threads of one process together."""
    switches = 0
    cpu_ns = 0
    for task in os.listdir("/proc/%d/task" % pid) if os.path.isdir("/proc/%d" % pid) else []:
        path = "/proc/%d/task/%s/" % (pid, task)
        for line in _read(path + "status").splitlines():
            if "ctxt_switches:" in line:  # voluntary and nonvoluntary
                switches += int(line.split()[1])
        schedstat = _read(path + "schedstat").split()
        cpu_ns += int(schedstat[0]) if schedstat else 0  # time on a processor
    return switches, cpu_ns / 1e9


def descendants(pid):
    children = [int(c) for c in run("pgrep", "-P", str(pid)).split()]
    return children + [d for c in children for d in descendants(c)]


def rates(pids, seconds):
    """Wakeups a second and percent of one core of the processes together over an interval."""
    before = [counters(p) for p in pids]
    start = time.monotonic()
    time.sleep(seconds)
    after = [counters(p) for p in pids]
    elapsed = time.monotonic() - start
    switches = sum(a[0] - b[0] for a, b in zip(after, before))
    cpu = sum(a[1] - b[1] for a, b in zip(after, before))
    return switches / elapsed, 100 * cpu / elapsed


def report(case, pids, seconds, intervals):
    samples = [rates(pids, seconds) for _ in range(intervals)]
    wakeups = statistics.median(w for w, _ in samples)
    cpu = statistics.median(c for _, c in samples)
    print("%-52s %7.1f wakeups/s %6.2f %% CPU" % (case, wakeups, cpu), flush=True)


def main_window_cases(executable, seconds, intervals):
    with Program(executable) as program:
        pid = program.process.pid
        x, y = program.origin

        def onto_title_bar():
            # A move over the caption, as a hand makes: the pointer enters, then moves on it.
            for dx in (190, 200):
                run("xdotool", "mousemove", str(x + dx), str(y + 13))
            time.sleep(1)

        run("xdotool", "mousemove", *AWAY)
        time.sleep(CARET_REST_SECONDS)
        report("main window, pointer away", [pid], seconds, intervals)
        onto_title_bar()
        run("xdotool", "mousemove", *AWAY)
        time.sleep(1)
        report("main window, after a visit to the title bar", [pid], seconds, intervals)
        onto_title_bar()
        report("main window, pointer resting on the title bar", [pid], seconds, intervals)


def start_up_window_case(executable, seconds, intervals):
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    run("xdotool", "mousemove", *AWAY)
    process = subprocess.Popen([executable], env=env, stderr=subprocess.DEVNULL)
    try:
        wait_until(lambda: windows_titled(START_UP_TITLE), "the start-up window")
        time.sleep(SETTLE_SECONDS)
        # Measured within the 35 s the window stays.
        report("start-up window, page still, pointer away", [process.pid], seconds, intervals)
        report("  beside it, the page host and the engine's processes",
               descendants(process.pid), seconds, 1)
    finally:
        process.terminate()
        process.wait(timeout=10)


def main(main_window, program, seconds, intervals):
    with virtual_display(), window_manager():
        main_window_cases(main_window, seconds, intervals)
        start_up_window_case(program, seconds, intervals)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2],
         float(sys.argv[3]) if len(sys.argv) > 3 else 4.0,
         int(sys.argv[4]) if len(sys.argv) > 4 else 5)
