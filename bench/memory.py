"""Resident memory on a virtual X display (the time to the first window is bench_first_window's).

- main_window_first (the main window opened directly): resident memory once idle, median of
  several runs;
- dorvak (the real program): resident memory of the program and all its child processes while
  the start-up window shows its page, and 5 s after the main window has taken over from it.

    python3 bench/memory.py build/bench/main_window_first build/app/dorvak [runs]
"""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from dorvak_e2e import MAIN_TITLE, Program, run, virtual_display  # noqa: E402


def resident_kib(pid):
    """Resident KiB of a process; 0 for one that has just ended or waits to be reaped."""
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except FileNotFoundError:
        pass
    return 0


def descendants(pid):
    children = run("pgrep", "-P", str(pid)).split()
    return [int(c) for c in children] + [d for c in children for d in descendants(int(c))]


def print_resident_in_all(when, pid):
    """Resident memory of the process and of all its descendants."""
    children = descendants(pid)
    total = resident_kib(pid) + sum(resident_kib(c) for c in children)
    print("dorvak %s: resident %.0f MiB in all (%.0f MiB the program itself, %d child processes)"
          % (when, total / 1024, resident_kib(pid) / 1024, len(children)))


def start(executable):
    env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")
    env.pop("QT_QPA_PLATFORM", None)
    return subprocess.Popen([executable], env=env, stderr=subprocess.DEVNULL)


def resident_when_idle(executable):
    """Resident memory of the program two idle seconds after its main window is visible."""
    process = start(executable)
    try:
        while not run("xdotool", "search", "--onlyvisible", "--name", "^%s$" % MAIN_TITLE):
            time.sleep(0.05)
        time.sleep(2)
        return resident_kib(process.pid)
    finally:
        process.terminate()
        process.wait(timeout=10)


def main(first, program, runs):
    with virtual_display():
        memory = statistics.median(resident_when_idle(first) for _ in range(runs))
        print("main window opened directly: resident %.0f MiB (median of %d)"
              % (memory / 1024, runs))
        showing = start(program)
        try:
            time.sleep(10)
            print_resident_in_all("10 s after its start, the start-up window showing its page",
                                  showing.pid)
        finally:
            showing.terminate()
            showing.wait(timeout=10)
        with Program(program) as started:
            time.sleep(5)
            print_resident_in_all("5 s after its main window shows", started.process.pid)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) > 3 else 5)
