"""Level 10, babel: lay the two bridge segments across the
gap in front of the dock, then build the tower of seven crates on the pad
at the dock's north foot, the first two from the yard and the other five
from the dock.

Each segment waits on the yard beside the gap's mouth on its side, turned
across the road. The truck stops with its centre level with the segment's
middle, so the arm points square across it and the hub hangs turned with
the segment's slots; the prongs opened to about 1 rad come down through
the slots clear of the centre plate and close under it. Lifted above the
dock's top and slewed round to the front, the segment comes out lined up
with the crossing; the truck drives it into the mouth, the hub is nudged
over the seat with short lever pulses and let down until the end rails
sit in the rebates; opened wide, the prongs come up out of the slots.

The crates are worked on the crane's joint readings. Each is hooked by the
finger tips closed in under its top edge beams from just outside its faces
(the prongs opened to 1.2 rad, the hub 0.24 over its centre, the lever held
closing while it is carried), lifted on a full boom lever, swung round with
the boom still on a full lever (on the joints' half lever a loaded arm
sinks and the crate sweeps the tower), let down onto the crate below and
the hub sunk 6 cm further, so that the opened prongs swing out below the
beams rather than up into them; then lifted straight up. The first two go
up from the yard stance north of the pad, the other five from the dock
stance south of it, tops of the pairs first.

From the dock the crate is swung round with its bottom over the dock's
pairs (their tops 2.0 up): swung lower, it knocked them across the dock.
The dock stance has a wheel seat, a shallow trough under each axle, which
the truck runs into square along a straight 1.6 m and which holds it under
the working arm; should it still be 0.2 off, it backs out a metre and
drives in again. A crate set down more than SET_ASIDE off the one below
(it landed on that crate's edge) is picked up and set down again. A crate that comes
to rest tilted is picked up where it lies and set down again.

From the dock the grip is squared: the hub is nudged over the crate's
centre within a centimetre while still clear of its top and let down
plumb, since closed a few centimetres aside the fingers catch one beam
first and the crate hangs tilted. Before the arm is folded or drawn in
from over the tower it is swung off it at its height: folded or drawn in
straight, it swept the top crate off.

A crate that comes down on the edge of the one below and stays up on it
is lifted 15 cm and let down again before it is let go.

It wins started on time and 1 to 5 ticks late.

usage: python3 tools/solver/drivers/level10.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 10
GAP_CENTRE = 3.02
DOCK_TOP = 1.2
LANE_Y = 0.53  # each segment's centre off the road's axis, a hand's breadth apart
STANCE_Y = 1.9  # the truck's centre in the gap's mouth
PICK_Y = 5.0  # where it picks a segment up, level with the segment
# To the south pick stance: round the crate-free south side of the yard and
# up a straight run along the gap's line, so that it stops square.
SOUTH_ROUTE = [(-8.0, -0.5), (-5.5, -2.5), (-2.5, -7.2), (1.5, -8.0), (GAP_CENTRE, -7.0),
               (GAP_CENTRE, -PICK_Y)]
# Backed out of the south mouth, round the ramp's foot to the north side and
# down the gap's line from the north.
NORTH_ROUTE = [(GAP_CENTRE, -6.5), (1.0, -7.0), (-5.0, -6.5), (-6.5, -3.0), (-6.5, 3.0),
               (-5.0, 7.5), (1.0, 8.2), (GAP_CENTRE, 7.0), (GAP_CENTRE, PICK_Y)]
# From the north mouth, backed out, to the yard stance north of the pad.
PAD = (8.0, 3.35)
TOWER_STANCE_OUT = 1.3
YARD_ROUTE = [(GAP_CENTRE, 6.0), (3.3, 5.2), (4.3, PAD[1] + TOWER_STANCE_OUT + 0.05),
              (PAD[0], PAD[1] + TOWER_STANCE_OUT)]
YARD_CRATES = (0, 1)
CRATE_HALF, TOWER_STEP = 0.2, 0.4
CRATE_OPENING = 1.55
# The finger tips come down just outside a crate's faces and close in
# under its top edge beams (the box itself does not stop them): a hook, not
# a squeeze, which let the crate slide out when it was swung.
CRATE_HOOK_OPENING = 1.2
CRATE_GRIP = 0.24  # the hub over a crate's centre where the prongs close
CRATE_ALIGN = 0.01  # the hub over a crate's centre before the prongs close
CRATE_CLEARANCE = 0.3  # a carried crate's bottom over the tower's top
SLOT_OPENING = 1.05  # the prongs' finger tips clear the centre plate
RELEASE_OPENING = 1.5
PICK_ABOVE = 0.42  # hub over the segment's centre where it is squared up, the tips clear
GRIP_ABOVE = 0.1  # hub over the segment's centre where the prongs close
HELD_HANG = 0.12  # the hub over a segment hooked under its centre plate; on the tips, lower
CARRY_HUB = 1.65  # the segment's rails clear the dock's top
CARRY_OUT = STANCE_Y - LANE_Y  # ahead of the truck's centre, as it will be seated
ALIGN = 0.012  # metres: the hub over the slots or the seat
STILL_SPEED = 0.015


def hub_errors(sim, target):
    """(across, out) metres from the hub to target: across the arm, positive
    counter-clockwise from above, and along it, positive outwards."""
    t = sim.pose("truck")
    hub = sim.pose("grapple").pos
    px, py = t.pos[0], t.pos[1]
    across = P.wrap(math.atan2(target[1] - py, target[0] - px) - math.atan2(hub[1] - py, hub[0] - px))
    out = math.hypot(target[0] - px, target[1] - py)
    return across * out, out - math.hypot(hub[0] - px, hub[1] - py)


def pulse(sim, number, setting, ticks):
    P.lever(sim, number, setting)
    ended = sim.step(ticks)
    sim.post("leverUp leverNr=%d" % number)
    return not ended


def nudge_over(sim, target, tolerance=ALIGN, tries=14):
    """Brings the still hub within tolerance of target in the ground plane
    with short slew and extension pulses: grapple_to's dead bands leave it a
    few centimetres off, more than the slots allow."""
    for _ in range(tries):
        if not P.hold_still(sim, STILL_SPEED, 300):
            return False
        across, out = hub_errors(sim, target)
        if abs(across) < tolerance and abs(out) < tolerance:
            return True
        if abs(across) >= tolerance:
            ticks = max(1, min(20, int(abs(across) * 200)))
            if not pulse(sim, P.TRUCK_LEVERS["rotate"], -math.copysign(0.25, across), ticks):
                return False
        if abs(out) >= tolerance:
            ticks = max(1, min(20, int(abs(out) * 200)))
            if not pulse(sim, P.TRUCK_LEVERS["extend"], math.copysign(0.25, out), ticks):
                return False
    return False


def lower_plumb(sim, point, z, max_ticks=180, every=2, fold_on_stall=False):
    """Lowers the hub in one push down to z, holding it over point: the boom
    alone swings it in or out as it goes down, by more than the slots allow,
    so the extension and the slew follow the error all the way. Stopped
    and started, the prongs hang on the slots' edges."""
    levers = P.TRUCK_LEVERS
    ok = False
    lowest, since = 0.0, 0
    for tick in range(0, max_ticks, every):
        if sim.pose("grapple").pos[2] <= z:
            ok = True
            break
        across, out = hub_errors(sim, point)
        # With the boom down on its stop, or not lowering the hub, the outer
        # beam folds the rest.
        hub_z = sim.pose("grapple").pos[2]
        if tick == 0 or hub_z < lowest - 0.005:
            lowest, since = hub_z, tick
        if sim.joint("crane", "boom") < 0.02 or (fold_on_stall and tick - since > 30):
            sim.post("leverUp leverNr=%d" % levers["elevate"])
            P.lever(sim, levers["bend"], -0.5)
        else:
            P.lever(sim, levers["elevate"], -0.5)
        P.lever(sim, levers["extend"], P.axis_setting(out, 8.0, 0.004, 0.2))
        P.lever(sim, levers["rotate"], -P.axis_setting(across, 8.0, 0.004, 0.2))
        if sim.step(every):
            return False
    for name in ("elevate", "bend", "extend", "rotate"):
        sim.post("leverUp leverNr=%d" % levers[name])
    return ok or sim.pose("grapple").pos[2] <= z + 0.015


def hub_over(sim, point, tolerance=0.03, tries=6):
    """The still hub over point (x, y, z) within tolerance across."""
    for _ in range(tries):
        P.grapple_to(sim, point, tolerance=0.08, max_ticks=600)
        if sim.ended or not P.hold_still(sim, STILL_SPEED, 300):
            return False
        hub = sim.pose("grapple").pos
        if math.hypot(hub[0] - point[0], hub[1] - point[1]) < tolerance:
            return True
    return False


def pick_segment(sim, index, tries=3):
    """Picks segment index up by its slots; a grip that does not lift it is
    let go and tried again."""
    rest = sim.pose("segment", index).pos[2]
    for _ in range(tries):
        if grip_segment(sim, index):
            hub = sim.pose("grapple").pos
            if not P.grapple_to(sim, (hub[0], hub[1], hub[2] + 0.2), tolerance=0.08, max_ticks=600):
                return False
            hub, seg = sim.pose("grapple").pos, sim.pose("segment", index).pos
            # Held by all four prongs it hangs level just under the hub.
            if (seg[2] > rest + 0.1 and hub[2] - seg[2] < HELD_HANG
                    and math.hypot(hub[0] - seg[0], hub[1] - seg[1]) < 0.04):
                return True
        if sim.ended:
            return False
        print("no lift, again", sim.pose("grapple").pos, sim.pose("segment", index).pos, file=sys.stderr)
        P.open_grapple(sim, RELEASE_OPENING)
        hub = sim.pose("grapple").pos
        P.grapple_to(sim, (hub[0], hub[1], rest + PICK_ABOVE + 0.3), max_ticks=600)
        P.work_grapple(sim, -1.0, 40)
    return False


def yaw_error(sim, index):
    """How far (radians) the hub is turned off square with segment index's
    slots, which repeat every quarter turn."""
    e = sim.pose("grapple").heading - sim.pose("segment", index).heading
    return math.atan2(math.sin(4 * e), math.cos(4 * e)) / 4


def square_hub_yaw(sim, index, tolerance=math.radians(1.5), tries=5):
    """The truck rolls a little while the crane works, so the arm no longer
    points square across the segment and the hub, which hangs turned with
    the arm, is turned off the slots by more than they allow: the truck
    creeps back along its line until the hub hangs square."""
    c = sim.pose("segment", index).pos
    for _ in range(tries):
        if not hub_over(sim, (c[0], c[1], c[2] + PICK_ABOVE), tolerance=0.05):
            return False
        e = yaw_error(sim, index)
        if abs(e) < tolerance:
            return True
        t = sim.pose("truck")
        # The bearing of the segment from the truck turns by -e as the truck
        # creeps (its line runs along y at the gap's mouths).
        bearing = math.atan2(c[1] - t.pos[1], c[0] - t.pos[0]) - e
        out = abs(c[0] - t.pos[0])
        y = c[1] - out * math.tan(bearing) if abs(math.cos(bearing)) > 0.5 else t.pos[1]
        print("hub turned %.1f deg off the slots; truck from y %.3f to %.3f, bearing %.1f" % (
            math.degrees(e), t.pos[1], y, math.degrees(bearing + e)), file=sys.stderr)
        if not creep_level_with(sim, y, tolerance=0.01):
            return False
    return abs(yaw_error(sim, index)) < tolerance


def grip_segment(sim, index):
    c = sim.pose("segment", index).pos
    above = (c[0], c[1], c[2] + PICK_ABOVE + 0.3)
    grip = (c[0], c[1], c[2] + GRIP_ABOVE)
    bend = P.bend_for(sim, (above, grip))
    if bend is None:
        print("segment %d out of reach" % index, file=sys.stderr)
        return False
    # Near is enough here: the hub is squared over the slots after.
    steps = (("over", lambda: hub_over(sim, above, tolerance=0.06)), ("bend", lambda: P.bend_to(sim, bend)),
             ("open", lambda: open_evenly(sim, SLOT_OPENING)),
             ("over again", lambda: square_hub_yaw(sim, index)),
             ("square", lambda: nudge_over(sim, c)), ("down", lambda: lower_plumb(sim, c, grip[2], fold_on_stall=True)))
    for what, step in steps:
        if not step():
            print("segment %d: %s failed" % (index, what), sim.pose("grapple").pos, c, bend,
                  [sim.joint("crane", j) for j in ("boom", "bend", "extend")], file=sys.stderr)
            return False
    if sim.pose("grapple").pos[2] > grip[2] + 0.015:
        print("prongs on the plates at", sim.pose("grapple").pos, file=sys.stderr)
        return False
    # Closed for a while after the prongs first touch: they touch the
    # plate's edge before the finger tips are under it.
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    z = sim.pose("grapple").pos[2]
    if sim.step(80):
        return False
    print("gripped at", z, "prongs", [round(sim.joint("crane", "prong%d" % i), 2) for i in range(4)],
          sim.grasped(), file=sys.stderr)
    return sim.grasped() == "segment"


def open_evenly(sim, angle):
    """Opens the prongs to about angle, all of them: they close and open at
    one pace from their stops, but left wide open after a release or part
    closed after a miss they stand apart by up to 0.4 rad, and the widest
    came down on the centre plate beside its slot."""
    return P.work_grapple(sim, -1.0, 90) and P.open_grapple(sim, angle)


def show(sim, what, index):
    g, sg = sim.pose("grapple"), sim.pose("segment", index)
    print(what, "hub", [round(v, 3) for v in g.pos], round(math.degrees(g.heading), 1), "segment",
          [round(v, 3) for v in sg.pos], round(math.degrees(sg.heading), 1), sim.grasped(), file=sys.stderr)


def carry_to_front(sim, index):
    show(sim, "picked", index)
    if not P.raise_hub_to(sim, CARRY_HUB):
        return False
    show(sim, "raised", index)
    t = sim.pose("truck")
    ahead = (t.pos[0] + CARRY_OUT * t.x_axis[0], t.pos[1] + CARRY_OUT * t.x_axis[1], CARRY_HUB)
    return P.grapple_to(sim, ahead, max_ticks=900)


def seat_segment(sim, index, seat):
    """Lowers the held segment onto its seat, (x, y) of its centre."""
    hang = sim.pose("grapple").pos[2] - sim.pose("segment", index).pos[2]
    if not hub_over(sim, (seat[0], seat[1], DOCK_TOP + hang + 0.1), tolerance=0.05):
        print("hub not over the seat", sim.pose("grapple").pos, sim.joint("crane", "boom"),
              sim.joint("crane", "bend"), sim.joint("crane", "extend"), file=sys.stderr)
        return False
    if not nudge_over(sim, seat) and max(map(abs, hub_errors(sim, seat))) > 2 * ALIGN:
        print("hub not squared over the seat", hub_errors(sim, seat), file=sys.stderr)
        return False
    lower_plumb(sim, seat, DOCK_TOP + hang - 0.03, max_ticks=300)
    P.hold_still(sim, STILL_SPEED, 60)
    if sim.pose("segment", index).pos[2] > DOCK_TOP + 0.01:
        print("segment", index, "not down in its seat", sim.pose("segment", index).pos, file=sys.stderr)
        return False
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    if not P.open_grapple(sim, RELEASE_OPENING):
        return False
    return lift_clear(sim, seat) and P.raise_hub_to(sim, CARRY_HUB)


def lift_clear(sim, point, rise=0.24, step=0.05):
    """Raises the open grapple straight up out of the slots: the boom alone
    swings the hub in towards the truck as it rises, which drags the prongs
    across their slots and the segment out of its seat, so each short lift
    is followed by a nudge back out over point."""
    top = sim.pose("grapple").pos[2] + rise
    for _ in range(20):
        z = sim.pose("grapple").pos[2]
        if z >= top:
            return True
        P.lever(sim, P.TRUCK_LEVERS["elevate"], 0.8)
        for _ in range(30):
            if sim.step(2):
                return False
            if sim.pose("grapple").pos[2] >= z + step:
                break
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
        nudge_over(sim, point, tolerance=0.015, tries=4)
    return False


def lay_segment(sim, index, side):
    """Picks segment index at the pick stance on side (-1 south, 1 north),
    drives it into the mouth and seats it in its lane."""
    stance = (GAP_CENTRE, side * STANCE_Y)
    seat = (GAP_CENTRE, side * LANE_Y)
    # The first swing of the arm out over the segment rolls the truck a
    # little (up to 0.2 m at the north stance): it creeps back level after.
    c = sim.pose("segment", index).pos
    for _ in range(2):
        if not creep_level_with(sim, side * PICK_Y):
            print("not level with segment", index, sim.pose("truck").pos, file=sys.stderr)
        hub_over(sim, (c[0], c[1], c[2] + PICK_ABOVE + 0.3), tolerance=0.06)
    if not pick_segment(sim, index):
        print("no grip on segment", index, sim.pose("segment", index).pos, file=sys.stderr)
        return False
    if not carry_to_front(sim, index):
        return False
    if not P.follow_path(sim, "truck", [(GAP_CENTRE, side * (PICK_Y + 0.2)), stance], throttle=0.3):
        return False
    t = sim.pose("truck")
    print("mouth stance", t.pos, math.degrees(t.heading), "hub", sim.pose("grapple").pos, "segment",
          sim.pose("segment", index).pos, math.degrees(sim.pose("segment", index).heading), file=sys.stderr)
    if not seat_segment(sim, index, seat):
        print("segment", index, "not seated", sim.pose("segment", index).pos, file=sys.stderr)
        return False
    print("segment", index, "seated", sim.pose("segment", index).pos,
          math.degrees(sim.pose("segment", index).heading), file=sys.stderr)
    return True


def creep_level_with(sim, y, tolerance=0.02, tries=8):
    """Creeps the stopped truck along its heading until its centre is within
    tolerance of y: the arm then points square across the segment waiting
    level with it, and the hub hangs turned with the slots."""
    for _ in range(tries):
        t = sim.pose("truck")
        ahead = (y - t.pos[1]) / t.x_axis[1]
        if abs(y - t.pos[1]) < tolerance:
            return True
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % math.copysign(0.15, ahead))
        if sim.step(max(2, min(20, int(abs(ahead) * 40)))):
            return False
        if not P.come_to_rest(sim, "truck"):
            return False
    return abs(y - sim.pose("truck").pos[1]) < tolerance


def reverse_to(sim, y_stop, throttle=0.3, max_ticks=1200, every=5):
    """Backs the truck straight out along its heading until its centre's y
    passes y_stop, then stops."""
    start = sim.pose("truck").pos[1]
    for _ in range(0, max_ticks, every):
        y = sim.pose("truck").pos[1]
        if (y - y_stop) * (start - y_stop) <= 0:
            return P.come_to_rest(sim, "truck")
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % -throttle)
        if sim.step(every):
            return False
    return False


# The crates are worked on the crane's joint readings (the kit's hub_over):
# chasing the swinging hub with a crate on it pumps the swing and flings it.
CARRY_LIMIT = 0.4  # lever at most while a crate hangs on the prongs
LOWER_LIMIT = 0.3
MOVE_TICKS = 400  # a loaded arm gives and never settles on its target: near is enough
SINK = 0.06  # the hub on below where it holds a crate, once the crate rests
# Each crate is aimed at the pad, but at most this far off the crate below:
# released, a crate drifts a few centimetres, and the drift would add up
# towards the dock's face, where a crate turned on its stack catches the edge.
TOWER_LEAN = 0.06
# The dock crates, top of each pair first, in the order they go up.
DOCK_CRATES = (3, 5, 2, 4, 6)
# From the yard stance, round the north of the site, up the ramp and over
# the bridge, and along the dock's north edge to the dock stance.
DOCK_ROUTE = [(6.8, 5.6), (3.0, 6.6), (-1.0, 6.8), (-5.0, 5.5), (-7.0, 3.0), (-6.5, 0.6), (-5.0, 0.0),
              (2.0, 0.0), (4.4, 0.0), (5.3, 0.5), (5.9, 1.7), (6.4, 2.05), (PAD[0], PAD[1] - TOWER_STANCE_OUT)]
DOCK_CARRY_Z = DOCK_TOP + 4 * CRATE_HALF + CRATE_HALF + 0.1  # a carried crate's centre over the pairs
PLACE_TRIES = 3
SET_ASIDE = 0.09  # metres a crate may end up off the crate below
RESEAT_TRIES = 2
STANCE_DRIFT = 0.2  # metres off the dock stance before the truck drives in again
# Tried in turn; the tower's top needs a straighter arm than the rest.
BEND_CHOICES = (-0.6, -0.7, -0.8, -0.9, -1.0, -1.1, -1.2, -1.3, -0.5, -0.4, -0.3, -0.2, -0.1)
REACH_SPARE = 0.1  # the bend chosen must reach this much further out as well


def log(sim, *words):
    print(sim.tick, *words, file=sys.stderr)


def crate_at(sim, index):
    return sim.pose("packcrate", index).pos


def move_hub(sim, point, limit=CARRY_LIMIT, tries=2, within=0.04, ticks=MOVE_TICKS):
    """The hub towards point on the joints, with a loaded arm's give
    learnt once; True when it hangs within within."""
    aim = list(point)
    for _ in range(tries):
        if not P.crane_joints_to(sim, aim, limit, max_ticks=ticks) or not P.hub_settle(sim, 300):
            return False
        rest = P.hub_rest_point(sim, 30)
        if math.dist(rest, point) < within:
            return True
        aim = [aim[k] + point[k] - rest[k] for k in range(3)]
    return False


def swing_over(sim, point, bend, max_ticks=1500, every=2):
    """Swings a held crate round to over point: slew and extension on their
    readings at CARRY_LIMIT, while the boom keeps the hub at point's height
    on a full lever (on the joints' half lever a loaded arm sinks, and the
    crate swept low would knock the tower down)."""
    levers = P.TRUCK_LEVERS
    for _ in range(0, max_ticks, every):
        goal = P.crane_joint_targets(sim, point, bend)
        if goal is None:
            log(sim, "swing: out of reach", point, bend)
            break
        slew = P.wrap(goal[0] - sim.joint("crane", "slew"))
        extend = goal[2] - sim.joint("crane", "extend")
        if abs(slew) < 0.01 and abs(extend) < 0.01:
            break
        dz = point[2] - sim.pose("grapple").pos[2]
        P.lever(sim, levers["rotate"], P.clamp(P.axis_setting(slew, 4.0, 0.004, 0.15), -CARRY_LIMIT, CARRY_LIMIT))
        P.lever(sim, levers["extend"], P.clamp(P.axis_setting(extend, 5.0, 0.004, 0.15), -CARRY_LIMIT, CARRY_LIMIT))
        P.lever(sim, levers["elevate"], 1.0 if dz > 0.02 else (-0.4 if dz < -0.08 else 0.0))
        if sim.step(every):
            return False
    P.let_go_crane(sim)
    return P.hub_settle(sim, 300)


def bend_reaching(sim, points):
    """The least folded bend from which every point is in reach with some
    to spare, or None."""
    t = sim.pose("truck").pos
    for bend in BEND_CHOICES:
        if all(P.crane_ik(math.hypot(p[0] - t[0], p[1] - t[1]) + spare, p[2] - t[2], bend)
               for p in points for spare in (0.0, REACH_SPARE)):
            return bend
    return None


def pick_crate(sim, index, tries=3, square=False):
    """Opens the grapple over crate index, lowers it round the crate's top
    until the finger tips are under its top edge beams, closes it (the
    lever held, so the prongs keep their squeeze) and lifts."""
    for _ in range(tries):
        c = crate_at(sim, index)
        above = (c[0], c[1], c[2] + CRATE_GRIP + CRATE_CLEARANCE)
        grip = (c[0], c[1], c[2] + CRATE_GRIP)
        bend = bend_reaching(sim, (above, grip))
        if bend is None:
            log(sim, "crate %d out of reach" % index, c)
            return False
        hub = sim.pose("grapple").pos
        if math.hypot(hub[0] - PAD[0], hub[1] - PAD[1]) < 0.6:
            # Folded over the tower, the outer beam would bring the hub down
            # on its top crate: swung off it at its height first.
            P.crane_joints_to(sim, (c[0], c[1], max(hub[2], above[2] + 0.05)), 0.5, max_ticks=MOVE_TICKS)
        if not (P.raise_hub_to(sim, above[2] + 0.05) and P.bend_to(sim, bend)):
            log(sim, "crate %d: no bend" % index, bend, sim.joint("crane", "bend"))
            return False
        if not move_hub(sim, above, 0.5, ticks=3 * MOVE_TICKS):
            log(sim, "crate %d: hub not over it" % index, sim.pose("grapple").pos, above, sim.pose("truck").pos, sim.tick,
                [sim.joint("crane", j) for j in ("slew", "boom", "bend", "extend")])
        if not P.open_grapple(sim, CRATE_HOOK_OPENING):
            return False
        move_hub(sim, above, LOWER_LIMIT, within=0.02)
        # Closed a few centimetres aside, the fingers catch one beam before
        # the other and the crate hangs tilted: squared over it while still
        # clear of it (round its top the fingers would shove it), and let
        # down plumb. From the yard stance the grip is near enough as it is.
        if square and nudge_over(sim, c, tolerance=CRATE_ALIGN):
            lower_plumb(sim, c, grip[2])
        else:
            move_hub(sim, grip, LOWER_LIMIT, within=0.02)
        log(sim, "crate %d: hub down at" % index, sim.pose("grapple").pos, "crate", crate_at(sim, index))
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        if sim.step(40):
            return False
        # Under a crate the boom rises only on a nearly full lever.
        if not P.raise_hub_to(sim, above[2]):
            return False
        if crate_at(sim, index)[2] > c[2] + 0.1:
            return True
        log(sim, "crate %d not lifted, again" % index, sim.pose("grapple").pos, crate_at(sim, index), sim.grasped())
        if not open_wide(sim):
            return False
    return False


def open_wide(sim):
    """Opens the prongs as wide as they go: the fingers swing out from under
    the crate's beams (a prong against a beam may stop short of its stop)."""
    P.open_grapple(sim, CRATE_OPENING)
    return P.work_grapple(sim, 1.0, 30)


def tower_aim(sim, below):
    """Where the next crate goes: over the pad, leaning at most TOWER_LEAN
    off the crate below."""
    dx, dy = PAD[0] - below[0], PAD[1] - below[1]
    d = math.hypot(dx, dy)
    k = min(1.0, TOWER_LEAN / d) if d > 1e-6 else 0.0
    return below[0] + k * dx, below[1] + k * dy


def hang_of(sim, index):
    """(dx, dy, dz) of the hub from the crate it holds."""
    hub, c = sim.pose("grapple").pos, crate_at(sim, index)
    return hub[0] - c[0], hub[1] - c[1], hub[2] - c[2]


def let_down(sim, index, spot, z):
    """Lowers the held crate over spot onto what is under it, and the hub on
    by SINK: the prongs slide down inside the crate's top, so that opened
    their fingers swing out below its edge beams, not up into them."""
    dx, dy, dz = hang_of(sim, index)
    # Down in steps, the crate squared over spot after each: the loaded arm
    # swings the hub out as it lowers.
    top = sim.pose("grapple").pos[2]
    for step in range(1, 4):
        dx, dy, _ = hang_of(sim, index)
        level = top + (z + dz + 0.02 - top) * step / 3
        move_hub(sim, (spot[0] + dx, spot[1] + dy, level), LOWER_LIMIT, within=0.02)
    hub = sim.pose("grapple").pos
    # Out of the model's reach below is no matter: the hub goes as low as
    # the joints let it.
    P.crane_joints_to(sim, (hub[0], hub[1], z + dz - SINK), LOWER_LIMIT, max_ticks=MOVE_TICKS)
    return not sim.ended


def place_crate(sim, index, z, below, carry_z=0.0):
    """Carries the held crate over the tower, lets it down onto the crate
    below (or the pad) until it rests at z, lets go and lifts the open
    grapple clear straight up."""
    spot = tower_aim(sim, below)
    dx, dy, dz = hang_of(sim, index)
    high = (spot[0] + dx, spot[1] + dy, z + dz + CRATE_CLEARANCE)
    low = (high[0], high[1], z + dz)
    # Swung round over the dock's crates, not through them.
    carry = (high[0], high[1], max(high[2], carry_z + dz))
    bend = bend_reaching(sim, (carry, high, low))
    if bend is None:
        log(sim, "crate %d: the tower out of reach" % index, sim.pose("truck").pos, high, low)
        return False
    # Folding the bend under the crate lets the hub down: lifted after it.
    if not (P.raise_hub_to(sim, carry[2]) and P.bend_to(sim, bend) and P.raise_hub_to(sim, carry[2] + 0.05)):
        return False
    if not swing_over(sim, carry, bend):
        return False
    move_hub(sim, high)
    log(sim, "crate %d over the tower" % index, crate_at(sim, index), "hub", sim.pose("grapple").pos, "aim", spot)
    if not P.hold_still(sim, STILL_SPEED, 300):
        return False
    # Squared again once it hangs still: the crate hangs a little aside.
    dx, dy, _ = hang_of(sim, index)
    move_hub(sim, (spot[0] + dx, spot[1] + dy, high[2]), LOWER_LIMIT, within=0.02)
    P.hold_still(sim, STILL_SPEED, 300)
    if not let_down(sim, index, spot, z):
        log(sim, "crate %d not let down" % index, crate_at(sim, index))
        return False
    P.hold_still(sim, STILL_SPEED, 120)
    # Hanging tilted on the prongs, a crate comes down on one edge on the
    # crate below and stays up on it; let go there, it slides off aside.
    # Lifted a little it hangs straighter, and is let down again.
    for _ in range(RESEAT_TRIES):
        if crate_at(sim, index)[2] - z < 0.02:
            break
        log(sim, "crate %d not down, up and down again" % index, crate_at(sim, index))
        hub = sim.pose("grapple").pos
        move_hub(sim, (hub[0], hub[1], hub[2] + 0.15), LOWER_LIMIT, within=0.03)
        P.hold_still(sim, STILL_SPEED, 300)
        if not let_down(sim, index, spot, z):
            return False
        P.hold_still(sim, STILL_SPEED, 120)
    log(sim, "crate %d down" % index, crate_at(sim, index), "hub", sim.pose("grapple").pos, "aim", spot)
    # Let go: the lever at rest locks the prongs, which then no longer
    # squeeze, and the crate settles on what is under it.
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    if sim.step(30) or not open_wide(sim):
        return False
    hub = sim.pose("grapple").pos
    log(sim, "crate %d let go" % index, crate_at(sim, index), "hub", hub, "upright", sim.pose("packcrate", index).z_axis[2])
    for rise in (0.05, 0.1, 0.2, 0.3):
        if not P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + rise), LOWER_LIMIT, max_ticks=MOVE_TICKS):
            return False
    c = crate_at(sim, index)
    log(sim, "crate %d set at" % index, c, "upright", sim.pose("packcrate", index).z_axis[2])
    # Set down on the edge of the crate below, it slides off square but
    # aside, and the next one then lands on that edge and topples: aside by
    # more than SET_ASIDE it is picked up and set down again.
    return abs(c[2] - z) < 0.02 and math.hypot(c[0] - below[0], c[1] - below[1]) < SET_ASIDE


def back_to_stance(sim, stance, approach):
    """The truck slides a little under the swinging arm; once it is STANCE_DRIFT
    off its stance it backs out a metre and drives in again along approach
    (the hub first lifted clear of the tower and over the truck's nose)."""
    t = sim.pose("truck")
    if math.hypot(t.pos[0] - stance[0], t.pos[1] - stance[1]) < STANCE_DRIFT:
        return True
    log(sim, "truck drifted to", t.pos)
    hub = sim.pose("grapple").pos
    # Drawn straight in from over the tower, the arm swept its top crate
    # off: swung round at its reach over the truck's nose first.
    P.raise_hub_to(sim, hub[2] + 0.4)
    p, hub = t.pos, sim.pose("grapple").pos
    reach = math.hypot(hub[0] - p[0], hub[1] - p[1])
    P.crane_joints_to(sim, (p[0] + reach * t.x_axis[0], p[1] + reach * t.x_axis[1], hub[2]), 0.5,
                      max_ticks=MOVE_TICKS)
    stow_crane(sim, hub[2])  # clear of the tower's top on the way round
    start = sim.pose("truck").pos
    for _ in range(100):
        p = sim.pose("truck").pos
        if math.hypot(p[0] - start[0], p[1] - start[1]) > 1.0:
            break
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=-0.3")
        if sim.step(5):
            return False
    if not P.come_to_rest(sim, "truck"):
        return False
    return P.follow_path(sim, "truck", approach + [stance], throttle=0.3)


def stack(sim, crates, first_slot, stance=None):
    """Picks each crate in turn and sets it on the tower, from slot
    first_slot up (the truck kept at stance when one is given)."""
    for k, index in enumerate(crates):
        if stance and not back_to_stance(sim, stance, DOCK_ROUTE[-3:-1]):
            return False
        slot = first_slot + k
        below = crate_at(sim, TOWER[slot - 1]) if slot > 0 else PAD
        carry_z = DOCK_CARRY_Z if stance else 0.0
        # A crate that comes to rest tilted on the tower is picked up where
        # it lies and set down again.
        for _ in range(PLACE_TRIES):
            if not pick_crate(sim, index, square=True):
                return False
            if place_crate(sim, index, CRATE_HALF + TOWER_STEP * slot, below, carry_z):
                break
        else:
            return False
    return True


TOWER = YARD_CRATES + DOCK_CRATES  # the crate of each slot, bottom up


def stow_crane(sim, height=1.5):
    """Lifts the hub and swings it over the truck's nose for the drive."""
    P.raise_hub_to(sim, height)
    t = sim.pose("truck")
    move_hub(sim, (t.pos[0] + 0.9 * t.x_axis[0], t.pos[1] + 0.9 * t.x_axis[1], height), 0.5)
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)


def drive(sim):
    if not P.follow_path(sim, "truck", SOUTH_ROUTE, throttle=0.5):
        return
    if not lay_segment(sim, 0, -1):
        return
    if not reverse_to(sim, -6.0):
        return
    if not P.follow_path(sim, "truck", NORTH_ROUTE, throttle=0.5):
        print("stuck on the way north", sim.pose("truck").pos, file=sys.stderr)
        return
    if not lay_segment(sim, 1, 1):
        return
    if not reverse_to(sim, 6.5):
        return
    if not P.follow_path(sim, "truck", YARD_ROUTE, throttle=0.4):
        print("stuck on the way to the yard stance", sim.pose("truck").pos, file=sys.stderr)
        return
    t = sim.pose("truck")
    log(sim, "yard stance", t.pos, math.degrees(t.heading))
    if not stack(sim, YARD_CRATES, 0):
        return
    stow_crane(sim)
    if not P.follow_path(sim, "truck", DOCK_ROUTE, throttle=0.5, max_ticks=8000):
        log(sim, "stuck on the way to the dock stance", sim.pose("truck").pos)
        return
    t = sim.pose("truck")
    log(sim, "dock stance", t.pos, math.degrees(t.heading))
    if not stack(sim, DOCK_CRATES, len(YARD_CRATES), DOCK_ROUTE[-1]):
        return
    stow_crane(sim, 3.2)
    sim.step(120)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
