"""Level 18, the daredevil: the fork lift builds the ramp on its three
marks from the parts' row, every part taken and set square to the run-up
from the south, the load's middle steered onto its place's line. The first
top goes onto the first mark while the ground round it is bare. The
tallest step is two bases and a top, and the forks cannot lift a top over
two bases: a base goes onto the last mark, a top onto the next base where
it waits in the row, and that pair whole onto the first base. The middle
step is a top set on the last base in the row, carried onto its mark. Last
the fork lift loops round north of the shed and backs into it.

usage: python3 tools/solver/drivers/level18.py [--delay D] [--record FILE]
       [--short nomiddle|twolow|notallstep|tops]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import driver_main  # noqa: E402
import level17 as F  # noqa: E402  the fork lift's line-following kit
import primitives as P  # noqa: E402

LEVEL = 18
NORTH = math.pi / 2
# The layout (world/levels/level18_daredevil.h).
PARTS_X, PARTS_PITCH, PARTS_Y = -14.0, 1.5, -3.0
STEP_X = (-3.15, -1.9, -0.65)  # the marks, first step to tallest
PART_HALF = 0.425  # a ramp part's depth across the run-up, halved
# The fork lift backs out of a place until the carriage is at BACKED_Y,
# loops round from one line to the next down at LOOP_Y, and is on the next
# place's line, heading north, at LANE_Y.
BACKED_Y, LOOP_Y, LANE_Y = -8.0, -12.5, -6.5
LINE_UP = 0.008  # how far the load's middle may stand off its line
# The fork lift rolls on about this far once let go from creeping: the ramp
# parts are to stand on the run-up's middle, where the racer's wheels,
# 0.9 m apart outside, all but overhang the 0.85 m deep parts.
ROLL_ON = 0.13
# Tine heights (the tines' middle). A base's plate is 0.40 up on the
# ground; a top's 0.11 up on the ground, 0.56 up on a base, whose own plate
# is 0.50 up: the tines leave a top on a base through that 6 cm gap.
# OVER_BASE is the lift's top, where the legs of a base carried over a
# base on the ground pass its legs by 3 cm at most: the forks are run up
# to it and held there.
UNDER_BASE, CARRY_BASE, OVER_BASE = 0.30, 0.50, 0.885
# A base swung on the way to the last mark spans up to 0.73 m from its
# middle across the run-up, past the lip's kerb 0.65 m off: carried this
# high its legs pass over the kerb.
OVER_KERB = 0.70
UNDER_TOP, CARRY_TOP = 0.05, 0.33
# The first top's short leg stands against the lead-in wedge's 0.25 m high
# end: carried in this high the leg passes over it, and let down a
# centimetre east of the mark the leg comes down beside the wedge, not on it.
OVER_WEDGE = 0.42
FIRST_TOP_AT = (STEP_X[0] + 0.01, 0.0)
OVER_TOP_ON_BASE, BETWEEN = 0.62, 0.532


def forks_to(sim, z, tolerance=0.02):
    if z < OVER_BASE:
        return F.forks_to(sim, z, tolerance)
    for _ in range(150):
        P.lever(sim, P.FORKLIFT_LEVERS["elevate"], 1.0)
        if sim.step(2):
            return False
    return not sim.step(20) and F.tine_z(sim) > OVER_BASE - 0.01


def part_x(kind, k):
    return PARTS_X + PARTS_PITCH * (k if kind == "rampbase" else 3 + k)


def to_lane(sim, x):
    """The load's middle onto the line x heading north, by a loop through
    the open ground south of the row and the marks: from wherever the fork
    lift stands after backing out southward, or from its start."""
    here = sim.pose("forkLift").pos
    side = 1.0 if x > here[0] else -1.0
    if here[1] > PARTS_Y:  # the start, north of the row
        points = [(here[0], here[1]), (here[0] + 3.0, 2.0), (here[0] + 4.0, LOOP_Y + 4.5),
                  (here[0] + 6.0, LOOP_Y + 0.5), (here[0] + 7.5, LOOP_Y)]
    else:
        points = [(here[0], here[1]), (here[0] + 1.5 * side, LOOP_Y + 1.0)]
    # The last bend eases onto the line from the row's side: a load swung
    # past it would meet the lip's kerb at the last mark.
    points += [(x - 4.0 * side, LOOP_Y), (x - 0.8 * side, LOOP_Y + 1.0), (x, LOOP_Y + 2.2), (x, LANE_Y)]
    return follow(sim, points)


def follow(sim, points, lookahead=0.9, throttle=0.4, max_ticks=4000, every=2):
    """Forward along the polyline, pursued from the middle of the load on
    the forks, which swings widest, at rest at its end."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("forkLift")
        c = F.carriage(sim).pos
        front = (c[0] + 0.35 * p.x_axis[0], c[1] + 0.35 * p.x_axis[1])
        segment, fraction, left = P.path_progress(points, front)
        if left < 0.15:
            return F.stop(sim)
        aim = P.point_ahead(points, segment, fraction, lookahead)
        error = P.wrap(math.atan2(aim[1] - front[1], aim[0] - front[0]) - p.heading)
        slow = max(0.5, min(1.0, left / 1.5))
        F.pedals(sim, throttle * slow, P.clamp(-2.5 * error))
        if sim.step(every):
            return False
    return False


def back_out(sim, to_y=BACKED_Y):
    ok = F.reverse_straight(sim, NORTH, lambda s: F.carriage(s).pos[1] < to_y)
    return ok and F.stop(sim)


def pick(sim, kind, k, under, carry):
    """Part k of kind from its place onto the forks, and back out."""
    x = sim.pose(kind, k).pos[0]
    face = sim.pose(kind, k).pos[1] - PART_HALF
    if not (to_lane(sim, x) and F.forks_to(sim, under)):
        return False
    F.run_line(sim, x, NORTH, lambda s: F.carriage(s).pos[1] > face - 1.0)
    stalled = [0]

    def at_face(s):
        c = F.carriage(s)
        stalled[0] = stalled[0] + 1 if c.speed < 0.01 else 0
        return c.pos[1] > face - 0.03 or stalled[0] > 20

    F.run_line(sim, x, NORTH, at_face, throttle=0.15, lookahead=0.6)
    F.stop(sim)
    if not forks_to(sim, carry):
        return False
    return back_out(sim)


def place(sim, kind, k, at, over, down, settle=30):
    """The carried part k of kind over the ground point at, at height over,
    let down to down, and back out."""
    x, y = at
    if not (to_lane(sim, x) and forks_to(sim, over)):
        return False
    # Steer the part, not the carriage, onto the place's line, and back
    # off to try again while the part stands off it.
    for _ in range(4):
        offset = F.carriage(sim).pos[0] - sim.pose(kind, k).pos[0]
        F.run_line(sim, x + offset, NORTH, lambda s: s.pose(kind, k).pos[1] > y - 1.5)
        part = sim.pose(kind, k)
        if abs(part.pos[0] - x) < LINE_UP and abs(P.wrap(part.heading)) < 0.02:
            break
        F.stop(sim)
        F.reverse_straight(sim, NORTH, lambda s: s.pose(kind, k).pos[1] < y - 3.0)
        F.stop(sim)
    offset = F.carriage(sim).pos[0] - sim.pose(kind, k).pos[0]
    F.run_line(sim, x + offset, NORTH, lambda s: s.pose(kind, k).pos[1] > y - ROLL_ON, throttle=0.15,
               lookahead=0.6)
    F.stop(sim)
    if not F.forks_to(sim, down, tolerance=0.01):
        return False
    sim.step(settle)
    return back_out(sim)


def mark(step):
    return (STEP_X[step], 0.0)


def in_row(kind, k):
    return (part_x(kind, k), PARTS_Y)


def into_shed(sim):
    """Round the row's west end and back along the shed's middle into it."""
    c = F.carriage(sim).pos
    # North past the row's west end, west beyond the shed's line, and a
    # loop down onto that line heading east, clear of the racer.
    ok = follow(sim, [(c[0], c[1]), (c[0] - 1.5, LOOP_Y + 1.0), (-8.0, LOOP_Y), (-16.0, -8.0),
                      (-17.5, -4.0), (-18.0, 5.0), (-20.0, 8.5), (-27.0, 8.5), (-29.5, 6.5),
                      (-28.0, 4.2), (-25.0, 3.8), (-22.0, 3.8)])
    # Forks up off the ground for the run back; the racer is off once the
    # fork lift stands in the shed, and the goal is read as it lands.
    ok = ok and F.forks_to(sim, CARRY_TOP)
    ok = ok and F.reverse_straight(sim, 0.0, lambda s: s.pose("forkLift").pos[0] < -35.0)
    if ok and F.stop(sim):
        for _ in range(40):
            if sim.step(30):
                return


# The build, one carry a line: the part, the tines' height under it and
# while carrying it, where it goes and the height they let it down to.
BUILD = (
    ("ramptop", 2, UNDER_TOP, OVER_WEDGE, FIRST_TOP_AT, UNDER_TOP),  # first, onto bare ground
    ("rampbase", 0, UNDER_BASE, OVER_KERB, mark(2), UNDER_BASE),
    ("ramptop", 0, UNDER_TOP, OVER_TOP_ON_BASE, in_row("rampbase", 1), BETWEEN),
    ("rampbase", 1, UNDER_BASE, OVER_BASE, mark(2), CARRY_BASE + 0.05),  # with its top
    ("ramptop", 1, UNDER_TOP, OVER_TOP_ON_BASE, in_row("rampbase", 2), BETWEEN),
    ("rampbase", 2, UNDER_BASE, CARRY_BASE, mark(1), UNDER_BASE),  # with its top
)


# Ramps short of the whole build, for recording the wrong ways: without
# the middle step; with a top on a single base at each of the last two
# marks instead of the tallest step; without the tallest step; and the
# three tops alone on the marks.
SHORT_RAMPS = {
    "nomiddle": BUILD[:4],
    "notallstep": (BUILD[0], BUILD[4], BUILD[5]),
    "tops": (
        BUILD[0],
        ("ramptop", 0, UNDER_TOP, OVER_WEDGE, mark(1), UNDER_TOP),
        ("ramptop", 1, UNDER_TOP, OVER_WEDGE, mark(2), UNDER_TOP),
    ),
    "twolow": (
        BUILD[0],
        ("ramptop", 0, UNDER_TOP, OVER_TOP_ON_BASE, in_row("rampbase", 1), BETWEEN),
        ("rampbase", 1, UNDER_BASE, OVER_KERB, mark(2), UNDER_BASE),  # with its top
        ("ramptop", 1, UNDER_TOP, OVER_TOP_ON_BASE, in_row("rampbase", 2), BETWEEN),
        ("rampbase", 2, UNDER_BASE, CARRY_BASE, mark(1), UNDER_BASE),  # with its top
    ),
}
ramp = BUILD


def drive(sim):
    for kind, k, under, carry, at, down in ramp:
        if not (pick(sim, kind, k, under, carry) and place(sim, kind, k, at, carry, down)):
            return
    into_shed(sim)


if __name__ == "__main__":
    if "--short" in sys.argv:  # --short NAME: build one of SHORT_RAMPS instead
        at = sys.argv.index("--short")
        ramp = SHORT_RAMPS[sys.argv[at + 1]]
        del sys.argv[at:at + 2]
    sys.exit(driver_main.main(LEVEL, drive))
