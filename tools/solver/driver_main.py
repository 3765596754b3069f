"""What every level driver's command line does: start the level, wait the
given delay before the first input, drive, and keep the script if asked."""

import argparse
import sys

from serve_client import Sim


def run(level, drive, delay=0, record=None):
    """Drives level with its first input delay ticks late; returns the
    session (closed), whose end_games and digest() tell how it went."""
    with Sim(level=level) as sim:
        if delay:
            sim.step(delay)
        drive(sim)
        if record:
            sim.record(record)
    return sim


def main(level, drive):
    parser = argparse.ArgumentParser()
    parser.add_argument("--delay", type=int, default=0, help="ticks before the first input")
    parser.add_argument("--record", help="write the input as a script here")
    args = parser.parse_args()
    sim = run(level, drive, args.delay, args.record)
    for win, lv, tick in sim.end_games:
        print("endGame win=%d level=%d tick=%d" % (win, lv, tick))
    print("digest", sim.digest())
    # Most drivers end on a bare call of this, so the exit status is set
    # here: a run that did not win must not read as a success to a shell.
    sys.exit(0 if sim.won else 1)
