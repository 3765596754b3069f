"""Level 11, the factory: the truck has no grapple, so its boom tip does the
work. From beside the south dumpster's east end it gets under the lid's
handle bar and lifts it along the lid's swing until the lid tips over onto
its stop; the same for the north lid from beside the lever, which it then
pushes over so the feed runs. Backed down to the belt's end, it holds the
tip beside the belt and, as each box comes by, slews across it so the box
is swept into the dumpster of its colour (greens north, reds south).

usage: python3 tools/solver/drivers/level11.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 11
DEBUG = os.environ.get("LEVEL11_DEBUG")

# The lids: hinged along the far side of each dumpster, 1.35 m either side
# of the belt and 0.651 up, the handle bar 1.05 m from the hinge and
# sticking 0.25 m out past the bin's east end at x = 0. The tip aims a
# little outside the bar's own circle: aimed on it, the bar slides off the
# tip's end half way up.
LID_HINGE_Y, LID_HINGE_Z, HANDLE_RADIUS = 1.35, 0.651, 1.12
UNDER_BAR = 0.07  # the tip's centre this far under the bar
TIP_X = 0.03  # just east of the bin's end, under the bar's overhang
LID_LEAD = 0.08  # radians of swing the tip aims ahead of the lid
LID_OVER = 2.0  # well past upright, the lid falls onto its stop by itself
LID_BEND = -0.4  # the bend held for the whole swing
LID_LEVER_LIMIT = 0.35  # a quicker lift throws the light lid off the tip
# Reach to spare below is reach_margin's, from the stance as reached.
# South lid, the truck nosed north-east, reached at about (0.89, -1.36):
# 0.50 m under the bar at the start, more along the rest of the swing.
SOUTH_STANCE = (1.0, -1.3)
# North lid and lever, the truck nosed north beside the lever's desk,
# reached at about (1.45, 1.02): 0.30 m under the bar, 0.21 m or more up to
# 100 degrees; past that the lid is falling over by itself and the last
# aim, at 2.08 rad, has 0.10 m. Over the lever's top 0.52 m or more.
NORTH_STANCE = (1.4, 1.1)
# From the south stance round to the north one, nosed north at the end.
NORTH_PATH = ((1.5, -0.6), (1.45, 0.3), NORTH_STANCE)
# The lever stands on its desk at (0.9, 1.9); the tip pushes its top west
# until the feed runs (below -0.1 pi) and well on toward its stop.
LEVER_TOP = (0.9, 1.9, 0.95)
LEVER_PUSHED = -0.65
LEVER_BEND = -1.2  # folded, the tip comes in close beside the truck
# At the belt's end, nosed north, reached at about (0.86, -0.07): the tip
# waits beside the belt at WAIT_Y either side (0.32 m to spare) and sweeps
# across to SWEEP_Y beyond the other rail (0.21 m north, 0.26 m south).
SWEEP_STANCE = (0.85, 0.0)
# Backed straight down from the lever, then up in an S onto the stance:
# the first box comes past the beam about 15 s after the lever went over.
SWEEP_BACK_Y = -2.6
SWEEP_PATH = ((1.3, -1.5), (0.9, -0.6), SWEEP_STANCE)
TIP_SWEEP_X, TIP_SWEEP_Z = -0.75, 0.83
WAIT_Y, SWEEP_Y = 0.3, 0.65
SWEEP_BEND = -0.54
# A box whose centre has come this far along the belt is in front of the
# beam's flank; swept now, it drops into the bin well short of the end
# wall (swept later, it flies on over it).
SWEEP_AT_X = -0.76
FEED_BOXES = 10
FEED_TIME = 60 * 60  # ticks for the whole feed with some to spare


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def rounded(v):
    return [round(c, 3) for c in v]


def handle_point(angle, side):
    """Where the tip pushes from under the handle bar of the lid on side
    (+1 north, -1 south) opened to angle."""
    c, s = math.cos(angle), math.sin(angle)
    return (TIP_X, side * (LID_HINGE_Y - HANDLE_RADIUS * c + UNDER_BAR * s),
            LID_HINGE_Z + HANDLE_RADIUS * s - UNDER_BAR * c)


def under_bar(sim, side):
    """From beside the bin's end, the tip goes in under the bar's overhang."""
    y = side * 0.28
    tip = P.boom_tip(sim)
    return (P.tip_to(sim, (0.4, y, max(tip[2], 0.9))) and P.bend_to(sim, LID_BEND)
            and P.tip_to(sim, (0.4, y, 0.58)) and P.tip_to(sim, (0.1, y, 0.58)))


def lift_lid(sim, number, side, tries=3, max_ticks=1800):
    """Lifts the lid along its swing until it tips over onto its stop; a lid
    that slips off the tip and falls back, or stops rising, is gone under
    again."""
    joint = "dumpster%d" % number
    for _ in range(tries):
        if not under_bar(sim, side):
            return False
        peak = 0.0
        for _ in range(0, max_ticks, 2):
            angle = sim.joint(joint, "lid")
            peak = max(peak, angle)
            if angle > LID_OVER or angle < peak - 0.15:
                break
            P.tip_levers_toward(sim, handle_point(angle + LID_LEAD, side), limit=LID_LEVER_LIMIT)
            if sim.step(2):
                return False
        P.let_go_crane(sim)
        log(sim, "lid", number, "at", round(sim.joint(joint, "lid"), 3), "peak", round(peak, 3))
        # Straight back east along the beam first: dragged sideways, the tip
        # takes the lid with it.
        tip = P.boom_tip(sim)
        P.tip_to(sim, (tip[0] + 0.35, tip[1], tip[2]), tolerance=0.06)
        P.tip_to(sim, (0.4, side * 0.5, 1.3), tolerance=0.06)
        sim.step(60)
        if sim.joint(joint, "lid") > math.pi / 2 + 0.1:
            return True
    return False


def lever_angle(sim):
    z = sim.pose("conveyerlever").z_axis
    return math.atan2(z[0], z[2])


def push_lever(sim):
    """From the lever's east side, the tip pushes its top over to the west."""
    x, y, z = LEVER_TOP
    if not (P.bend_to(sim, LEVER_BEND) and P.tip_to(sim, (x + 0.25, y, z + 0.3), tolerance=0.05)
            and P.tip_to(sim, (x + 0.15, y, z), tolerance=0.04)):
        return False
    for _ in range(600):
        if lever_angle(sim) < LEVER_PUSHED:
            break
        P.tip_levers_toward(sim, (x - 0.6, y, z - 0.1), limit=0.4)
        if sim.step(2):
            return False
    P.let_go_crane(sim)
    log(sim, "lever", round(lever_angle(sim), 3))
    # Up and back east, off the lever without pulling it.
    tip = P.boom_tip(sim)
    P.tip_to(sim, (tip[0] + 0.2, tip[1], tip[2] + 0.3), tolerance=0.06)
    return lever_angle(sim) < -0.1 * math.pi


def reverse_path(sim, points, lookahead=0.6, throttle=0.35, stop_short=0.05, max_ticks=3000,
                 every=3):
    """Backs the truck along the polyline of ground points, its tail
    steering for a point lookahead further on (backing, the wheel turns
    the tail the other way), and comes to rest at its end."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        segment, fraction, left = P.path_progress(points, p.pos)
        if left < stop_short:
            return P.come_to_rest(sim, "truck")
        aim = P.point_ahead(points, segment, fraction, lookahead)
        tail = p.heading + math.pi
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - tail)
        sim.post("steer setting=%f" % P.clamp(2.0 * error))
        slow = max(0.3, min(1.0, left / 1.0)) * max(0.5, math.cos(error))
        sim.post("accelcontrol setting=%f" % (-throttle * slow))
        if sim.step(every):
            return False
    return False


def tip_wait(side):
    return (TIP_SWEEP_X, side * WAIT_Y, TIP_SWEEP_Z)


def sweep(sim, to_side):
    """Slews the tip across the belt to to_side at full lever, sweeping the
    box off the belt."""
    target = (TIP_SWEEP_X, to_side * SWEEP_Y, TIP_SWEEP_Z)
    ended = False
    for _ in range(120):
        if P.tip_levers_toward(sim, target) < 0.05:
            break
        ended = bool(sim.step(1))
        if ended:
            break
    P.let_go_crane(sim)
    return not ended


def boxes(sim):
    """[(name, index, pos)] of the boxes fed so far, in feed order."""
    return [o for o in sim.objects() if o[0] in ("greenbox", "redbox")]


def sort_boxes(sim):
    """Sweeps every box fed off the belt into its dumpster as it comes."""
    side = -1  # the first box is green: wait south of the belt
    if not (P.bend_to(sim, SWEEP_BEND) and P.tip_to(sim, tip_wait(side))):
        return False
    log(sim, "waiting", rounded(P.boom_tip(sim)))
    done = 0
    for _ in range(0, FEED_TIME, 2):
        fed = boxes(sim)
        if done < len(fed):
            name, index, pos = fed[done]
            to_side = 1 if name == "greenbox" else -1
            if to_side == side:
                # Round to the other side before the box comes in front.
                if not P.tip_to(sim, tip_wait(-side)):
                    return False
                side = -side
                continue
            if pos[0] >= SWEEP_AT_X:
                log(sim, "sweep", name, index, rounded(pos))
                if not sweep(sim, to_side):
                    return sim.won
                side = to_side
                # Back in beside the belt, away from the box as it drops.
                if not P.tip_to(sim, tip_wait(side)):
                    return sim.won
                done += 1
                if done == FEED_BOXES:
                    break
        if sim.step(2):
            return sim.won
    return True


def drive(sim):
    # The boom up out of the way for the drive.
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(40)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if not P.drive_to(sim, "truck", SOUTH_STANCE, tolerance=0.15, throttle=0.4):
        return log(sim, "no south stance")
    t = sim.pose("truck")
    log(sim, "south stance", rounded(t.pos), round(t.heading, 3))
    if not lift_lid(sim, 1, -1):
        return log(sim, "south lid stays shut")
    tip = P.boom_tip(sim)
    P.tip_to(sim, (tip[0] + 0.3, 0.0, 1.5), tolerance=0.1)
    here = tuple(sim.pose("truck").pos[:2])
    if not P.follow_path(sim, "truck", (here,) + NORTH_PATH, throttle=0.35):
        return log(sim, "no north stance")
    t = sim.pose("truck")
    log(sim, "north stance", rounded(t.pos), round(t.heading, 3))
    if not lift_lid(sim, 0, 1):
        return log(sim, "north lid stays shut")
    if not push_lever(sim):
        return log(sim, "lever not over")
    here = tuple(sim.pose("truck").pos[:2])
    back_to = (here[0] + 0.15, SWEEP_BACK_Y)
    if not reverse_path(sim, (here, back_to), throttle=0.5):
        return log(sim, "not backed")
    log(sim, "backed", rounded(sim.pose("truck").pos), round(sim.pose("truck").heading, 3))
    if not P.follow_path(sim, "truck", (back_to,) + SWEEP_PATH, throttle=0.4):
        return log(sim, "not at the belt's end")
    t = sim.pose("truck")
    log(sim, "sweep stance", rounded(t.pos), round(t.heading, 3))
    sort_boxes(sim)
    # The feed judges the heaps once the last box is in.
    for _ in range(60):
        if sim.ended or sim.step(10):
            break
    for name, index, pos in boxes(sim):
        log(sim, name, index, rounded(pos))


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
