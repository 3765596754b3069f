"""Level 22, the super pac: hang the seven letter boards on the viaduct's
ledge, each between its two pegs. The truck climbs the ramp onto the
terrace and drives north along its painted line beside the viaduct. Each
board waits due west of its place, facing west; the truck stops with its
slew axis level with the place, grasps the board by its top bar, draws it
in close over the truck and lifts it, swings it round through the north
so it faces east, reaches out over the ledge and lowers it between the
pegs before letting go. The boards go up from the south end, so the swing
never passes over one already hung.

usage: python3 tools/solver/drivers/level22.py [--delay D] [--record FILE]"""

import math
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
# The grapple comes down just open over a board's top bar, its hub this far
# above the board's centre, and closes right through, so that the fingers
# hook under the bar; hanging on them, the board's centre is HOLD below the
# hub.
OPEN = 0.3
GRIP = 0.57
CLOSE_TICKS = 60
HOLD = 0.49
# Where the hub carries a board round: drawn in this close to the slew axis
# and this high, the board swings clear of the cab and the waiting row.
CARRY_OUT = 0.45
CARRY_Z = 6.0
# Over the ledge the board comes in with its feet this far above the pegs'
# tops' height and is let down a little east of its place, so that its back
# slides down the parapet and it stands leaning on it.
FEET_CLEAR = 0.15
LEAN = 0.03


def place_of(letter):
    return 1.5 - 0.5 * LETTERS.index(letter)


def stance_for(letter):
    """Where the truck's centre stops: the slew axis level with the place."""
    return TRUCK_LINE_X, place_of(letter) - P.SLEW_AXIS_AHEAD


def slew_axis(sim):
    truck = sim.pose("truck")
    return (truck.pos[0] + P.SLEW_AXIS_AHEAD * truck.x_axis[0],
            truck.pos[1] + P.SLEW_AXIS_AHEAD * truck.x_axis[1])


def round_axis(sim, bearing, out, z):
    """The world point out from the slew axis on the bearing, at height z."""
    ax, ay = slew_axis(sim)
    return ax + out * math.cos(bearing), ay + out * math.sin(bearing), z


def raise_boom(sim, ticks=120):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(ticks)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])


def onto_terrace(sim):
    raise_boom(sim)
    return P.follow_path(sim, "truck", ROUTE_UP, throttle=0.5)


def hook(sim, letter):
    """Hooks the grapple's fingers under the board's top bar; False when the
    board did not come up with the hub."""
    centre = sim.pose(letter).pos
    hub = sim.pose("grapple").pos
    above = (centre[0], centre[1], centre[2] + GRIP + 0.35)
    if not (P.grapple_to(sim, (hub[0], hub[1], max(hub[2], above[2]))) and P.open_grapple(sim, OPEN)
            and P.grapple_to(sim, above)
            and P.grapple_to(sim, (centre[0], centre[1], centre[2] + GRIP), tolerance=0.05)):
        return False
    if not P.work_grapple(sim, -1.0, CLOSE_TICKS):
        return False
    if not P.raise_hub_to(sim, centre[2] + GRIP + 0.3):
        return False
    return sim.pose(letter).pos[2] > centre[2] + 0.15


def hang(sim, letter):
    x, y = stance_for(letter)
    if not P.follow_path(sim, "truck", [sim.pose("truck").pos[:2], (x, y)], throttle=0.3):
        return False
    if not hook(sim, letter):
        return False
    place = place_of(letter)
    steps = [round_axis(sim, math.pi, CARRY_OUT, CARRY_Z),
             round_axis(sim, math.pi / 2, CARRY_OUT, CARRY_Z),
             round_axis(sim, 0.0, CARRY_OUT, CARRY_Z),
             (HUNG_X - 0.15, place, HUNG_Z + HOLD + FEET_CLEAR),
             (HUNG_X + LEAN, place, HUNG_Z + HOLD + FEET_CLEAR)]
    for step in steps:
        if not P.grapple_to(sim, step, tolerance=0.05):
            return False
    if not P.grapple_to(sim, (HUNG_X + LEAN, place, HUNG_Z + HOLD - 0.03), tolerance=0.04):
        return False
    if not P.open_grapple(sim, P.GRAPPLE_OPEN):
        return False
    hub = sim.pose("grapple").pos
    return P.grapple_to(sim, (hub[0] - 0.3, hub[1], hub[2] + 0.4))


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
