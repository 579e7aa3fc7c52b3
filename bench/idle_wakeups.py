"""Processor time of the running program with its skinned main window on a virtual X display:
idle (the clock ticking, the pointer away from the window) and with the pointer resting on the
title bar. Prints the share of one core each takes over a measured interval.

    python3 bench/skin_cpu.py build/app/dorvak [seconds]
"""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from dorvak_e2e import Program, run, virtual_display  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime, stime


def share_of_core(pid, seconds):
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return 100 * (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)


def main(executable, seconds):
    with virtual_display():
        manager = subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
        try:
            with Program(executable) as program:
                pid = program.process.pid
                x, y = program.origin
                time.sleep(3)  # let the start-up window's page and the first paints settle
                run("xdotool", "mousemove", "1000", "740")
                time.sleep(1)
                idle = share_of_core(pid, seconds)
                run("xdotool", "mousemove", str(x + 200), str(y + 13))
                time.sleep(1)
                caption = share_of_core(pid, seconds)
                run("xdotool", "mousemove", str(x + 615 - 21), str(y + 13))
                time.sleep(1)
                close = share_of_core(pid, seconds)
                run("xdotool", "mousemove", "1000", "740")
                time.sleep(1)
                after = share_of_core(pid, seconds)
                print("idle, clock ticking:               %5.2f %% of a core" % idle)
                print("pointer resting on the caption:    %5.2f %% of a core" % caption)
                print("pointer resting on the close button: %5.2f %% of a core" % close)
                print("idle again, pointer gone:          %5.2f %% of a core" % after)
        finally:
            manager.terminate()
            manager.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 10.0)
