"""Level 5, bridge: two deck segments lie across the verges beside the road,
short of a bridge with a hole in its deck. Draw up beside the nearer one,
swing the arm out over it, open the claw wide, lower the fingers through
the slots under its centre plate and close; lift it, slew back to the front
so that it turns in line with the road, and drive onto the plaza before the
hole, round to stand side-on at its west end, heading north abreast of the
segment's place. Swing it out over the hole, where it lies along the road
again, and lower it into the north half, its west rail in the groove and
its east one on the ledge; open wide and lift clear. Back off, round the
bank for the other one and lay it beside the first in the south half; then
round once more and drive across on both.

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
CARRY_Z = 0.95  # hub height carried: the segment clears the walls beside the hole
CARRY_AHEAD = 1.75
# Where the segments' centres go: side by side along the road in the hole,
# one under each wheel track, the west deck end 2 cm off the hole's west
# wall, the west rail in the groove and the east one on the ledge; laid, a
# centre is 0.1 below the road.
LAID = [(-9.0, 0.6), (-9.0, -0.6)]
LAID_Z = -0.1
SEATED_Z = -0.02  # held this low a segment stands on its rails, the claw taking some of it
# Laying stances: heading north or south at the hole's west end, abreast of
# each place, with the east wheels 0.2 back from the deck's end and so 0.55
# from the shelf's edge, where the drop begins; over either place the hub
# has 0.24 m of reach to spare. The truck stops about 3 cm east of the line
# (0.52 from the drop, 0.28 to spare).
STANCE_X = -10.625
PLACE_STANCES = [(STANCE_X, LAID[0][1]), (STANCE_X, LAID[1][1])]
# Lines the truck creeps on: (axis, the other coordinate, way it faces).
NORTH, SOUTH = (1, STANCE_X, 1), (1, STANCE_X, -1)  # on the stances' line
ALONG_ROAD = (0, ROAD_Y, 1)
# The first is laid heading north, come up from the south; the second
# heading south, come down from the north: each arrives on its own side.
FACING = [NORTH, SOUTH]
# Slewed round to the side the held segment is swung out this far from the
# truck's centre, so that its inner end passes clear of the cab.
SWING_OUT = 1.75
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


def creep_to(sim, goal, line=ALONG_ROAD, tolerance=0.01, top=0.3, max_ticks=3000, every=2):
    """Edges the truck forward or back along a line (line = (axis, c,
    way): along x on y = c for axis 0, along y on x = c for axis 1, facing
    the way its coordinate grows for way 1), holding it on it, until its
    centre is within tolerance of goal on that axis and it stands still:
    the crane slews about the truck's centre, and only square to the
    segment does the claw hang with its fingers over the slots."""
    axis, c, facing = line
    heading = (0.0 if facing > 0 else math.pi) if axis == 0 else facing * math.pi / 2
    for _ in range(0, max_ticks, every):
        t = sim.pose("truck")
        error = facing * (goal - t.pos[axis])  # ahead of the truck
        # Off the line to the truck's left.
        off = facing * (t.pos[1] - c if axis == 0 else c - t.pos[0])
        if abs(error) < tolerance:
            if t.speed < 0.02:
                break
            sim.post("accelcontrol setting=0")
        else:
            # Backing, the tail follows the wheel; going forward, the nose.
            way = 1 if error > 0 else -1
            aim = heading + P.clamp(-way * 1.2 * off, -0.2, 0.2)
            sim.post("steer setting=%f" % P.clamp(-way * 2.0 * P.wrap(aim - t.heading)))
            sim.post("accelcontrol setting=%f" % (way * P.clamp(abs(error), 0.12, top)))
        if sim.step(every):
            return False
    sim.post("accelcontrol setting=0")
    sim.post("steer setting=0")
    return not sim.step(30)


def lower_to(sim, target, drop, steps, index=None, stance=None, fine=0, within=0.012):
    """Lets the hub down drop to target in steps on the joints' readings,
    waiting for it to hang still at each and aiming the next step by how far
    the hub (with index given: the segment it holds) hung off target in the
    ground plane: the arm gives more the lower and further out it works; a
    segment stops once it stands on its rails.
    The truck creeps as the crane works beside it with a load: with
    stance (goal, line) given it is edged back there between steps. At the bottom up
    to fine more corrections bring it within within."""
    offset = [0.0, 0.0]
    for k in list(range(1, steps + 1)) + [steps] * fine:
        if stance is not None and abs(sim.pose("truck").pos[stance[1][0]] - stance[0]) > 0.02:
            if not creep_to(sim, *stance):
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
    # Swung out wide at carrying height first, then drawn in over the place
    # and let down: the segment's inner end sweeps round clear of the cab.
    t = sim.pose("truck").pos
    out = (t[0] + SWING_OUT, t[1], CARRY_Z)
    # With the load swinging the hub may not settle within the tolerance
    # here; near enough, the inner end is clear of the cab all the same.
    if not P.grapple_to(sim, out, tolerance=0.15):
        if sim.end_games or math.dist(sim.pose("grapple").pos, out) > 0.3:
            return log("  not swung out", r3(sim.pose("grapple").pos))
    if not (P.bend_to(sim, LAY_BEND) and P.grapple_to(sim, (x, y, at[2] + LAY_HOVER), tolerance=0.1)):
        return log("  not over the place", r3(sim.pose("grapple").pos))
    creep_to(sim, PLACE_STANCES[index][1], FACING[index])
    P.hub_over(sim, (x, y, at[2] + LAY_HOVER), within=0.02, tries=4)
    log("  over", r3(sim.pose("grapple").pos), r3(sim.pose("segment", index).pos),
        "skew", round(segment_skew(sim, index), 3))
    if not lower_to(sim, at, LAY_HOVER, 12, index=index,
                    stance=(PLACE_STANCES[index][1], FACING[index])):
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
    # On the joints: slewed round from the side, the hub chased by
    # grapple_to settles off to one side of the nose.
    P.raise_hub_to(sim, CARRY_Z + 0.1)
    return P.crane_joints_to(sim, ahead_of_truck(sim, 1.3, CARRY_Z + 0.1), limit=0.6) and \
        P.hub_settle(sim)


# Ways round, as ground points for follow_path. Onto the plaza and round
# to face north (way 1) or south (way -1) on the stances' line, a metre and
# a half short of y_end; the steering cuts inside a turn, so it is wider
# than the truck's tightest.
APPROACH_R = 1.8


def to_stance(y_end, way):
    r = APPROACH_R
    c = (STANCE_X - r, y_end - way * 1.5)
    arc = [(c[0] + r * math.sin(a), c[1] - way * r * math.cos(a)) for a in (0, 0.4, 0.8, 1.2, 1.57)]
    return [(-15.0, ROAD_Y), (-14.2, arc[0][1] * 0.5), (c[0] - 0.8, arc[0][1])] + arc


def leave_stance(sim, back_to, line):
    """Backs along the stances' line to back_to and gives the points of the
    turn west off it onto the plaza from there."""
    if not creep_to(sim, back_to, line, tolerance=0.1, top=0.4):
        return None
    way = line[2]
    c = (STANCE_X - 1.4, back_to)
    return [(c[0] + 1.4 * math.cos(a), c[1] + way * 1.4 * math.sin(a)) for a in (0, 0.52, 1.05, 1.57)]


U_TURN_X = -21.5


def round_the_bank(y_west, rejoin_x):
    """West across the plaza onto the bank at y_west, round to the left and
    back east onto the road's line by rejoin_x."""
    x, b = U_TURN_X, y_west - 2.8
    return [(-14.0, y_west), (x + 1.0, y_west), (x, y_west), (x - 0.99, y_west - 0.41),
            (x - 1.4, y_west - 1.4), (x - 0.99, y_west - 2.39), (x, b), (x + 1.0, b),
            ((x + 1.0 + rejoin_x - 1.0) / 2, b / 2), (rejoin_x - 1.0, ROAD_Y), (rejoin_x, ROAD_Y)]


def fetch_and_lay(sim, index):
    stance = PICK_STANCES[index]
    t = sim.pose("truck").pos
    if index == 0:
        path = [(t[0], t[1]), (stance[0] - 0.6, stance[1]), stance]
    else:
        # From the first segment's stance back round the bank to the road.
        turn = leave_stance(sim, LAID[0][1] - 1.4, FACING[0])
        if turn is None:
            return log("not backed off the stance")
        t = sim.pose("truck").pos
        path = [(t[0], t[1])] + turn + round_the_bank(turn[-1][1], stance[0] - 0.8) + [stance]
    if not P.follow_path(sim, "truck", path, throttle=0.3):
        return log("not at pick stance", index)
    if not creep_to(sim, sim.pose("segment", index).pos[0]):
        return log("not square to segment", index)
    log("pick stance", index, r3(sim.pose("truck").pos), round(sim.pose("truck").heading, 3))
    if not take_segment(sim, index):
        return log("no segment", index)
    if not carry_in_line(sim, index):
        return log("segment", index, "not swung round")
    place = PLACE_STANCES[index]
    t = sim.pose("truck").pos
    way = FACING[index][2]
    path = [(t[0], t[1])] + to_stance(place[1], way) + [place]
    if not P.follow_path(sim, "truck", path, throttle=0.3):
        return log("not at lay stance", index)
    # Squared onto the line: backed a metre along it and brought up again.
    t = sim.pose("truck")
    log("  came to", r3(t.pos), round(t.heading, 3))
    for _ in range(3):
        t = sim.pose("truck")
        if abs(t.pos[0] - STANCE_X) < 0.03 and abs(P.wrap(t.heading - way * math.pi / 2)) < 0.03:
            break
        if not creep_to(sim, place[1] - way * 1.2, FACING[index], tolerance=0.05):
            return log("not backed along the line", index)
    if not creep_to(sim, place[1], FACING[index]):
        return log("not at lay stance", index)
    log("lay stance", index, r3(sim.pose("truck").pos), round(sim.pose("truck").heading, 3))
    if not lay_segment(sim, index):
        return log("segment", index, "not laid")
    if not stow(sim):
        return log("arm not stowed", r3(sim.pose("grapple").pos), sim.end_games)
    return True


def drive(sim):
    for index in range(2):
        if not fetch_and_lay(sim, index):
            return
    log("both laid", sim.tick)
    turn = leave_stance(sim, LAID[1][1] + 1.4, FACING[1])
    if turn is None:
        return log("not backed off the stance")
    t = sim.pose("truck").pos
    path = [(t[0], t[1])] + turn + round_the_bank(turn[-1][1], -14.5) + [(EAST_BANK + 1.5, ROAD_Y)]
    P.follow_path(sim, "truck", path, throttle=0.5)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
