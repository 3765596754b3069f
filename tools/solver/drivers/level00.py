"""Level 0, the parking lot: park the truck in the bay between the fourth
and fifth pole without knocking one over. The boom goes up out of the way,
the truck drives east past the row, turns round south of it and comes back
west along a line clear of the poles' feet, edging north into the bay.

usage: python3 tools/solver/drivers/level00.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 0
# East and a little north, round a turn wide enough for the truck's lock,
# back west along y = -1.5 (the poles' feet reach down to -0.95), easing
# north into the bay's middle.
TURN_CENTRE, TURN_RADIUS = (4.2, -0.1), 1.4
TURN = [(TURN_CENTRE[0] + TURN_RADIUS * math.sin(a * math.pi / 6),
         TURN_CENTRE[1] + TURN_RADIUS * math.cos(a * math.pi / 6)) for a in range(7)]
ROUTE = [(0.0, 0.0), (2.0, 1.1)] + TURN + [(2.4, -1.5), (1.4, -1.3), (0.75, -1.28)]


def drive(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(160)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if P.follow_path(sim, "truck", ROUTE, throttle=0.4) and not sim.ended:
        sim.step(60)  # the goal is read once the truck stands


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
