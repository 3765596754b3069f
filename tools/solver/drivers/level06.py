"""Level 6, stack'em: tow the trailer gently through the containment yard's
gate and stop with its load behind the truck beside the shaft; then stack
the three stackers in the shaft with the crane, the top one of the pair
first, then the one it stood on, then the single one. Each is picked by its
handle with the prongs opened wide and the hub let down onto it a little at
a time, lifted clear of what still stands on the trailer, swung over the
shaft, lowered into the funnel's mouth and let go; the funnel squares it and
the shaft seats it.

usage: python3 tools/solver/drivers/level06.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 6
SHAFT = (-9.0, 3.0)
# Along the lane through the gate to a stop level with the shaft's west
# side: the trailer's load then stands behind the truck on the lane.
ROUTE = [(-15.25, 1.6), (-8.6, 1.6)]
# Gently: the pair's top stacker topples off its fellow when the truck
# pulls away hard.
TOW_THROTTLE = 0.2
PICK_ORDER = (1, 0, 2)
# The grapple comes down round a stacker's handle with its prongs opened
# wide, HANDLE_ABOVE over the stacker's centre, from APPROACH higher. Over
# the top of the pair they open wider still: the hub hangs a few centimetres
# off where it was sent, and a prong landing on the plate's edge tips that
# stacker off its fellow. Beside a stacker on the floor they must stay
# clear of its neighbour.
OPENING, OPENING_ON_TOP = 1.0, 1.3
ON_TOP = 0.8  # a stacker's centre this high stands on another
HANDLE_ABOVE, APPROACH = 0.36, 0.3
LOWER_STEPS = 5
UPRIGHT = 0.9  # a stacker leaning further has been knocked over
# How near the hub must hang to each point: the slew's dead band alone
# leaves it 3 cm to the side at the single stacker's reach.
ALIGN = 0.08
# A carried stacker hangs with its foot this far below the hub; it is
# carried CLEARANCE over whatever still stands on the trailer.
HANGS_BELOW = 0.55
CLEARANCE = 0.6
FUNNEL_RIM = 0.35
# Where the hub lets go: the stacker's foot inside the funnel's mouth, so
# that one hanging askew is straightened by the plates as it drops.
RELEASE_HEIGHT = 0.8
# How still the load must hang over the hole before it is let go.
STILL_WITHIN = 0.05


def on_trailer(p):
    return math.hypot(p[0] - SHAFT[0], p[1] - SHAFT[1]) > 0.5


def carry_height(sim, index):
    """The hub's height that takes stacker index over the others still on
    the trailer and over the funnel's rim."""
    tops = [FUNNEL_RIM]
    for other in range(3):
        p = sim.pose("stacker", other).pos
        if other != index and on_trailer(p):
            tops.append(p[2] + 0.25)
    return max(tops) + CLEARANCE + HANGS_BELOW


def hub_over(sim, index, height, tries=4):
    """Brings the hub to height over stacker index, aimed afresh at where the
    stacker stands after each try: the truck creeps while the crane works
    and the trailer with it."""
    for _ in range(tries):
        centre = sim.pose("stacker", index).pos
        if P.grapple_to(sim, (centre[0], centre[1], centre[2] + height), tolerance=ALIGN,
                        max_ticks=600):
            return P.hold_still(sim)
        if sim.ended:
            return False
    return False


def lower(sim, index):
    """Lowers the hub round stacker index's handle in short steps: sent down
    in one go it swings out a hand's breadth, and a prong brushing the plate
    shifts the stacker."""
    for k in range(1, LOWER_STEPS + 1):
        if not hub_over(sim, index, HANDLE_ABOVE + APPROACH * (1 - k / LOWER_STEPS)):
            return False
    return True


def pick(sim, index):
    """Opens the grapple over stacker index, lowers it round the handle and
    closes until it holds the stacker."""
    centre = sim.pose("stacker", index).pos
    at = (centre[0], centre[1], centre[2] + HANDLE_ABOVE)
    above = (at[0], at[1], at[2] + APPROACH)
    bend = P.bend_for(sim, (above, at))
    if bend is None:
        return False
    opening = OPENING_ON_TOP if centre[2] > ON_TOP else OPENING
    # Across with the prongs shut, and only there opened: swung across open
    # they catch what stands near.
    return (hub_over(sim, index, HANDLE_ABOVE + APPROACH) and P.open_grapple(sim, opening) and P.bend_to(sim, bend) and lower(sim, index)
            and P.close_until_grasped(sim, "stacker"))


def pick_again(sim, index, tries=3):
    """Picks stacker index; a miss lifts the open grapple clear and tries
    again over where the stacker stands now."""
    for _ in range(tries):
        if pick(sim, index):
            return True
        if sim.ended or sim.pose("stacker", index).z_axis[2] < UPRIGHT:
            return False
        P.back_off(sim, OPENING, APPROACH)
    return False


def settle_over_shaft(sim, index, max_ticks=600, every=10):
    """Waits, levers at rest, until the hanging stacker's centre is within
    STILL_WITHIN of the shaft's axis."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("stacker", index).pos
        if math.hypot(p[0] - SHAFT[0], p[1] - SHAFT[1]) < STILL_WITHIN:
            return True
        if sim.step(every):
            return False
    return False


def stack(sim, index):
    """Picks stacker index off the trailer and lets it go into the shaft."""
    if not pick_again(sim, index):
        return False
    hub = sim.pose("grapple").pos
    high = carry_height(sim, index)
    if not (P.grapple_to(sim, (hub[0], hub[1], high))
            and P.grapple_to(sim, (SHAFT[0], SHAFT[1], high))
            and P.grapple_to(sim, (SHAFT[0], SHAFT[1], RELEASE_HEIGHT))):
        return False
    settle_over_shaft(sim, index)
    if not P.open_grapple(sim):
        return False
    # Up out of the funnel and the outer beam straight again: the next
    # pick chooses its own bend, and straightening it over a load would
    # throw the grapple about.
    hub = sim.pose("grapple").pos
    return P.grapple_to(sim, (hub[0], hub[1], high)) and P.bend_to(sim, 0.0)


def drive(sim):
    if not P.follow_path(sim, "truck", ROUTE, throttle=TOW_THROTTLE):
        return
    for index in PICK_ORDER:
        if not stack(sim, index) or sim.ended:
            return
    sim.step(300)  # the last one drops and seats


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
