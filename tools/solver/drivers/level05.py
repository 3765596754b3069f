"""Level 5, bridge: two deck segments lie across the verges beside the road,
short of a bridge with a gap in its deck. Draw up beside the nearer one,
swing the arm out over it, open the claw wide, lower the fingers through
the slots under its centre plate and close; lift it, slew back to the front
so that it turns in line with the road, drive to the gap and lower it onto
the west ledge and the pier; open wide and lift clear. Back up for the
other one, carry it over the first into the east half of the gap, fold the
arm and drive across.

usage: python3 tools/solver/drivers/level05.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 5
DEBUG = os.environ.get("LEVEL05_DEBUG")
ROAD_Y = 0.0
EAST_BANK = 14.0
# Abreast of each segment on the road's middle: over its centre plate the
# hub has 0.30 m of reach to spare.
PICK_STANCES = [(-15.8, ROAD_Y), (-15.8, ROAD_Y)]
# The claw's fingers pass through the segment's slots opened this wide and,
# with the hub this far above its centre, close under the centre plate.
SEGMENT_OPEN = 1.45
SEGMENT_GRIP = 0.147
GRIP_BEND = -0.8
LAY_BEND = -0.4
MOST_BEND = -1.0
# The segment is brought over its place this high, clear of the deck and the
# first segment, and let down from there a step at a time.
LAY_HOVER = 0.4
GRIP_SQUEEZE_TICKS = 60
CARRY_Z = 0.95  # hub height carried: the segment clears the barriers at the gap
CARRY_AHEAD = 1.75
# Where the segments' centres go: the west one with its end rails on the
# west ledge and the pier cap, the east one between the first and the east
# ledge, as far east as the deck's end leaves room. Each rests with its
# centre 0.1 below the road.
LAID = [(-10.0, ROAD_Y), (-7.97, ROAD_Y)]
LAID_Z = -0.1
SEATED_Z = -0.02  # held this low a segment stands on its rails, the claw taking some of it
# Laying stances: on the deck with the front wheels at the gap's edge (over
# the west segment's place 0.21 m of reach to spare), and for the second on
# the first segment, back just far enough that the second's west end comes
# down clear of the front wheels, about 4 cm ahead of them (0.21 m).
PLACE_STANCES = [-11.66, -9.63]
PICK_TRIES = 3


def log(*args):
    print(*args, file=sys.stderr)


def r3(v):
    return [round(x, 3) for x in v]


def ahead_of_truck(sim, ahead, z):
    t = sim.pose("truck")
    return (t.pos[0] + ahead * t.x_axis[0], t.pos[1] + ahead * t.x_axis[1], z)


def held(sim, index):
    """Whether segment index hangs from the claw, clear of the ground."""
    return sim.grasped() == "segment" and sim.pose("segment", index).pos[2] > 0.3


def creep_to(sim, x, tolerance=0.01, top=0.3, max_ticks=3000, every=2):
    """Edges the truck along the road, forward or back, holding it on the
    road's line, until its centre is within tolerance of x and it stands
    still: the crane slews about the truck's centre, and only square to the
    segment does the claw hang with its fingers over the slots."""
    for _ in range(0, max_ticks, every):
        t = sim.pose("truck")
        error, off = x - t.pos[0], t.pos[1] - ROAD_Y
        if abs(error) < tolerance:
            if t.speed < 0.02:
                break
            sim.post("accelcontrol setting=0")
        else:
            # Backing, the tail follows the wheel; going forward, the nose.
            way = 1 if error > 0 else -1
            aim = P.clamp(-way * 1.2 * off, -0.2, 0.2)
            sim.post("steer setting=%f" % P.clamp(-way * 2.0 * P.wrap(aim - t.heading)))
            sim.post("accelcontrol setting=%f" % (way * P.clamp(abs(error), 0.12, top)))
        if sim.step(every):
            return False
    sim.post("accelcontrol setting=0")
    sim.post("steer setting=0")
    return not sim.step(30)


def lower_to(sim, target, drop, steps, index=None, stance_x=None, fine=0, within=0.012):
    """Lets the hub down drop to target in steps on the joints' readings,
    waiting for it to hang still at each and aiming the next step by how far
    the hub (with index given: the segment it holds) hung off target in the
    ground plane: the arm gives more the lower and further out it works; a
    segment stops once it stands on its rails.
    The truck creeps back as the crane works ahead of it with a load: with
    stance_x given it is edged back there between steps. At the bottom up
    to fine more corrections bring it within within."""
    offset = [0.0, 0.0]
    for k in list(range(1, steps + 1)) + [steps] * fine:
        if stance_x is not None and abs(sim.pose("truck").pos[0] - stance_x) > 0.02:
            if not creep_to(sim, stance_x):
                return False
        aim = (target[0] + offset[0], target[1] + offset[1], target[2] + drop * (1 - k / steps))
        # Low and far out the boom is at its stop before the hub gets down:
        # fold the beam a little further.
        bend = sim.joint("crane", "bend")
        if P.crane_joint_targets(sim, aim, bend) is None and bend > MOST_BEND:
            P.bend_to(sim, bend - 0.2)
        ok = P.crane_joints_to(sim, aim, limit=0.3, max_ticks=300) and P.hub_settle(sim)
        if not ok:
            return False
        rest = P.hub_rest_point(sim, 30) if index is None else sim.pose("segment", index).pos
        if index is not None and rest[2] < SEATED_Z:
            break
        miss = [target[i] - rest[i] for i in range(2)]
        if k == steps and math.hypot(*miss) < within:
            break
        for i in range(2):
            offset[i] += 0.8 * miss[i]
        if DEBUG:
            log("    step", k, r3(aim), "at", r3(rest), sim.tick)
    return True


def grasp_segment(sim, index):
    """Over the segment's centre with the claw opened wide, lowered until the
    fingers stand in the slots under the centre plate, and closed."""
    c = sim.pose("segment", index).pos
    at = (c[0], c[1], c[2] + SEGMENT_GRIP)
    above = (at[0], at[1], at[2] + 0.3)
    log("segment", index, "at", r3(c), "margin", P.reach_margin(sim, at), "stance",
        r3(sim.pose("truck").pos))
    if not (P.raise_hub_to(sim, above[2] + 0.2) and P.bend_to(sim, GRIP_BEND)):
        return False
    # Across high, opened, then over it exactly: opening the claw pushes
    # the hub aside.
    if not (P.grapple_to(sim, (above[0], above[1], above[2] + 0.1), tolerance=0.15)
            and P.open_grapple(sim, SEGMENT_OPEN)):
        return False
    P.hub_over(sim, above, within=0.015, tries=5)
    if not lower_to(sim, at, 0.3, 6, fine=3):
        return False
    log("  lowered", r3(sim.pose("grapple").pos), "for", r3(at))
    # Closed right up, and the lever held there while it is carried: let
    # go, the fingers spread under the load and a jolt on the way drops it.
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    sim.step(GRIP_SQUEEZE_TICKS)
    return sim.grasped() == "segment"


def take_segment(sim, index):
    """Grasps segment index and lifts it to carrying height; a miss opens,
    lifts and tries again where it lies now."""
    for _ in range(PICK_TRIES):
        if grasp_segment(sim, index) and P.raise_hub_to(sim, CARRY_Z) and held(sim, index):
            return True
        log("  segment", index, "not held:", r3(sim.pose("segment", index).pos), sim.grasped())
        P.open_grapple(sim, SEGMENT_OPEN)
        h = sim.pose("grapple").pos
        P.grapple_to(sim, (h[0], h[1], h[2] + 0.35))
        sim.step(60)
    return False


def carry_in_line(sim, index):
    """Slews the held segment round in front of the truck, where it turns
    in line with the road."""
    t = sim.pose("truck").pos
    ok = P.grapple_to(sim, (t[0] + CARRY_AHEAD, ROAD_Y, CARRY_Z), tolerance=0.15)
    s = sim.pose("segment", index)
    log("  carried", r3(s.pos), "heading", round(s.heading, 3))
    return ok and held(sim, index)


def segment_skew(sim, index):
    """How far the segment's length is turned off the road (radians)."""
    return abs(P.wrap(2 * sim.pose("segment", index).heading) / 2)


def lay_segment(sim, index):
    """From its stance, holds the segment over its place, lets it down a
    little at a time until it rests on its rails, and lets go."""
    x, y = LAID[index]
    at = (x, y, LAID_Z + SEGMENT_GRIP)
    log("lay", index, "margin", P.reach_margin(sim, at), "stance", r3(sim.pose("truck").pos))
    # Straighter than for the pick: the place is further out and lower.
    if not (P.bend_to(sim, LAY_BEND) and P.grapple_to(sim, (x, y, at[2] + LAY_HOVER), tolerance=0.1)):
        return log("  not over the place", r3(sim.pose("grapple").pos))
    creep_to(sim, PLACE_STANCES[index])
    P.hub_over(sim, (x, y, at[2] + LAY_HOVER), within=0.02, tries=4)
    log("  over", r3(sim.pose("grapple").pos), r3(sim.pose("segment", index).pos))
    if not lower_to(sim, at, LAY_HOVER, 12, index=index, stance_x=PLACE_STANCES[index]):
        return log("  not let down", r3(sim.pose("grapple").pos), sim.end_games, sim.joint("crane", "bend"))
    s = sim.pose("segment", index).pos
    log("  down at", r3(s), "skew", round(segment_skew(sim, index), 3))
    if not P.open_grapple(sim, SEGMENT_OPEN, max_ticks=300):
        return False
    sim.step(40)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.4), tolerance=0.1)
    P.work_grapple(sim, -1.0, 60)
    s = sim.pose("segment", index).pos
    log("laid", index, r3(s), sim.tick)
    return abs(s[2] - LAID_Z) < 0.02 and abs(s[0] - x) < 0.1


def stow(sim):
    """The arm drawn in above the road ahead, clear of the kerbs and rails."""
    P.raise_hub_to(sim, CARRY_Z + 0.1)
    return P.grapple_to(sim, ahead_of_truck(sim, 1.3, CARRY_Z + 0.1), tolerance=0.15)


def drive_along_road(sim, x, throttle=0.4):
    p = sim.pose("truck").pos
    return P.follow_path(sim, "truck", [(p[0], p[1]), (p[0] + 0.8, ROAD_Y), (x, ROAD_Y)],
                         throttle=throttle)


def fetch_and_lay(sim, index):
    stance = PICK_STANCES[index]
    t = sim.pose("truck").pos
    if t[0] > stance[0] - 1.0:
        if not creep_to(sim, stance[0] - 1.2, tolerance=0.1, top=0.4):
            return log("not backed up")
    t = sim.pose("truck").pos
    path = [(t[0], t[1]), (stance[0] - 0.6, stance[1]), stance]
    if not P.follow_path(sim, "truck", path, throttle=0.3):
        return log("not at pick stance", index)
    if not creep_to(sim, sim.pose("segment", index).pos[0]):
        return log("not square to segment", index)
    log("pick stance", index, r3(sim.pose("truck").pos), round(sim.pose("truck").heading, 3))
    if not take_segment(sim, index):
        return log("no segment", index)
    if not carry_in_line(sim, index):
        return log("segment", index, "not swung round")
    if not drive_along_road(sim, PLACE_STANCES[index], throttle=0.3):
        return log("not at lay stance", index)
    if not creep_to(sim, PLACE_STANCES[index]):
        return log("not at lay stance", index)
    log("lay stance", index, r3(sim.pose("truck").pos), round(sim.pose("truck").heading, 3))
    if not lay_segment(sim, index):
        return log("segment", index, "not laid")
    return stow(sim)


def drive(sim):
    for index in range(2):
        if not fetch_and_lay(sim, index):
            return
    log("both laid", sim.tick)
    drive_along_road(sim, EAST_BANK + 1.5, throttle=0.5)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
