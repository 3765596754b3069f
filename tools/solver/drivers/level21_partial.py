"""Level 21, the egg hunt, as far as it goes: five of the eight eggs into
the trailer. Not a win, and not yet a solution: robustness.py does not run
it (its name is not levelNN.py).

The truck tows the trailer round the meadow and stops beside each egg with
the trailer nearly straight behind it and the egg 1.45 m off its side. From
there the crane reaches the trailer's bed only from its middle to its front
wall (the rear half is 1.75 to 2.3 m out, beyond the 1.95 m the crane reaches
at all). The grapple closes round the egg's ball, lifts it clear of the
trailer's walls and of the eggs already standing in it, and sets it down on
its foot: four places on the bed's front half in two staggered rows, then one
on top of three of them. The truck drives gently with eggs aboard, easing on
and off the pedal, so that none tips over.

Where it stops: the open prongs stand out about 0.29 m from the egg's axis,
so two eggs standing on the bed must be at least about 0.36 m apart or the
grapple setting down or letting go of one knocks the other; four fit in the
reachable half. Eggs on top of others only stay put while the truck stands.
Started late it often loads only three or four.

usage: python3 tools/solver/drivers/level21_partial.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 21

# The places in the trailer, (along, across, height of the egg's centre) in
# the trailer's frame, filled in this order. The grapple's prongs stand out
# along and across the trailer, so the eggs on the bed stand in two staggered
# rows: no egg stands in line with a prong of the grapple setting down or
# letting go of its neighbour. The fifth rests on top of the first three.
# The least reach margin of the hub setting each down, over the five stops
# (reach_margin, the kit's crane model): 0.21, 0.39, 0.32, 0.23 and 0.29 m;
# picking an egg up, 0.37 m or more.
PLACES = [(0.04, -0.13, 0.175), (0.22, 0.13, 0.175), (0.4, -0.13, 0.175), (0.58, 0.13, 0.175),
          (0.22, -0.043, 0.6)]
RELEASE_OPEN = P.GRAPPLE_OPEN  # wide open: a prong still touching would drag the egg along

# The grapple's hub above an egg's centre when its prongs close below the
# ball's equator; and the hub's height while carrying, with the egg's foot
# clear of the eggs standing in the trailer.
HOLD_ABOVE = 0.24
CARRY_Z = 1.3
LEAVE_ABOVE = 0.2  # over the carrying height, where the open grapple leaves an egg
BEND_OUT = 1.25  # from the truck's centre, where the hub hangs while the beam folds


def reach_margin(sim, point, bend, step=0.01, most=0.5):
    """How far the hub's point could move out, in, up or down from where the
    truck stands and still be reached with the bend held at bend."""
    truck = sim.pose("truck").pos
    out = (point[0] - truck[0], point[1] - truck[1])
    length = math.hypot(*out)
    ux, uy = out[0] / length, out[1] / length
    worst = most
    for d_out, d_up in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        r = 0.0
        while r < most:
            moved = (point[0] + d_out * (r + step) * ux, point[1] + d_out * (r + step) * uy,
                     point[2] + d_up * (r + step))
            if not P.crane_can_reach(sim, moved, bend):
                break
            r += step
        worst = min(worst, r)
    return worst


def best_margin(sim, point):
    """The widest reach margin over the bends the driver works with."""
    return max(reach_margin(sim, point, bend) for bend in P.BENDS)


def egg(sim, i):
    return sim.pose("egg", i)


def trailer_point(sim, local):
    t = sim.pose("trailer")
    return tuple(t.pos[k] + local[0] * t.x_axis[k] + local[1] * t.y_axis[k] + local[2] * t.z_axis[k]
                 for k in range(3))


def trailer_local(sim, point):
    t = sim.pose("trailer")
    d = [point[k] - t.pos[k] for k in range(3)]
    return tuple(sum(d[k] * axis[k] for k in range(3)) for axis in (t.x_axis, t.y_axis, t.z_axis))


def lift_clear(sim, z=CARRY_Z):
    hub = sim.pose("grapple").pos
    return hub_to(sim, (hub[0], hub[1], max(hub[2], z)), tolerance=0.08)


def release_crane(sim):
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])


# The grapple swings on its hinge in the crane's plane, about once in 1.35 s,
# and hardly stops by itself. Sliding the outer beam toward where the hub
# leans (read from the tilt of the hub's axis) damps the swing out.
SWING_DAMPING = 4.0
REACH_GAIN = 2.0


def crane_toward(sim, target):
    """One correction of the crane toward a world point for the grapple hub;
    returns how far the hub is from it. Slew for the bearing round the truck's
    centre, the outer beam for the reach and the swing, the boom for the
    height."""
    truck = sim.pose("truck")
    g = sim.pose("grapple")
    hub = g.pos
    ax, ay = truck.pos[0], truck.pos[1]
    out = math.hypot(hub[0] - ax, hub[1] - ay)
    ux, uy = (hub[0] - ax) / out, (hub[1] - ay) / out
    bearing = P.wrap(math.atan2(target[1] - ay, target[0] - ax) - math.atan2(uy, ux))
    reach = math.hypot(target[0] - ax, target[1] - ay) - out
    lean = g.z_axis[0] * ux + g.z_axis[1] * uy
    P.lever(sim, P.TRUCK_LEVERS["rotate"], -P.axis_setting(bearing, 3.0, 0.008, 0.2))
    P.lever(sim, P.TRUCK_LEVERS["extend"], REACH_GAIN * reach - SWING_DAMPING * lean)
    P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(target[2] - hub[2], 4.0, 0.02, 0.5))
    return math.dist(hub, target)


def hub_to(sim, target, tolerance=0.03, max_ticks=1500, every=3):
    """The hub to a world point and still there, the levers let go."""
    for _ in range(0, max_ticks, every):
        off = crane_toward(sim, target)
        if off < tolerance and sim.pose("grapple").speed < 0.03:
            release_crane(sim)
            return True
        if sim.step(every):
            return False
    release_crane(sim)
    return False


def descend(sim, xy, top, bottom, near=0.02, rate=0.01, max_ticks=1500, every=3):
    """Lowers the hub from top to bottom over the ground point xy, going on
    down only while it hangs within near of the point, so that the open
    prongs come down round a ball and not onto it."""
    z = top
    for _ in range(0, max_ticks, every):
        hub = sim.pose("grapple").pos
        if math.hypot(hub[0] - xy[0], hub[1] - xy[1]) < near:
            if z == bottom and abs(hub[2] - bottom) < 0.02:
                release_crane(sim)
                return True
            z = max(bottom, z - rate)
        crane_toward(sim, (xy[0], xy[1], z))
        if sim.step(every):
            return False
    release_crane(sim)
    return False


def pick(sim, i):
    """Opens the grapple high over egg i, lowers it round the ball and
    closes until it holds the egg."""
    centre = egg(sim, i).pos
    high = (centre[0], centre[1], centre[2] + HOLD_ABOVE + 0.45)
    at = (centre[0], centre[1], centre[2] + HOLD_ABOVE)
    bend = P.bend_for(sim, (high, at))
    if bend is None:
        return False
    # Swing round toward the egg, short of it, before folding the outer beam:
    # the hub drops as it folds, and must not drop into the trailer or onto
    # the egg.
    truck = sim.pose("truck").pos
    toward = math.atan2(centre[1] - truck[1], centre[0] - truck[0])
    height = max(1.1, sim.pose("grapple").pos[2])
    short = (truck[0] + BEND_OUT * math.cos(toward), truck[1] + BEND_OUT * math.sin(toward), height)
    if not (lift_clear(sim, 1.1) and hub_to(sim, short, tolerance=0.08)):
        return False
    if not (P.bend_to(sim, bend) and P.open_grapple(sim)):
        return False
    if not (hub_to(sim, high) and descend(sim, at, high[2], at[2])):
        return False
    return P.close_until_grasped(sim, "egg")


def place(sim, i, local):
    """Carries the held egg i over its place in the trailer, lowers it until
    its foot hangs just clear of what it will stand on, nudges the hub until
    the egg itself hangs over the place, sets it down, opens wide and lifts
    straight up, clear of every egg in the trailer."""
    target = trailer_point(sim, local)
    hangs = sim.pose("grapple").pos[2] - egg(sim, i).pos[2]
    carry = (target[0], target[1], max(CARRY_Z, target[2] + hangs + 0.3))
    if not lift_clear(sim, carry[2]):
        return False
    low = [target[0], target[1], target[2] + hangs + 0.03]
    bend = P.bend_for(sim, (carry, low))
    if bend is None or not (P.bend_to(sim, bend) and hub_to(sim, carry)):
        return False
    if not descend(sim, low, carry[2], low[2], near=0.03, max_ticks=600):
        return False
    for _ in range(3):
        at = trailer_local(sim, egg(sim, i).pos)
        error = (local[0] - at[0], local[1] - at[1])
        if math.hypot(*error) < 0.01:
            break
        t = sim.pose("trailer")
        for k in range(2):
            low[k] += error[0] * t.x_axis[k] + error[1] * t.y_axis[k]
        hub_to(sim, low, tolerance=0.01, max_ticks=300)
    low[2] -= 0.05
    hub_to(sim, low, tolerance=0.02, max_ticks=150)
    if not P.open_grapple(sim, RELEASE_OPEN):
        return False
    sim.step(30)
    return hub_to(sim, (low[0], low[1], carry[2] + LEAVE_ABOVE), tolerance=0.08)


def arc(centre, radius, start, end, steps=6):
    """Ground points along a circle, from angle start to angle end."""
    return [(centre[0] + radius * math.cos(start + (end - start) * k / steps),
             centre[1] + radius * math.sin(start + (end - start) * k / steps))
            for k in range(steps + 1)]


# Where the truck stops for each egg, with the egg 1.45 m off its side and the
# trailer straightened out behind it, and the road there from the stop before.
HALF_PI = math.pi / 2
ROUTE = [
    ([(2.3, 0), (3.3, 1.55), (6.0, 1.55)], [0]),
    ([(8.0, 1.55), (9.5, 3.55), (12.0, 3.55)], [5]),
    (arc((13.5, 2.05), 1.5, HALF_PI, 0) + [(15.45, -1.5)], [7]),
    (arc((13.95, -3.95), 1.5, 0, -HALF_PI) + [(9.0, -5.45)], [2]),
    ([(3.0, -5.45)], [4]),
]

# The pedal moves this much at most each correction, so that no egg standing
# in the trailer tips over as the truck starts or stops.
PEDAL_STEP = 0.01


def tow(sim, points, throttle=0.4, lookahead=0.8, max_ticks=6000, every=3):
    """Drives the truck forward along the polyline of ground points, easing
    on and off the pedal, and stops at its end."""
    start = tuple(sim.pose("truck").pos[:2])
    points = [start] + [q for q in points if math.dist(q, start) > 0.1]
    pedal = 0.0
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        segment, fraction, left = P.path_progress(points, p.pos)
        aim = P.point_ahead(points, segment, fraction, lookahead)
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - p.heading)
        slow = max(0.15, min(1.0, left / 2.0)) * max(0.5, math.cos(error))
        want = 0.0 if left < 0.05 else throttle * slow
        pedal = max(pedal - PEDAL_STEP, min(pedal + PEDAL_STEP, want))
        sim.post("steer setting=%f" % P.clamp(-2.0 * error))
        sim.post("accelcontrol setting=%f" % pedal)
        if sim.step(every):
            return False
        if want == 0.0 and pedal == 0.0:
            sim.post("steer setting=0")
            return P.come_to_rest(sim, "truck")
    return False


def drive(sim):
    """The route, each egg picked up at its stop and set in the next place."""
    place_index = 0
    for points, eggs in ROUTE:
        if not tow(sim, points):
            return
        for i in eggs:
            if not (pick(sim, i) and place(sim, i, PLACES[place_index])):
                return
            place_index += 1
        if sim.ended:
            return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
