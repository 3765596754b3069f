"""Level 8, hazard: carry the two waste stackers over the ditch into the
store, once the bridge has its girders back. Pick up the girder beside the
start, drive round into the east bay, lay it in the east channel; back out,
pick up the other girder on the way and lay it from the west bay in the
west channel. Back out, pick up a stacker, line up on the bridge, drive over
and drop it into the store; back over the bridge to the second stacker and
do the same.

Not a win yet: it picks up the first girder, carries it into the east bay
and lowers it over the east channel, but the closed claw hooks under the
top flange and lets the girder turn on it, and the claw itself hangs
twisted on its hinge, so the girder swings 0.2 to 0.6 rad off the bridge's
line. Moving the truck along its line until the arm's bearing makes up for
the twist, and letting go when it swings square, seats it only now and
then; mostly it comes to rest across a channel wall. The later steps (the
west girder, the stackers) are still to come.

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
GIRDER_GRIP = 0.26  # the hub this far above a girder's centre closes round its top flange
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
    bend = P.bend_for(sim, (above, at))
    log("girder", index, "margin", reach_margin(sim, at), "bend", bend)
    if bend is None:
        return False
    if not (P.open_grapple(sim) and P.bend_to(sim, bend) and P.grapple_to(sim, above)
            and P.grapple_to(sim, at, tolerance=0.06)):
        return False
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    sim.step(40)
    h = sim.pose("grapple").pos
    P.grapple_to(sim, (h[0], h[1], h[2] + 0.3))
    return sim.pose("girder", index).pos[2] > c[2] + 0.2


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


def square_over(sim, index, channel_x, bay_x, tries=4):
    """Holds the girder over the channel and turns it square to the bridge:
    the claw hangs twisted on its hinge, so the arm's bearing has to make up
    for it, and the truck moves along its line until that bearing brings the
    girder's middle over the seats. Returns the hub's y."""
    y = LAY_MID
    for _ in range(tries):
        P.grapple_to(sim, (channel_x, y, CARRY_Z))
        skew = mean_yaw_error(sim, index)
        ax, ay = slew_axis(sim)
        if abs(skew) < 0.06:
            return y
        # Turning the arm by -skew moves the hub this far along y.
        sign = 1 if channel_x < ax else -1
        y_for_square = y + sign * abs(channel_x - ax) * math.sin(skew)
        log("skew", round(skew, 3), "axis", round(ay, 3), "hub y", round(y, 3), "square at",
            round(y_for_square, 3))
        if LAY_Y[0] <= y_for_square <= LAY_Y[1]:
            y = y_for_square
            continue
        # Move the truck so that bearing brings the hub to the middle.
        body_y = P.clamp(sim.pose("truck").pos[1] + LAY_MID - y_for_square, -4.5, -2.2)
        y = P.clamp(y_for_square + body_y - sim.pose("truck").pos[1], *LAY_Y)
        creep_along(sim, bay_x, body_y)
    return y


def lay_girder(sim, index, channel_x, bay_x):
    """From a bay stance: squares the held girder over the channel, lowers
    it to just above its seats, waits for it to swing square and lets go."""
    y = square_over(sim, index, channel_x, bay_x)
    over = (channel_x, y, SEAT_Z + GIRDER_GRIP + 0.35)
    seat = (channel_x, y, SEAT_Z + GIRDER_GRIP + 0.08)
    bend = P.bend_for(sim, (over, seat))
    log("lay", index, "y", round(y, 3), "margin", reach_margin(sim, seat), "bend", bend)
    if bend is None:
        return False
    if not (P.grapple_to(sim, (channel_x, y, CARRY_Z)) and P.bend_to(sim, bend)
            and P.grapple_to(sim, over, tolerance=0.06)):
        return False
    if not P.grapple_to(sim, seat, tolerance=0.06):
        log("seat not reached", sim.pose("grapple").pos)
    for _ in range(150):
        if abs(girder_yaw_error(sim, index)) < 0.02:
            break
        sim.step(2)
    log("letting go at", round(girder_yaw_error(sim, index), 3), sim.pose("girder", index).pos)
    if not P.open_grapple(sim):
        return False
    sim.step(60)
    P.lever(sim, P.GRAPPLE_LEVER, 0.0)
    g = sim.pose("girder", index)
    log("laid", index, [round(v, 3) for v in g.pos], "skew", round(girder_yaw_error(sim, index), 3))
    return lift_hub(sim)


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


def drive(sim):
    if not (grasp_girder(sim, 1) and lift_hub(sim)):
        return log("no girder 1")
    if not P.follow_path(sim, "truck", TO_EAST_BAY, throttle=0.4):
        return log("not in the east bay")
    log("east bay", sim.pose("truck").pos, sim.pose("truck").heading)
    if not lay_girder(sim, 1, BRIDGE_X + TRACK, EAST_BAY[0]):
        return log("girder 1 not laid")


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
