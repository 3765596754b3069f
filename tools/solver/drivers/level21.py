"""Level 21, the egg hunt: eight eggs into the hitched trailer. It wins
started on time and 2 or 4 ticks late (robustness.py).

The crane reaches only the front half of the trailer's bed (the rear half
stands 1.75 to 2.3 m out, beyond the 1.95 m the crane reaches at all), and
the open prongs stand out about 0.29 m from the egg they come down round, so
only three or four eggs stand there at once. The meadow's tipping humps make
room: towed slowly up a hump's 32 degree face, the bed tilts past the 27
degrees at which a standing egg topples (its flat foot grips the bed, so it
never slides), and an egg standing near the middle falls over backwards and
lies about 0.45 m further back, in the rear half. Lying eggs stay put on the
gentle far side and on the flat.

So the truck stops beside one or two eggs at a time, the egg 1.45 m off its
side and the trailer straightened out behind it. The grapple closes round
each egg's ball, lifts it clear of the trailer's walls and of what already
lies in it, and sets it on its foot at the rearmost free place on the front
half (or, with no place free, onto the pile); then the truck tows
the trailer over the next hump.

Where it is weak: an egg left standing against lying ones does not topple
on a hump and may be flung forward over the crest (hence the halt at the
bed's steepest and the slow crest); a third hump topples the pair loaded
before it. When no place is free the egg is set closer to its neighbours,
or onto the pile where there is most room. Eggs
toppled at speed (pedal 0.3 and more) tumble on over the tail wall.

usage: python3 tools/solver/drivers/level21.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 21

# The places on the bed's front half, along and across the trailer in its
# frame: eggs go to the rearmost free one, so that a hump topples them clear
# of the front half. The grapple's prongs stand out along and across the
# trailer, so a standing egg keeps its neighbours either far off or
# diagonally off, between the prongs. The least reach margin of the hub
# setting an egg down (reach_margin, the kit's crane model, the trailer
# straight behind the truck): 0.22 m at the rear end, 0.23 m at 0.58 m
# along, 0.21 m at the front end, 0.60 (0.62 would leave only 0.19, too
# little to count on); 0.38 m between; picking an egg up 1.45 or 1.55 m off
# the truck's side, 0.37 m or more.
PLACE_ALONG = [0.04 + 0.02 * k for k in range(29)]
PLACE_ACROSS = (-0.13, 0.13)
PILE_ACROSS = (-0.1, 0.0, 0.1)
ON_BED_Z = 0.175  # an egg's centre, standing on its foot
STANDING_CLEAR = 0.42
DIAGONAL_CLEAR = (0.18, 0.2)  # along and across
LYING_CLEAR = 0.22  # from the centre, ball and foot of a toppled egg
BALL_ABOVE, FOOT_BELOW = 0.12, 0.1  # along an egg's axis
# Failing a free place, one this much nearer its neighbours is tried.
SQUEEZE = 0.8
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


# The outer beam does not move for the last few centimetres of reach at a
# light lever, so the hub lowered round a ball may hang this far off it.
PICK_NEAR = 0.045


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
    if not (hub_to(sim, high) and descend(sim, at, high[2], at[2], near=PICK_NEAR)):
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
    # An egg held askew comes down onto its foot's corner before the hub is
    # as low as reckoned: set it down from where it stopped.
    descend(sim, low, carry[2], low[2], near=0.03, max_ticks=600)
    if sim.ended:
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


# The road: each leg ends at a stop, where the eggs listed are picked up and
# set in the trailer, and "hump" means the leg crosses one. The humps stand on
# the line y = -5.45, which the truck drives west along.
HALF_PI = math.pi / 2
LINE_Y = -5.45
ROUTE = [
    ([(2.3, 0), (3.3, 1.55), (6.0, 1.55)], [0], False),
    ([(8.0, 1.55), (9.5, 3.55), (12.0, 3.55)] + arc((13.5, 2.05), 1.5, HALF_PI, 0) + [(15.45, -1.5)] +
     arc((13.95, -3.95), 1.5, 0, -HALF_PI) + [(9.0, LINE_Y)], [2], False),
    ([(1.0, LINE_Y)], [3, 4], True),
    ([(-7.5, LINE_Y)], [1, 7], True),
    ([(-16.5, LINE_Y)], [5], True),
    ([(-19.5, LINE_Y)], [6], False),
]

# The pedal moves this much at most each correction, so that no egg standing
# in the trailer tips over as the truck starts or stops.
PEDAL_STEP = 0.01


def trailer_tilt(sim):
    """How far the trailer's bed slopes down toward its tail, radians."""
    return math.asin(max(-1.0, min(1.0, sim.pose("trailer").x_axis[2])))


# Over a hump: steady up the steep face, for a hard yank flings the eggs
# about, and a halt once the bed has tilted past its steepest, so that every
# egg that topples has done so and lies still.
TOPPLE_TILT = math.radians(24)  # past the peak from here on, the eggs have gone over
HALT_TILT = math.radians(31)  # the tail near the ground: as steep as the bed gets
CLIMBING_TILT = math.radians(5)
HOLD_TICKS = 240
CLIMB_PEDAL = 0.25
HUMP_THROTTLE = 0.25
CREST_THROTTLE = 0.12  # over the crest, where an egg left standing is flung forward


def tow(sim, points, hump=False, lookahead=0.8, max_ticks=6000, every=3):
    """Drives the truck forward along the polyline of ground points, easing
    on and off the pedal, and stops at its end; gently and with a halt on
    top when the leg crosses a hump."""
    start = tuple(sim.pose("truck").pos[:2])
    points = [start] + [q for q in points if math.dist(q, start) > 0.1]
    throttle = HUMP_THROTTLE if hump else 0.4
    pedal = 0.0
    steepest = 0.0
    held = not hump
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        tilt = trailer_tilt(sim)
        steepest = max(steepest, tilt)
        if not held and (tilt > HALT_TILT or (steepest > TOPPLE_TILT and tilt < steepest - 0.005)):
            held = True
            sim.post("accelcontrol setting=0")
            pedal = 0.0
            if sim.step(HOLD_TICKS):
                return False
            continue
        segment, fraction, left = P.path_progress(points, p.pos)
        aim = P.point_ahead(points, segment, fraction, lookahead)
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - p.heading)
        slow = max(0.15, min(1.0, left / 2.0))
        if not hump:  # round the bends slower
            slow *= max(0.5, math.cos(error))
        want = 0.0 if left < 0.05 else (CREST_THROTTLE if hump and held else throttle) * slow
        if not held and tilt > CLIMBING_TILT:
            want = CLIMB_PEDAL
        pedal = max(pedal - PEDAL_STEP, min(pedal + PEDAL_STEP, want))
        sim.post("steer setting=%f" % P.clamp(-2.0 * error))
        sim.post("accelcontrol setting=%f" % pedal)
        if sim.step(every):
            return False
        if want == 0.0 and pedal == 0.0:
            sim.post("steer setting=0")
            return P.come_to_rest(sim, "truck")
    return False


def clear_of_standing(place, other, squeeze=1.0):
    """Whether a standing egg at other leaves place free: far enough off, or
    diagonally off the trailer's axes, between the prongs."""
    dx, dy = abs(place[0] - other[0]), abs(place[1] - other[1])
    return math.hypot(dx, dy) >= squeeze * STANDING_CLEAR or \
        (dx >= squeeze * DIAGONAL_CLEAR[0] and dy >= squeeze * DIAGONAL_CLEAR[1])


def trailer_contents(sim, skip):
    """The eggs in the trailer but skip, as (standing centres, parts of
    lying ones), each in the trailer's frame."""
    t = sim.pose("trailer")
    standing, lying_parts = [], []
    for j in range(8):
        if j == skip:
            continue
        e = egg(sim, j)
        at = trailer_local(sim, e.pos)
        if abs(at[0]) > 0.9 or abs(at[1]) > 0.4:
            continue
        if sum(e.z_axis[k] * t.z_axis[k] for k in range(3)) > 0.9:
            standing.append(at)
            continue
        ball = trailer_local(sim, [e.pos[k] + BALL_ABOVE * e.z_axis[k] for k in range(3)])
        foot = trailer_local(sim, [e.pos[k] - FOOT_BELOW * e.z_axis[k] for k in range(3)])
        lying_parts += [at, ball, foot]
    return standing, lying_parts


def free_place(sim, skip):
    """The rearmost place on the front half's bed that nothing in the trailer
    is too near; failing that, one a little nearer its neighbours; failing
    that, the place with the most room on the pile; or None in an empty
    trailer."""
    standing, lying_parts = trailer_contents(sim, skip)
    for squeeze in (1.0, SQUEEZE):
        for along in PLACE_ALONG:
            for across in PLACE_ACROSS:
                place = (along, across, ON_BED_Z)
                if all(clear_of_standing(place, q, squeeze) for q in standing) and \
                        all(math.hypot(along - q[0], across - q[1]) >= squeeze * LYING_CLEAR
                            for q in lying_parts):
                    return place
    # Nowhere to stand it: set it down onto what lies there, where the most
    # room is, and let it settle among the others (set on top of three
    # standing eggs, one rolls off over the side wall).
    parts = [q for q in standing] + lying_parts
    if not parts:
        return None
    return max(((along, across, ON_BED_Z) for along in PLACE_ALONG for across in PILE_ACROSS),
               key=lambda c: min(math.hypot(c[0] - q[0], c[1] - q[1]) for q in parts))


def in_trailer(sim, i):
    at = trailer_local(sim, egg(sim, i).pos)
    return abs(at[0]) < 0.78 and abs(at[1]) < 0.29 and 0 < at[2] < 1.0


def load(sim, i, tries=3):
    """Egg i into the trailer at a free place. A place that goes wrong (the
    egg caught on a prong, or set down on a neighbour) is let go of; an egg
    left outside the trailer is picked up again from where it lies."""
    for _ in range(tries):
        place_at = free_place(sim, i)
        if place_at is None:
            return False
        # An egg set down badly may roll off the pile and over a wall: not loaded.
        if pick(sim, i) and place(sim, i, place_at) and in_trailer(sim, i):
            return True
        if sim.ended:
            return True
        P.open_grapple(sim, RELEASE_OPEN)
        lift_clear(sim)
        sim.step(30)
        if in_trailer(sim, i) and sim.grasped() is None:
            return True
    return False


def drive(sim):
    """The route, each egg picked up at its stop and set at a free place."""
    for points, eggs, hump in ROUTE:
        if not tow(sim, points, hump):
            return
        for i in eggs:
            if not load(sim, i):
                return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
