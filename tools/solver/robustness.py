"""The Python level drivers, started with their first input delayed, must
win too: each is run with no delay and with 2 and 4 ticks of delay, its
input recorded, and the recording replayed by the simulator as a script.
Prints one line a run: level, delay, the tick the replay won at (or NOT
WON) and its digest. Exits 1 when any run did not win.

usage: python3 tools/solver/robustness.py [LEVEL ...]  (default: every driver)"""

import importlib
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "drivers"))

import driver_main  # noqa: E402
import serve_client  # noqa: E402

DELAYS = (0, 2, 4)


def drivers():
    """Level numbers of the drivers in drivers/levelNN.py."""
    found = [re.fullmatch(r"level(\d\d)\.py", f) for f in os.listdir(os.path.join(HERE, "drivers"))]
    return sorted(int(m.group(1)) for m in found if m)


def replay(level, script):
    """(win tick or None, digest) of the simulator playing script."""
    with open(script) as f:
        ticks = re.search(r"^# ticks (\d+)", f.read(), re.M).group(1)
    sim = os.environ.get("QUORVEL_SIM", serve_client.DEFAULT_SIM)
    out = subprocess.run([sim, "--level", str(level), "--ticks", ticks, "--script", script],
                         capture_output=True, text=True).stdout
    win = re.search(r"^endGame win=1 level=%d tick=(\d+)" % level, out, re.M)
    digest = re.search(r"^digest (\S+)", out, re.M)
    return (int(win.group(1)) if win else None), (digest.group(1) if digest else None)


def main(levels):
    all_won = True
    print("level delay win_tick digest")
    with tempfile.TemporaryDirectory() as tmp:
        for level in levels:
            drive = importlib.import_module("level%02d" % level).drive
            for delay in DELAYS:
                script = os.path.join(tmp, "level%02d-%d.txt" % (level, delay))
                driver_main.run(level, drive, delay, script)
                tick, digest = replay(level, script)
                all_won = all_won and tick is not None
                print(level, delay, tick if tick is not None else "NOT WON", digest)
    return 0 if all_won else 1


if __name__ == "__main__":
    sys.exit(main([int(a) for a in sys.argv[1:]] or drivers()))
