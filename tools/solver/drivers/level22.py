"""Level 22, the super pac: hang the seven letter boards on the viaduct's
ledge, each between its two pegs. The truck climbs the ramp onto the
terrace and drives north along its painted line beside the viaduct. For
each board it stops with the crane half way between the board (waiting,
facing west, in the row on its left) and the board's place on the ledge
(on its right), grasps the board by its top, lifts it, swings it through
half a turn so it faces east, and lowers it onto the ledge between the
pegs before letting go.

usage: python3 tools/solver/drivers/level22.py [--delay D] [--record FILE]"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 22
LETTERS = "QUORVEL"  # west to east along the ledge reads from y = 1.5 down
TRUCK_LINE_X = 0.9
HUNG_X, HUNG_Z = 1.8, 4.75
# South round the terrace's end, a wide turn onto the ramp's foot, up it and
# onto the painted line.
ROUTE_UP = [(-10, 0), (-9, -22), (-7, -29), (-3.5, -30.5), (-0.8, -28.5), (-0.3, -24),
            (0.5, -12), (0.9, -8.0), (0.9, -5.0)]
# The hub above a board's centre when it holds the board by its top.
HOLD = 0.62
LIFT = 0.5


def place_of(letter):
    return 1.5 - 0.5 * LETTERS.index(letter)


def stance_for(letter):
    """Where the truck's centre stops: the slew axis half way between the
    board's wait at y = 2 p and its place at y = p."""
    return TRUCK_LINE_X, 1.5 * place_of(letter) - P.SLEW_AXIS_AHEAD


def raise_boom(sim, ticks=120):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(ticks)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])


def onto_terrace(sim):
    raise_boom(sim)
    return P.follow_path(sim, "truck", ROUTE_UP,
                         throttle=0.5)


def hang(sim, letter):
    x, y = stance_for(letter)
    if not P.follow_path(sim, "truck", [sim.pose("truck").pos[:2], (x, y)], throttle=0.3):
        return False
    if not P.grasp(sim, letter):
        return False
    board = sim.pose(letter).pos
    hub = sim.pose("grapple").pos
    if not P.grapple_to(sim, (hub[0], hub[1], HUNG_Z + HOLD + LIFT)):
        return False
    place = place_of(letter)
    if not P.grapple_to(sim, (HUNG_X, place, HUNG_Z + HOLD + LIFT)):
        return False
    if not P.grapple_to(sim, (HUNG_X, place, HUNG_Z + HOLD + 0.05), tolerance=0.04):
        return False
    P.work_grapple(sim, 1.0, 40)
    hub = sim.pose("grapple").pos
    return P.grapple_to(sim, (hub[0] - 0.3, hub[1], hub[2] + 0.4))


def reach_report(sim, letter):
    """The kit's reach check at the stance, for the comment in the header."""
    place = (HUNG_X, place_of(letter), HUNG_Z + HOLD)
    board = sim.pose(letter).pos
    pick = (board[0], board[1], board[2] + HOLD)
    print(letter, "pick", P.crane_plane_point(sim, pick), P.crane_can_reach(sim, pick),
          "place", P.crane_plane_point(sim, place), P.crane_can_reach(sim, place))


def drive(sim):
    if not onto_terrace(sim):
        return
    for letter in reversed(LETTERS):
        if not hang(sim, letter) or sim.ended:
            print("stopped at", letter, file=sys.stderr)
            return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
