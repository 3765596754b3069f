"""Level 12, the desert compound: carry the six prison-wall sections from
the store slot into the wall slot. The truck drives round into the lane
between the two slots and stops abreast of each wall in turn; it grips the
wall by its top bar, lifts it clear, swings it over the wall slot and holds
it there until it hangs still, then lowers it in short steps, re-centring
the wall's foot on the slot each time, and lets go once the foot is in the
funnel. A wall that lands beside the slot is gripped again and retried.

usage: python3 tools/solver/drivers/level12_wip.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 12
DEBUG = os.environ.get("LEVEL12_DEBUG")
WALL = "prisonwall"
WALLS = 6
STORE_X, SLOT_X = -8.3, -5.5
WALL_Z = 0.6
SEATED = 0.025  # how near x = -5.5 and z = 0.6 a wall must stand
# Out east, round the south of the yard and back north into the lane
# between the slots: turned on the spot the truck would sweep a wall.
ROUND = [(-5.5, 0.0), (-4.3, -0.2), (-3.1, -1.1), (-2.8, -2.6), (-3.3, -4.1), (-4.6, -5.3),
         (-6.0, -5.5), (-6.6, -5.0), (-6.7, -4.0), (-6.6, -3.2), (-6.55, -2.45)]
LANE_X = -6.75
STANCE_AHEAD = 0.05  # the truck stops this far north of the wall it works
# The hub over the top bar when the prongs close under it.
GRIP_HEIGHTS = (0.83, 0.8, 0.86)
CARRY_HUB = 1.7
# Pulled in and swung round over the cab this high, clear of the truck.
SWING_HUB = 2.1
CLOSE_TICKS = 90  # closing on after the first touch, so the bar sits deep
# The wall's centre lowered through these heights over the slot; the foot
# meets the funnel below 0.8.
LOWER_TO = (0.92, 0.84, 0.76, 0.68, 0.62)
LOWER_LEVER = 0.4
PLACE_TRIES = 3


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def wall(sim, i):
    return sim.pose(WALL, i).pos


def seated(sim, i):
    w = wall(sim, i)
    return abs(w[0] - SLOT_X) < SEATED and abs(w[2] - WALL_Z) < SEATED


def holding(sim, i):
    return sim.grasped() == WALL and math.dist(wall(sim, i), sim.pose("grapple").pos) < 1.2


def stance(sim, y):
    """Along the lane until the truck is abreast of y."""
    p = sim.pose("truck").pos
    if abs(p[1] - y) < 0.3:
        return True
    return P.follow_path(sim, "truck", [(p[0], p[1]), (LANE_X, y)], throttle=0.3, stop_short=0.05)


def grip(sim, i):
    """Opened over the top bar, down round it on the joints' readings and
    closed until the bar is held; another height each time it misses."""
    for h in GRIP_HEIGHTS:
        c = wall(sim, i)
        if not (P.raise_hub_to(sim, c[2] + h + 0.3) and P.open_grapple(sim)
                and P.crane_joints_to(sim, (c[0], c[1], c[2] + h + 0.3), 0.6) and P.hub_settle(sim)):
            return False
        P.hub_over(sim, (c[0], c[1], c[2] + h), LOWER_LEVER)
        if P.close_until_grasped(sim, WALL) and P.work_grapple(sim, -1.0, CLOSE_TICKS):
            return True
        log(sim, "missed at", h, sim.pose("grapple").pos)
    return False


def lift(sim, z=None):
    """Up at full lever (half a lever hardly lifts a wall) with the closing
    lever held, so the bar stays deep in the prongs."""
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    ok = P.raise_hub_to(sim, z or SWING_HUB) and P.hub_settle(sim)
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return ok


def lower_onto_slot(sim, i, y):
    """The held wall let down onto the slot, its centre steered onto the
    slot's line at each step; True once it is let go there."""
    for z in LOWER_TO:
        if wall(sim, i)[2] < z:
            continue  # already down there (its foot on the funnel)
        for _ in range(3):
            w, hub = wall(sim, i), sim.pose("grapple").pos
            aim = (hub[0] + SLOT_X - w[0], hub[1] + y - w[1], hub[2] + z - w[2])
            if P.crane_joint_targets(sim, aim, sim.joint("crane", "bend")) is None:
                log(sim, "out of reach", aim, [round(v, 3) for v in w])
                aim = (hub[0], hub[1], aim[2])
                if P.crane_joint_targets(sim, aim, sim.joint("crane", "bend")) is None:
                    break
            if not P.crane_joints_to(sim, aim, LOWER_LEVER):
                log(sim, "lost reach on the way", aim)
                break
            if not P.hub_settle(sim):
                return False
            P.hub_rest_point(sim, 30)
            w = wall(sim, i)
            if abs(w[0] - SLOT_X) < 0.02 and abs(w[2] - z) < 0.05:
                break
        log(sim, "lowered to", z, [round(v, 3) for v in wall(sim, i)])
    log(sim, "letting go", [round(v, 3) for v in wall(sim, i)])
    return P.work_grapple(sim, 1.0, 60)


def move_wall(sim, i):
    y = wall(sim, i)[1]
    if not stance(sim, y + STANCE_AHEAD):
        return False
    log(sim, "stance", i, sim.pose("truck").pos, P.reach_margin(sim, (STORE_X, y, 1.43)),
        P.reach_margin(sim, (SLOT_X, y, 1.43)))
    for _ in range(PLACE_TRIES):
        if seated(sim, i):
            break
        if not grip(sim, i) or not lift(sim):
            log(sim, "no grip", i)
            return False
        log(sim, "lifted", i, sim.grasped(), [round(v, 3) for v in wall(sim, i)])
        # Swung across over the truck's bed first, then out over the slot:
        # the wall held far out both ways tilts the truck off its reach.
        t = sim.pose("truck").pos
        if not all(P.crane_joints_to(sim, (x, y + dy, z), 0.6) and P.hub_settle(sim)
                   for x, dy, z in ((STORE_X + 0.55, 0.0, SWING_HUB), (t[0], 1.0, SWING_HUB),
                                    (SLOT_X - 0.5, 0.0, SWING_HUB - 0.2), (SLOT_X, 0.0, CARRY_HUB))):
            log(sim, "not over the slot", sim.pose("grapple").pos, sim.pose("truck").pos)
            return False
        if not lower_onto_slot(sim, i, y):
            return False
        sim.step(60)
        log(sim, "placed", i, [round(v, 3) for v in wall(sim, i)], seated(sim, i))
    if not lift(sim):
        return False
    return seated(sim, i)


def drive(sim):
    if not P.follow_path(sim, "truck", ROUND, throttle=0.5):
        return
    for i in range(WALLS):
        if not move_wall(sim, i):
            log(sim, "gave up on", i)
            return
    sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
