"""Level 8, hazard: carry the two waste stackers over the ditch into the
store, once the bridge has its girders back. Pick up the girder beside the
start, drive round into the east bay, lay it in the east channel; back out,
pick up the other girder on the way and lay it from the west bay in the
west channel. Back out, pick up a stacker, line up on the bridge, drive over
and drop it into the store; back over the bridge to the second stacker and
do the same.

Not a win yet. It lays the east girder: the claw clamps it on a web (in
the middle it would hook under the top flange and let the girder turn
freely), the arm's bearing and the truck's place along its line make up
for the claw hanging twisted on its hinge, and it comes to rest on its
seats (0.92 high, 0.01 rad off the line). The west girder is gripped but
rolls over in the claw and is lost on the way; the stackers are still to
come.

usage: python3 tools/solver/drivers/level08_wip.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 8
BRIDGE_X, TRACK = 3.0, 0.35
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
LAY_Y = (-2.78, -2.55)
# Bay stances, heading north with the crane abreast of the span: by the
# kit's reach model the hub over a seated girder's middle has 0.33 m to
# spare from either (0.29 m measured where the truck came to rest, 8 cm
# short); 0.59 m from the bridge-side fence.
EAST_BAY = (4.75, -3.07)
WEST_BAY = (1.25, -3.07)
# In front of the store, the front wheels 0.55 m short of its rim; the hub
# over the pit at (3.0, 1.45, 2.0) is within reach with 0.28 m to spare.
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
    hub = sim.pose("grapple").pos
    ok = [P.raise_hub_to(sim, above[2] + 0.1), P.open_grapple(sim), P.bend_to(sim, GIRDER_BEND),
          P.grapple_to(sim, above), P.grapple_to(sim, at, tolerance=0.06)]
    log("  grasp steps", ok, [round(v, 3) for v in sim.pose("grapple").pos], "girder",
        [round(v, 3) for v in sim.pose("girder", index).pos])
    # Right up: the fingers reach under the flange only near the end of
    # their travel.
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    sim.step(70)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.3))
    g = sim.pose("girder", index)
    log("  lifted", [round(v, 3) for v in g.pos], [round(v, 3) for v in g.z_axis])
    return g.pos[2] > c[2] + 0.2


def girder_yaw_error(sim, index):
    """How far the girder's length is turned off the bridge's line (radians)."""
    g = sim.pose("girder", index)
    return P.wrap(2 * (math.atan2(g.x_axis[1], g.x_axis[0]) - math.pi / 2)) / 2


def mean_yaw_error(sim, index, ticks=60, every=5):
    samples = []
    for _ in range(0, ticks, every):
        sim.step(every)
        samples.append(girder_yaw_error(sim, index))
    return sum(samples) / len(samples)


def creep_along(sim, x, y, throttle=0.3, every=3, max_ticks=1500):
    """Moves the truck, heading north, forward or back along the line at x
    until its centre is at y, steering to hold the line."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = y - p.pos[1]
        if abs(left) < 0.03:
            return P.come_to_rest(sim, "truck")
        sign = 1 if left > 0 else -1
        aim = math.pi / 2 + sign * P.clamp(1.2 * (p.pos[0] - x) * -1, -0.3, 0.3)
        sim.post("steer setting=%f" % P.clamp(-2.0 * sign * P.wrap(aim - p.heading)))
        sim.post("accelcontrol setting=%f" % (sign * throttle * max(0.4, min(1.0, abs(left)))))
        if sim.step(every):
            return False
    return False


LAY_MID = sum(LAY_Y) / 2


def lower_onto_seats(sim, index, target, step=0.015, max_steps=8):
    """Lets the hub down a little at a time until the girder stands on its
    seats and the fingers hang free under the flange, so that opening them
    drops nothing."""
    z = target[2]
    for _ in range(max_steps):
        P.grapple_to(sim, (target[0], target[1], z), tolerance=0.05)
        g = sim.pose("girder", index)
        log("  lowering: hub", [round(v, 3) for v in sim.pose("grapple").pos], "girder z",
            round(g.pos[2], 3), "tilt", [round(v, 3) for v in g.z_axis],
            [round(sim.joint("crane", j), 3) for j in ("boom", "bend", "extend")])
        if g.pos[2] < SEAT_Z + 0.005:
            break
        z -= step
    P.grapple_to(sim, (target[0], target[1], z - step), tolerance=0.05)


def lay_girder(sim, index, channel_x, bay_x, tries=6):
    """From a bay stance: holds the girder just above the channel and turns
    it square to the bridge. The claw hangs twisted on its hinge, so the
    arm's bearing has to make up for it: the hub moves along y, and where
    that would take the girder's middle off its seats the truck moves along
    its line instead. Then it lowers the girder onto its seats and lets go."""
    grip = 0.0
    hover_z, seat_z = SEAT_Z + GIRDER_HANG + 0.3, SEAT_Z + GIRDER_HANG + 0.03
    centre = LAY_MID
    if not P.bend_to(sim, LAY_BEND):
        return False
    for _ in range(tries):
        P.grapple_to(sim, (channel_x, centre + grip, hover_z), tolerance=0.08)
        skew = mean_yaw_error(sim, index)
        ax = slew_axis(sim)[0]
        log("over the seats at", round(centre, 3), "skew", round(skew, 3))
        if abs(skew) < 0.025:
            break
        square = centre + (1 if channel_x < ax else -1) * abs(channel_x - ax) * math.sin(skew)
        if LAY_Y[0] <= square <= LAY_Y[1]:
            centre = square
            continue
        creep_along(sim, bay_x, sim.pose("truck").pos[1] + LAY_MID - square)
        centre = LAY_MID
    seat = (channel_x, centre + grip, seat_z)
    log("lay", index, "margin", reach_margin(sim, seat))
    lower_onto_seats(sim, index, seat)
    P.lever(sim, P.GRAPPLE_LEVER, 1.0)
    for _ in range(12):
        sim.step(10)
        log("  opening", round(sim.joint("crane", "prong0"), 3), round(sim.joint("crane", "prong2"), 3),
            [round(v, 3) for v in sim.pose("grapple").pos], [round(v, 3) for v in sim.pose("girder", index).pos])
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
SECOND_GIRDER_STANCE_Y = -6.37  # the slew axis abreast of its middle
# From there, backed a little further, over to the west bay, the girder
# hanging to the right.
TO_WEST_BAY = [(4.75, -8.8), (4.6, -7.9), (3.7, -7.0), (2.1, -6.5), (1.35, -5.6), (1.25, -4.6),
               WEST_BAY]


STAGE = int(os.environ.get("L8_STAGE", "99"))


def drive(sim):
    if not (grasp_girder(sim, 1) and lift_hub(sim)):
        return log("no girder 1")
    if not P.follow_path(sim, "truck", TO_EAST_BAY, throttle=0.4):
        return log("not in the east bay")
    if not lay_girder(sim, 1, BRIDGE_X + TRACK, EAST_BAY[0]):
        return log("girder 1 not laid")
    log("girder 1 laid", sim.tick)
    if STAGE <= 1:
        return
    P.bend_to(sim, 0.0)
    if not reverse_along(sim, EAST_BAY[0], SECOND_GIRDER_STANCE_Y):
        return log("not back by girder 0")
    if not grasp_girder(sim, 0):
        return log("no girder 0")
    log("girder 0 held at", sim.pose("girder", 0).pos, sim.pose("girder", 0).z_axis)
    if not lift_hub(sim):
        return log("girder 0 not lifted")
    log("girder 0 lifted to", sim.pose("girder", 0).pos, sim.pose("girder", 0).z_axis)
    if not (reverse_along(sim, EAST_BAY[0], TO_WEST_BAY[0][1])
            and P.follow_path(sim, "truck", TO_WEST_BAY, throttle=0.4)):
        return log("not in the west bay")
    if not lay_girder(sim, 0, BRIDGE_X - TRACK, WEST_BAY[0]):
        return log("girder 0 not laid")
    log("both girders laid", sim.tick)
    if STAGE <= 2:
        return


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
