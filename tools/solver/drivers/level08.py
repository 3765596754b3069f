"""Level 8, hazard: carry the two waste stackers over the ditch into the
store, once the bridge has its girders back. Pick up the girder beside the
start, drive round into the east bay and lay it in the east channel; back
down the bay's line, pick up the other girder on the way and lay it from
the west bay in the west channel. Back down that bay's line to the first
stacker, pick it up, swing it in front of the truck, back out onto the
grass, round onto the bridge's line, drive over and drop it into the store;
back over the bridge to the second stacker and do the same.

A girder is hung by its middle: the claw's fingers close into the window
between its webs under the top flange, and it hangs on them upright. It
turns slowly to and fro about the hub, so it is held just over its channel
and dropped in while both its ends are over the channel, whose sloping
sides square it onto the seats. A stacker is picked by the lip of its lid.

usage: python3 tools/solver/drivers/level08.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 8
BRIDGE_X, TRACK = 3.0, 0.35
CHANNEL_DEPTH = 0.13
GAP_SOUTH, GAP_NORTH = -3.2, -2.0
SEAT_Z = 0.92  # a seated girder's centre: the channel floor and half its foot
# The hub this far above a girder's middle closes the fingers into the
# window between the webs, under the top flange: the girder then hangs on
# them upright, which a clamp on a web does not hold it.
GIRDER_GRIP = 0.24
GIRDER_HANG = 0.145  # a girder hung on the fingers has its centre this far below the hub
LAY_BEND = -0.8  # the hub down to a seated girder from a bay
GIRDER_BEND = -0.4  # low enough to reach the flange, not so low the boom meets its stop
CARRY_Z = 2.0  # hub height for carrying: the load clears fences, posts and kerbs
# Where a girder's middle goes: over the ditch, both ends on their seats.
LAID_Y = -2.82  # a laid girder's middle: each end just up the slope beyond its seat
# Bay stances, heading north with the crane abreast of the span: by the
# kit's reach model the hub over a laid girder's middle has 0.30 m to spare
# from either where the truck came to rest; 0.59 m from the bridge-side
# fence.
EAST_BAY = (4.75, -3.07)
WEST_BAY = (1.25, -3.07)
# In front of the store, the front wheels 0.55 m short of its rim; the hub
# over the pit at (3.0, 1.45, 2.0) is within reach with 0.27 m to spare.
STORE_STANCE_Y = -0.2
STORE_DROP = (BRIDGE_X, 1.45, CARRY_Z)


def log(*args):
    print(*args, file=sys.stderr)


def reach_margin(sim, point):
    """How much further than point the crane could reach, by the kit's model."""
    best = 0.0
    out, up = P.crane_plane_point(sim, point)
    for bend in P.BENDS:
        m = 0.0
        while P.within_reach(out + m + 0.01, up, bend):
            m += 0.01
        best = max(best, m)
    return best


def slew_axis(sim):
    t = sim.pose("truck")
    return (t.pos[0] + P.SLEW_AXIS_AHEAD * t.x_axis[0], t.pos[1] + P.SLEW_AXIS_AHEAD * t.x_axis[1])


def lift_hub(sim, z=CARRY_Z):
    """Raises the hub straight up where it is, straightening the bend."""
    h = sim.pose("grapple").pos
    return P.bend_to(sim, 0.0) and P.grapple_to(sim, (h[0], h[1], z))


def grasp_girder(sim, index):
    """Opens the claw over the girder's middle, lowers it round the top
    flange and closes it right up, so the fingers hook under the flange
    between the webs; the lever stays on close while it is carried."""
    c = sim.pose("girder", index).pos
    above = (c[0], c[1], c[2] + GIRDER_GRIP + 0.3)
    at = (c[0], c[1], c[2] + GIRDER_GRIP)
    log("girder", index, "margin", reach_margin(sim, at))
    # Opened and bent high up, then across and down: swung across low the
    # prongs knock it about.
    P.raise_hub_to(sim, above[2] + 0.1)
    if not (P.open_grapple(sim) and P.bend_to(sim, GIRDER_BEND) and P.grapple_to(sim, above)):
        return False
    P.grapple_to(sim, at, tolerance=0.06)
    # Right up: the fingers reach under the flange only near the end of
    # their travel.
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    sim.step(70)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.3))
    return sim.pose("girder", index).pos[2] > c[2] + 0.2


def take_girder(sim, index, tries=3):
    """Grasps girder index and lifts it to carrying height, the beam
    straightened; a girder that is not hanging from the claw up there is
    let go and grasped again where it now lies."""
    for _ in range(tries):
        if grasp_girder(sim, index) and lift_hub(sim):
            g = sim.pose("girder", index)
            if g.pos[2] > CARRY_Z - GIRDER_HANG - 0.15 and g.z_axis[2] > 0.9:
                return True
        log("  girder", index, "not held:", [round(v, 3) for v in sim.pose("girder", index).pos])
        P.open_grapple(sim)
        P.raise_hub_to(sim, CARRY_Z)
        P.work_grapple(sim, -1.0, 70)
        sim.step(60)  # the girder settles where it fell
    return False


def girder_yaw_error(sim, index):
    """How far the girder's length is turned off the bridge's line (radians)."""
    g = sim.pose("girder", index)
    return P.wrap(2 * (math.atan2(g.x_axis[1], g.x_axis[0]) - math.pi / 2)) / 2


def lower_onto_seats(sim, index, target, step=0.015, max_steps=8):
    """Lets the hub down a little at a time until the girder stands on its
    seats and the fingers hang free under the flange, so that opening them
    drops nothing."""
    z = target[2]
    last = sim.pose("girder", index).pos[2]
    for _ in range(max_steps):
        P.grapple_to(sim, (target[0], target[1], z), tolerance=0.05)
        g = sim.pose("girder", index)
        # Down on its seats, its ends just up the slopes, or resting on
        # one of them a little further up.
        if g.pos[2] < SEAT_Z + 0.012 or (g.pos[2] < SEAT_Z + 0.03 and last - g.pos[2] < 0.003):
            break
        last = g.pos[2]
        z -= step
    P.grapple_to(sim, (target[0], target[1], z - step), tolerance=0.05)


# A girder hung on the claw turns slowly to and fro about the hub, some
# tenths of a radian either way, for as long as it hangs. It is held with
# its foot just over the walls of its channel and dropped in while it
# passes square; between the walls it can turn no more than its seats allow.
ENDS_WITHIN = 0.07  # the channels leave a girder's foot 0.1 either way
OVER_WALLS = 0.04
GIRDER_LENGTH = 1.98


def ends_off_line(sim, index, channel_x):
    """How far the girder's further end hangs beside the channel's line."""
    g = sim.pose("girder", index)
    half = GIRDER_LENGTH / 2
    return max(abs(g.pos[0] + k * half * g.x_axis[0] - channel_x) for k in (-1, 1))


def drop_when_square(sim, index, channel_x, max_ticks=900, every=2):
    """Waits until both of the girder's ends hang over its channel and then
    lets the boom down at full lever until its foot is below the walls.
    False when it never came square."""
    elevate = P.TRUCK_LEVERS["elevate"]
    for _ in range(0, max_ticks, every):
        if ends_off_line(sim, index, channel_x) < ENDS_WITHIN:
            break
        if sim.step(every):
            return False
    else:
        return False
    log("  dropping with the ends", round(ends_off_line(sim, index, channel_x), 3), "off", sim.tick)
    for _ in range(0, 120, every):
        if sim.pose("girder", index).pos[2] < SEAT_Z + 0.06:
            break
        P.lever(sim, elevate, -1.0)
        if sim.step(every):
            return False
    sim.post("leverUp leverNr=%d" % elevate)
    log("  dropped to", round(sim.pose("girder", index).pos[2], 3), "ends",
        round(ends_off_line(sim, index, channel_x), 3), "off", sim.tick)
    return True


def lay_girder(sim, index, channel_x, tries=4):
    """From a bay stance: holds the girder just above its channel, drops it
    in as it passes square, lowers it onto its seats and lets go."""
    hover_z = SEAT_Z + GIRDER_HANG + 0.3
    ready_z = SEAT_Z + CHANNEL_DEPTH + OVER_WALLS + GIRDER_HANG
    seat_z = SEAT_Z + GIRDER_HANG + 0.03
    if not P.bend_to(sim, LAY_BEND):
        return False
    for _ in range(tries):
        P.grapple_to(sim, (channel_x, LAID_Y, hover_z), tolerance=0.08)
        P.grapple_to(sim, (channel_x, LAID_Y, ready_z), tolerance=0.06)
        if drop_when_square(sim, index, channel_x):
            break
        log("  girder", index, "never hung square; ends", round(ends_off_line(sim, index, channel_x), 3),
            "off at", [round(v, 3) for v in sim.pose("girder", index).pos])
    else:
        return False
    seat = (channel_x, LAID_Y, seat_z)
    log("lay", index, "margin", reach_margin(sim, seat))
    lower_onto_seats(sim, index, seat)
    if not P.open_grapple(sim, max_ticks=300):
        return False
    sim.step(60)
    P.lever(sim, P.GRAPPLE_LEVER, 0.0)
    g = sim.pose("girder", index)
    log("laid", index, [round(v, 3) for v in g.pos], "skew", round(girder_yaw_error(sim, index), 3),
        "tilt", [round(v, 3) for v in g.z_axis])
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.4), tolerance=0.15)
    return abs(g.pos[2] - SEAT_Z) < 0.02


def reverse_along(sim, x, y, throttle=0.4, every=3, max_ticks=3000):
    """Backs the truck, heading north, down the line at x until its centre
    is at y; steering holds it on the line."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = p.pos[1] - y
        if left < 0.05:
            return P.come_to_rest(sim, "truck")
        # Backing up, the nose swings the other way to the wheel.
        aim = math.pi / 2 + P.clamp(1.2 * (x - p.pos[0]), -0.3, 0.3)
        error = P.wrap(aim - p.heading)
        sim.post("steer setting=%f" % P.clamp(2.0 * error))
        sim.post("accelcontrol setting=%f" % (-throttle * max(0.3, min(1.0, left / 1.0))))
        if sim.step(every):
            return False
    return False


# Round from the start into the east bay, the girder hanging to the left.
TO_EAST_BAY = [(-2.5, -7.0), (1.5, -7.0), (3.4, -6.6), (4.5, -5.6), (4.75, -4.6), EAST_BAY]
# Abreast of the second girder, backed down the east bay's line.
FIRST_STACKER_STANCE_Y = -5.87
SECOND_GIRDER_STANCE_Y = -6.37  # the slew axis abreast of its middle
# From there, backed a little further, over to the west bay, the girder
# hanging to the right.
TO_WEST_BAY = [(4.75, -8.8), (4.6, -7.9), (3.7, -7.0), (2.1, -6.5), (1.35, -5.6), (1.25, -4.6),
               WEST_BAY]


# Down the west bay's line to the grass south of the road, then forward
# round onto the bridge's line.
TURN_OUT_Y = -11.0
ONTO_BRIDGE_LINE = [(1.25, -11.0), (1.3, -10.2), (2.2, -9.3), (2.95, -8.4), (BRIDGE_X, -7.5),
                    (BRIDGE_X, -6.0)]


def carry_ahead(sim, ahead=1.1):
    """Swings the held load round in front of the truck at carrying height,
    where it stays clear of fences, posts and kerbs on the way."""
    t = sim.pose("truck")
    ax = slew_axis(sim)
    return P.grapple_to(sim, (ax[0] + ahead * t.x_axis[0], ax[1] + ahead * t.x_axis[1], CARRY_Z),
                        tolerance=0.15)


def cross_north(sim, throttle=0.3, every=3, max_ticks=4000):
    """Drives north along the bridge's line to the store stance, steering to
    hold the line: the wheels must stay on the girders over the span."""
    worst = 0.0
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = STORE_STANCE_Y - p.pos[1]
        if GAP_SOUTH - 1.5 < p.pos[1] < GAP_NORTH + 1.5:
            worst = max(worst, abs(p.pos[0] - BRIDGE_X))
        if left < 0.03:
            log("  crossed; worst off the line", round(worst, 3), "z", round(p.pos[2], 3))
            return P.come_to_rest(sim, "truck")
        aim = math.pi / 2 + P.clamp(1.5 * (p.pos[0] - BRIDGE_X), -0.2, 0.2)
        sim.post("steer setting=%f" % P.clamp(-3.0 * P.wrap(aim - p.heading)))
        sim.post("accelcontrol setting=%f" % (throttle * max(0.4, min(1.0, left))))
        if sim.step(every):
            return False
    return False


SECOND_STACKER_STANCE_Y = -10.67
# A stacker is picked by the lip of its lid: the prongs opened wide, the
# hub let down in steps to this height over its centre, where the fingers
# close under the lid's edge and against its sides.
STACKER_GRIP, STACKER_APPROACH, STACKER_OPEN = 0.33, 0.3, 1.0
STACKER_BEND = -0.4
LOWER_STEPS = 5


def pick_stacker(sim, index, tries=3):
    """Opens the claw over stacker index, lets it down round the lid a step
    at a time, each time waiting for the hub to hang still, and closes it;
    a miss opens and lifts it and tries again over where the stacker stands
    now. True once it hangs from the claw."""
    for _ in range(tries):
        c = sim.pose("stacker", index).pos
        P.raise_hub_to(sim, c[2] + STACKER_GRIP + STACKER_APPROACH + 0.1)
        over = (c[0], c[1], c[2] + STACKER_GRIP + STACKER_APPROACH)
        # Bent first and raised again, then across: folding the beam lowers
        # the hub, which swung across low knocks the stacker over.
        P.bend_to(sim, STACKER_BEND)
        P.raise_hub_to(sim, c[2] + STACKER_GRIP + STACKER_APPROACH + 0.1)
        # Across well above it, then down over it once still: the hub swings
        # low as it stops.
        P.grapple_to(sim, (over[0], over[1], over[2] + 0.25), tolerance=0.15, max_ticks=900)
        P.hold_still(sim)
        P.grapple_to(sim, over, tolerance=0.12, max_ticks=900)
        if not (math.dist(sim.pose("grapple").pos, over) < 0.15 and P.hold_still(sim)
                and P.open_grapple(sim, STACKER_OPEN)):
            return False
        for k in range(1, LOWER_STEPS + 1):
            z = c[2] + STACKER_GRIP + STACKER_APPROACH * (1 - k / LOWER_STEPS)
            P.grapple_to(sim, (c[0], c[1], z), tolerance=0.08, max_ticks=600)
            P.hold_still(sim)
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        sim.step(80)
        P.raise_hub_to(sim, c[2] + STACKER_GRIP + 0.3)
        sim.step(60)
        p = sim.pose("stacker", index)
        log("  stacker", index, "at", [round(v, 3) for v in p.pos], "upright",
            round(p.z_axis[2], 3), sim.grasped())
        if p.pos[2] > c[2] + 0.2:
            return True
        P.back_off(sim, STACKER_OPEN, STACKER_APPROACH)
    return False


def log_stance(sim, index):
    """Where the truck stopped to pick stacker index, and the reach to spare."""
    t, c = sim.pose("truck"), sim.pose("stacker", index).pos
    log("stacker", index, "stance", [round(v, 3) for v in t.pos], round(t.heading, 3), "margin",
        reach_margin(sim, (c[0], c[1], c[2] + STACKER_GRIP)))


def drop_in_store(sim, index):
    """Swings the held stacker over the store's pit and lets it fall in."""
    if not P.grapple_to(sim, STORE_DROP, tolerance=0.15):
        return False
    log("over the store", [round(v, 3) for v in sim.pose("stacker", index).pos], "margin",
        reach_margin(sim, STORE_DROP))
    if not P.open_grapple(sim, 1.2) or sim.step(90):
        return sim.won
    p = sim.pose("stacker", index).pos
    log("dropped", [round(v, 3) for v in p], sim.tick)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], CARRY_Z), tolerance=0.15)
    P.work_grapple(sim, -1.0, 40)
    return p[2] < 1.0


def drive(sim):
    if not take_girder(sim, 1):
        return log("no girder 1")
    if not P.follow_path(sim, "truck", TO_EAST_BAY, throttle=0.4):
        return log("not in the east bay")
    if not lay_girder(sim, 1, BRIDGE_X + TRACK):
        return log("girder 1 not laid")
    log("girder 1 laid", sim.tick)
    P.bend_to(sim, 0.0)
    if not reverse_along(sim, EAST_BAY[0], SECOND_GIRDER_STANCE_Y):
        return log("not back by girder 0")
    if not take_girder(sim, 0):
        return log("no girder 0")
    if not (reverse_along(sim, EAST_BAY[0], TO_WEST_BAY[0][1])
            and P.follow_path(sim, "truck", TO_WEST_BAY, throttle=0.4)):
        return log("not in the west bay")
    if not lay_girder(sim, 0, BRIDGE_X - TRACK):
        return log("girder 0 not laid")
    log("both girders laid", sim.tick)
    P.bend_to(sim, 0.0)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], CARRY_Z), tolerance=0.15)
    if not reverse_along(sim, WEST_BAY[0], FIRST_STACKER_STANCE_Y):
        return log("not back by stacker 0")
    log_stance(sim, 0)
    if not pick_stacker(sim, 0):
        return log("no stacker 0")
    P.raise_hub_to(sim, CARRY_Z)
    if not (carry_ahead(sim) and reverse_along(sim, WEST_BAY[0], TURN_OUT_Y)):
        return log("not backed out with stacker 0")
    log("backed out", [round(v, 3) for v in sim.pose("truck").pos], sim.tick)
    if not P.follow_path(sim, "truck", ONTO_BRIDGE_LINE, throttle=0.4):
        return log("not on the bridge line")
    t = sim.pose("truck")
    log("on the line", [round(v, 3) for v in t.pos], round(t.heading, 3), sim.tick)
    if not cross_north(sim):
        return log("not over the bridge")
    t = sim.pose("truck")
    log("at the store", [round(v, 3) for v in t.pos], round(t.heading, 3), sim.tick)
    if not drop_in_store(sim, 0):
        return log("stacker 0 not stored")
    # Slowly back over the span, where the wheels must stay on the girders.
    if not (reverse_along(sim, BRIDGE_X, GAP_SOUTH - 2.0, throttle=0.25)
            and reverse_along(sim, BRIDGE_X, SECOND_STACKER_STANCE_Y)):
        return log("not back by stacker 1")
    log_stance(sim, 1)
    if not pick_stacker(sim, 1):
        return log("no stacker 1")
    P.raise_hub_to(sim, CARRY_Z)
    if not (carry_ahead(sim) and cross_north(sim)):
        return log("not over the bridge with stacker 1")
    if not drop_in_store(sim, 1):
        return log("stacker 1 not stored")


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
