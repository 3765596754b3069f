"""Level 13, the hearth: the old house stands on the hill top centred
(9, 5.4), turned as the new one is, 2.6 m south of the new foundation
(9, 8). The truck comes up the hill's west side onto the stance line
y 6.7 between the houses, heading east. The stages, each from the yard
point (5.0, 6.7) heading east back to it:

1. roof_off: the roof, taken by its ridge from the stance (9, 6.7), the hub
   0.12 above the ridge, lifted clear of the gables' peaks (its eaves slope
   like theirs, so it may move aside only as far as it has risen), slewed
   round ahead of the truck and carried east along the stance line to its
   park at about (12.6, 6.7), east of the east corridor, ridge along y; laid
   there from 1.25 m out (held further out, it rocks about its ridge and
   lands up to 0.2 m off its aim).
2. level13_east.pair_first: the chimney and the back gable together, into
   the empty new house (see that module).
3. walls_in: from the north wall's stance (y 7.155) the old near (north)
   wall is taken by its top beam, drawn out away from the gables' tabs,
   lifted and slewed slowly round behind the truck, stopped short west of
   the back gable's peak, onto the new north wall's channel. From a stance
   clear of the old gables' ends (y 6.4) the old far (south) wall is closed
   on within 3 cm of the middle of its top beam, lifted straight up, swung
   round behind the truck a tenth of a radian at a time, over the old front
   gable's peak, stopped short over the new house's west end, brought over
   its channel's line 0.6 m west of its place and slid east along it, clear
   of the back gable's peak, and let down, the beam folded a step at a time.
   A wall is squared over its channel by where it hangs and let down in
   steps; one that rolls in the claw, rests high on a ridge or stands off
   its channel once let go is lifted and set again (see set_wall). The
   notches under its feet slide it along its channel to its place; both are
   aimed a little west, clear of the back gable's plate. The claw leaves the
   far wall along its top beam to the west, and the truck, left turned off
   east on that stance, is straightened forward across the cleared old site
   before it backs to the yard.
4. level13_west.front_gable: the front gable, up the west side.
5. roof_back: from the yard along the stance line to the park, the roof
   taken again, drawn in to 0.6 m ahead and backed onto the stance
   (9, 6.7); slewed round slowly to the north (slewed on 0.2 its ridge slid
   13 cm in the claw), drawn in that close so its corners pass clear of the
   chimney's cap, out over the house along the line it came off by, and
   squared over its place. The gables stand only half a centimetre clear
   of its ends, so it must hang square to the house within a few
   milliradians: the claw keeps its turn as the crane slews, so the turn is
   taken out by nudging the truck along the stance line until the boom
   stands square to the ridge. It is squared by its own height as well (the
   arm gives under it), let down between the gables' shoulders in 2 cm
   steps and let go 8 cm above its place, aimed 3 mm toward the back gable
   (it is the front one a roof touching it pushes over). It comes to rest
   on one gable's edge or the other, 1-4 cm above its place.

Reach to spare, delays 0-5: roof off the old house 0.33-0.47, at the park
0.73 and 0.70 taken again, roof place 0.26-0.49; wall places 0.52-0.55;
front gable pick 0.58, place 0.31-0.51; chimney cap 0.41, pair place
0.27-0.54.

The whole level, delay: 0 1 2 3 4 5 (run of this driver): wins at 0, 1,
3, 4 and 5 (ticks 64204, 62179, 62128, 75435, 66057). At 2 the pair slipped
4.5 cm south in the claw at the last lift step and its tab knocked the old
south wall over.

usage: python3 tools/solver/drivers/level13.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin, reverse_to, set_grapple  # noqa: E402

LEVEL = 13
DEBUG = os.environ.get("LEVEL13_DEBUG")
NEW_X, NEW_Y, FLOOR = 9.0, 8.0, 0.5  # the new foundation's centre and floor
WALL_AT = 0.495  # the new house's side walls from its centre line
OLD_Y = 5.4  # the old house's centre, x = NEW_X, turned as the new one is
NEAR_WALL, FAR_WALL = "leftwall", "rightwall"  # the old house's north and south walls
# The far wall swings round behind the truck, over the old front gable's
# peak (1.8 high): ahead of the truck stand the old back gable and the
# chimney, whose cap is 2.0 high.
FAR_TURN = 1
# Up the road, round the hill's west side and onto the stance line between
# the houses, straight for the last four metres so that it stops square.
STANCE_ROUTE = [(-3, -8), (2, -8), (4.5, -5), (4.0, 0), (4.0, 4.0), (5.0, 6.7), (7.0, 6.7),
                (NEW_X, 6.7)]
# Backed out to here and swung onto the line of a wall's stance.
BACK_OUT = (5.5, 6.7)
NORTH_WALL_STANCE = 7.155  # 1.28 m from the old near wall, 1.34 from the new north wall
# Clear of the old gables' ends (5.9): the old far wall 1.475 out, taken
# with the outer beam folded to -0.15 (0.47 out to spare, 0.21 once drawn
# out of the house), the new south wall 1.125 out, set with it folded to
# -1.4 (0.245 in to spare).
SOUTH_WALL_STANCE = 6.4
SOUTH_TAKE_FOLD, SOUTH_SET_FOLD = -0.15, -1.4
FOLDED_TRAVEL_HUB = 2.15
# Lifted straight up between the old gables, the wall's ends sliding up their
# inner faces, until its feet clear the front gable's peak where they pass
# it: drawn out south first, the crane cannot lift it that high.
FAR_DRAW_OUT = (0.0,)
FAR_LIFT = (1.6, 1.9, 2.1, 2.25, 2.35)
FAR_CENTRED = 0.03  # the hub closed within this of the wall's middle
ROOF_RIDGE, ROOF_HUB_ABOVE = 0.37, 0.12
# Lifted off in slow steps, then on up: until its eaves clear the gables'
# peaks the roof may move aside only as far as it has risen.
LIFT_OFF = (0.02, 0.05, 0.1, 0.2, 0.35)
CLEAR_HUB = (2.4, 2.5, 2.59)
DRAW_IN = (0.1, 0.2, 0.3)  # metres toward the truck, each one rising 0.65 as far
ROOF_REST = 0.31  # the roof's centre above the ground it rests on by its eaves
# The roof waits east of the east corridor (x 9.5..11.9), ridge along y,
# laid from the stance line between the houses driven east along it. It
# lands within 2.5 cm of x 12.6 (12.598-12.622 at delays 0-3), its eaves in
# x 12.0..13.22 and y 6.1..7.3: clear of the lines, the strips and the
# chimney's park (12.3, 8.5) north of it, 0.28 in from the hill top's edge.
PARK_X = 12.6
# The truck stops about 1.25 short of the park: 0.72 of reach to spare
# laying the roof, 0.67-0.70 taking it again.
PARK_STANCE = (11.45, 6.7)
ROOF_RELEASE_OPEN = 1.4  # opened only as for a wall, the fingers lift it by its ridge
ROOF_CARRY_THROTTLE = 0.25
LAYDOWN_STEPS = (1.7, 1.5, 1.4)
WALL_TOP = 0.35  # the top beam's top above the wall's centre
WALL_FOLD = -0.8  # the outer beam folded for walls 1.3 m out: 0.52 out, 0.24 in
SLEW_LEVER = 0.1  # slewed this gently with a wall, it stays in the prongs
TRAVEL_HUB = 2.35  # above every part of both houses with the prongs hanging


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def raise_then_move(sim, point, limit=0.4):
    """Up to the travel height where the hub is, across at it, then down to
    point: moved at once, the hub sweeps through the gables' peaks."""
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], max(h[2], TRAVEL_HUB)), 0.5)
    P.crane_joints_to(sim, (point[0], point[1], TRAVEL_HUB), limit)
    P.hold_still(sim)
    return P.hub_over(sim, point, 0.3)


def calm(sim, name, ticks=900, every=10):
    """Waits until the part hangs within a degree of upright."""
    still = 0
    for _ in range(0, ticks, every):
        if sim.step(every):
            return False
        z = sim.pose(name).z_axis
        still = still + 1 if math.hypot(z[0], z[1]) < 0.015 else 0
        if still >= 3:
            return True
    return False


def grip_roof(sim):
    """Over the roof's ridge, down round it and closed on it."""
    c = sim.pose("houseroof").pos
    top = c[2] + ROOF_RIDGE
    if not (raise_then_move(sim, (c[0], c[1], top + 0.5)) and P.work_grapple(sim, 1.0, 90)):
        return False
    P.hub_over(sim, (c[0], c[1], top + 0.25), 0.4)
    P.hub_over(sim, (c[0], c[1], top + ROOF_HUB_ABOVE), 0.25, tries=2)
    if not P.close_until_grasped(sim, "houseroof"):
        return False
    sim.step(30)
    return True


def roof_to_park(sim):
    """Takes the roof off the old house from the stance, carries it east
    along the stance line and lays it down ahead of the truck, ridge along
    y, east of the east corridor."""
    c = sim.pose("houseroof").pos
    log(sim, "roof margin", reach_margin(sim, (c[0], c[1], c[2] + ROOF_RIDGE + ROOF_HUB_ABOVE)))
    if not grip_roof(sim):
        return False
    hub = sim.pose("grapple").pos
    for up in LIFT_OFF:
        P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + up), 0.2)
    h = sim.pose("grapple").pos
    for z in (z for z in CLEAR_HUB if z > h[2]):
        P.crane_joints_to(sim, (h[0], h[1], z), 0.25)
    P.hold_still(sim)
    t = sim.pose("truck").pos
    for f in DRAW_IN:
        P.crane_joints_to(sim, (h[0], h[1] + f, CLEAR_HUB[-1] + 0.65 * f), 0.25)
    P.hold_still(sim)
    P.crane_joints_to(sim, (t[0] + 1.0, t[1], 2.7), ROOF_SLEW)
    P.hub_settle(sim)
    log(sim, "roof ahead", sim.pose("houseroof").pos, sim.pose("houseroof").z_axis)
    if not P.follow_path(sim, "truck", [tuple(t[:2]), (PARK_STANCE[0], PARK_STANCE[1])],
                         throttle=ROOF_CARRY_THROTTLE):
        return False
    P.come_to_rest(sim, "truck")
    log(sim, "roof driven", sim.pose("houseroof").pos, sim.pose("houseroof").z_axis)
    t = sim.pose("truck").pos
    lay = (PARK_X, t[1], FLOOR + ROOF_REST + ROOF_RIDGE + ROOF_HUB_ABOVE + 0.02)
    log(sim, "park margin", reach_margin(sim, lay), "truck", t)
    P.crane_joints_to(sim, (lay[0], lay[1], 2.0), 0.4)
    P.hub_settle(sim)
    for z in LAYDOWN_STEPS + (lay[2],):
        P.crane_joints_to(sim, (lay[0], lay[1], z), 0.2)
        P.hold_still(sim)
    log(sim, "laid", sim.pose("grapple").pos, sim.pose("houseroof").pos,
        sim.pose("houseroof").z_axis)
    open_slowly(sim, 1.0)
    open_slowly(sim, ROOF_RELEASE_OPEN)
    q = sim.pose("grapple").pos
    for up in (0.02, 0.05, 0.1, 0.2, 0.4, 0.8):
        P.crane_joints_to(sim, (q[0], q[1], q[2] + up), 0.2)
    sim.step(60)
    log(sim, "roof parked", sim.pose("houseroof").pos, sim.pose("houseroof").z_axis, "walls",
        sim.pose(NEAR_WALL).pos, sim.pose(NEAR_WALL).z_axis, sim.pose(FAR_WALL).pos)
    return sim.grasped() is None


OPEN_LEVER = 0.15


def open_slowly(sim, angle, max_ticks=600, every=2):
    """Opens the claw on a light lever: flung open, the prongs knock the
    part's top over."""
    for _ in range(0, max_ticks, every):
        if sim.joint("crane", "prong0") >= angle:
            break
        P.lever(sim, P.GRAPPLE_LEVER, OPEN_LEVER)
        if sim.step(every):
            break
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)


STOW_IN = 1.0


def stance_route(start, stance_y):
    """From start (heading east, west of the houses) onto the stance line
    stance_y, the truck's centre stopping at x = NEW_X."""
    return [start, (6.5, (start[1] + stance_y) / 2), (7.6, stance_y), (NEW_X, stance_y)]


def round_behind(sim, radius, z, steps=4):
    """Slews the hub round to ahead of the truck the long way, behind it,
    drawn in to radius."""
    t = sim.pose("truck")
    h = sim.pose("grapple").pos
    a = P.wrap(math.atan2(h[1] - t.pos[1], h[0] - t.pos[0]) - t.heading)
    end = math.copysign(2 * math.pi, a)
    for i in range(steps + 1):
        b = t.heading + a + (end - a) * i / steps
        point = (t.pos[0] + radius * math.cos(b), t.pos[1] + radius * math.sin(b), 1.2)
        top = min(z, highest_hub(sim, point, sim.joint("crane", "bend")) - 0.05)
        ok = P.crane_joints_to(sim, (point[0], point[1], top), 0.4)
        log(sim, "round", i, round(b, 3), ok, sim.pose("grapple").pos)


def stow_and_back_out(sim, stance_y, fold=WALL_FOLD):
    """Raises the claw ahead of the truck, backs out west and drives onto the
    stance line stance_y, stopping with the truck's centre at x = NEW_X."""
    P.raise_hub_to(sim, 2.4)
    t = sim.pose("truck")
    # Drawn in and slewed round behind the truck: slewed straight round
    # ahead from over the north wall, the claw swept the chimney's cap off
    # the back gable standing beyond the truck's front corner.
    round_behind(sim, STOW_IN, 2.4)
    # Folded, the crane cannot hang the hub 2.4 high a metre out: asked to,
    # it was left over the wall just set, beside the truck, and swung half
    # a turn round to the next wall, knocking it over.
    ahead = (t.pos[0] + t.x_axis[0], t.pos[1] + t.x_axis[1], 1.2)
    z = min(2.4, highest_hub(sim, ahead, sim.joint("crane", "bend")) - 0.05)
    P.crane_joints_to(sim, (ahead[0], ahead[1], z), 0.6)
    if not reverse_to(sim, BACK_OUT):
        log(sim, "stuck backing out", sim.pose("truck").pos)
        return False
    route = stance_route(BACK_OUT, stance_y)
    if not P.follow_path(sim, "truck", route, throttle=0.4):
        log(sim, "stuck", sim.pose("truck").pos)
        return False
    log(sim, "on the stance", sim.pose("truck").pos, sim.pose("truck").heading, "walls",
        sim.pose(NEAR_WALL).pos, sim.pose(NEAR_WALL).z_axis, sim.pose(FAR_WALL).pos)
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], 2.5), 0.5)
    return P.bend_to(sim, fold)


WALL_TRIES = 3
ROUND_OUT = 0.9  # the folded crane's hub reaches 1.1-1.29 above the truck's centre this far out
lifted = {}  # the boom's reading once a wall is lifted, before it sinks
DRAW_OUT = (0.1, 0.2, 0.3)  # metres out of the house, the near wall toward the truck
WALL_OPEN = 1.0  # radians: wide round a wall's top beam; half open, a prong catches it


def off_middle(sim, name):
    """How far the hub hangs from the wall's middle, across the boom."""
    h, w = sim.pose("grapple").pos, sim.pose(name).pos
    return math.hypot(h[0] - w[0], h[1] - w[1])


def take_wall(sim, name, fold=None, travel=TRAVEL_HUB, draw=DRAW_OUT, lift=(1.8, 2.1),
              centred=None):
    """Over the wall's top beam at travel height, down round it with the
    prongs half open and closed on it; lifted a little and drawn out toward
    the truck, clear of the gables' tabs inside it, then lifted clear."""
    c = sim.pose(name).pos
    top = c[2] + WALL_TOP
    # Left wide open from the last part, the prongs stand out far enough to
    # knock the wall's top as the hub comes over it.
    set_grapple(sim, WALL_OPEN)
    log(sim, "to take", name, sim.pose(name).pos, sim.pose(name).z_axis, "hub",
        sim.pose("grapple").pos)
    if fold is None:
        # Already folded the hub hangs low: swung straight across from ahead
        # of the truck, the prongs sweep through the wall's end. Round by the
        # side of the truck first, then out over the wall.
        # The first point stands ROUND_OUT from the truck toward the wall:
        # halfway there the folded crane reaches no height at all, and was
        # left where it stood, ahead of the truck, to swing straight across.
        t = sim.pose("truck").pos
        bend = sim.joint("crane", "bend")
        d = math.hypot(c[0] - t[0], c[1] - t[1])
        side = (t[0] + ROUND_OUT * (c[0] - t[0]) / d, t[1] + ROUND_OUT * (c[1] - t[1]) / d)
        for x, y in (side, c[:2]):
            point = (x, y, top)
            P.crane_joints_to(sim, (x, y, min(travel, highest_hub(sim, point, bend) - 0.05)), 0.4)
            P.hold_still(sim)
            log(sim, "round", y, sim.pose("grapple").pos, sim.pose(name).z_axis, bend)
    P.crane_joints_to(sim, (c[0], c[1], travel), 0.4)
    P.hold_still(sim)
    if fold is not None:
        # Folded only once over the wall: folded, the crane cannot travel
        # that high, and lower the prongs sweep into the wall's top.
        P.bend_to(sim, fold)
    for _ in range(WALL_TRIES):
        c = sim.pose(name).pos
        set_grapple(sim, WALL_OPEN)
        P.hub_over(sim, (c[0], c[1], top + 0.4), 0.3)
        log(sim, "over", sim.pose("grapple").pos, sim.pose(name).z_axis,
            sim.joint("crane", "prong0"))
        for above in (0.25, 0.12):
            P.hub_over(sim, (c[0], c[1], top + above), 0.3, within=0.015)
            log(sim, "lowered", above, sim.pose("grapple").pos, sim.pose(name).z_axis)
        P.hub_over(sim, (c[0], c[1], top), 0.25, tries=2, within=0.015)
        if P.close_until_grasped(sim, name):
            if centred is None:
                break
            sim.step(20)
            if off_middle(sim, name) < centred:
                break
            # Closed off the middle of its top beam, the wall twists in the
            # prongs once lifted clear of the gables' faces.
            log(sim, "off the middle", off_middle(sim, name))
        else:
            log(sim, "missed", name, sim.pose("grapple").pos, sim.pose(name).pos)
        set_grapple(sim, WALL_OPEN)
        P.crane_joints_to(sim, (c[0], c[1], top + 0.3), 0.3)
        sim.step(60)
    else:
        return False
    sim.step(20)
    h = sim.pose("grapple").pos
    log(sim, "gripped", h, sim.pose(name).pos, "twist", twist(sim, name))
    # Out of the house first: the gables' tabs stand inside each wall's
    # lower half, so a far wall drawn toward the truck is pulled over them.
    out = 1 if c[1] > OLD_Y else -1
    for dz in (0.02, 0.05, 0.1):
        P.crane_joints_to(sim, (h[0], h[1], h[2] + dz), 0.2)
    for dy in draw:
        P.crane_joints_to(sim, (h[0], h[1] + out * dy, h[2] + 0.1), 0.2)
    for z in lift:
        P.crane_joints_to(sim, (h[0], h[1] + out * draw[-1], z), 0.2)
        log(sim, "lifted to", z, sim.pose("grapple").pos, sim.joint("crane", "boom"))
    lifted[name] = sim.joint("crane", "boom")
    P.hold_still(sim)
    log(sim, "wall up", sim.pose(name).pos, sim.pose(name).z_axis, "twist", twist(sim, name))
    return True


def slew_half_turn(sim, name, turn=1, hold=False, short=0.05):
    """Slews the crane half a turn on a gentle lever, clockwise round behind
    the truck or (turn -1) anticlockwise ahead of it; False when the wall
    slipped down on the way. Held (hold), the boom is kept where it lifted
    the wall: let go far out, it sinks under it, and the wall drags over
    what it passes."""
    start = sim.joint("crane", "slew")
    z0 = sim.pose(name).pos[2] - sim.pose("grapple").pos[2]
    boom = lifted.get(name, sim.joint("crane", "boom"))
    turned = 0.0
    last = start

    def slipped():
        # Below the hub, not just lower: the held boom may let both sink.
        return sim.pose(name).pos[2] - sim.pose("grapple").pos[2] < z0 - 0.1

    while turned < math.pi - short:
        P.lever(sim, P.TRUCK_LEVERS["rotate"], turn * SLEW_LEVER)
        if hold:
            err = boom - sim.joint("crane", "boom")
            P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(err, 4.0, 0.004, 0.4))
        if sim.step(5):
            return False
        now = sim.joint("crane", "slew")
        turned += abs(P.wrap(now - last))
        last = now
        if slipped():
            break
    P.let_go_crane(sim)
    P.hold_still(sim)
    log(sim, "swung", sim.pose(name).pos, sim.pose(name).z_axis)
    return not slipped()


def twist(sim, name):
    """How far a held wall stands turned from square to the boom (radians)."""
    t = sim.pose("truck").pos
    w = sim.pose(name)
    bearing = math.atan2(w.pos[1] - t[1], w.pos[0] - t[0])
    off = P.wrap(math.atan2(w.x_axis[1], w.x_axis[0]) - bearing - math.pi / 2)
    return off if abs(off) <= math.pi / 2 else P.wrap(off - math.pi)


SWING_STEP = 0.1  # radians of slew at a time with the far wall held high
SWING_LEVER = 0.1


def swing_in_steps(sim, name, turn=-1, short=0.05):
    """Slews half a turn a step at a time, the boom held where it lifted the
    wall and the levers let go between steps: slewed on without a pause, the
    wall twists in the prongs and its trailing end swings in over the old
    front gable's peak. False when the wall slipped down on the way."""
    boom = lifted.get(name, sim.joint("crane", "boom"))
    z0 = sim.pose(name).pos[2] - sim.pose("grapple").pos[2]

    def hold_boom():
        err = boom - sim.joint("crane", "boom")
        P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(err, 4.0, 0.004, 0.4))

    start = sim.joint("crane", "slew")
    goal = start + turn * (math.pi - short)  # the slew reading falls anticlockwise
    s = start
    while abs(goal - s) > 0.01:
        s += max(-SWING_STEP, min(SWING_STEP, goal - s))
        for _ in range(200):
            err = P.wrap(s - sim.joint("crane", "slew"))
            if abs(err) < 0.01:
                break
            P.lever(sim, P.TRUCK_LEVERS["rotate"], P.axis_setting(err, 2.0, 0.0, SWING_LEVER))
            hold_boom()
            if sim.step(2):
                return False
        P.let_go_crane(sim)
        for _ in range(4):
            hold_boom()
            if sim.step(5):
                return False
        P.let_go_crane(sim)
        log(sim, "swing", round(s, 3), "twist", round(twist(sim, name), 3), sim.pose(name).pos,
            "front", sim.pose("housefront").pos)
        if sim.pose(name).pos[2] - sim.pose("grapple").pos[2] < z0 - 0.1:
            return False
    P.hold_still(sim)
    log(sim, "swung", sim.pose(name).pos, sim.pose(name).z_axis)
    return True


RELEASE_OPEN = 1.0
FOLD_STEP = 0.15


def highest_hub(sim, point, bend):
    """The highest the hub can hang over point with the bend held at bend.
    Asked of the joints' own solution, which crane_joints_to works to: the
    kit's sampled reach has pinholes and edges a few centimetres off it, and
    a height it passes but the joints cannot take leaves the crane where it
    was (the claw then swept straight across into the near wall's end)."""
    z = point[2] + 1.2
    while z > point[2] and P.crane_joint_targets(sim, (point[0], point[1], z + 0.05), bend) is None:
        z -= 0.02
    return z


def fold_over(sim, point, fold):
    """Over point as high as the crane reaches, the beam folded a little at a
    time: folded at once, the hub drops and swings in, and a wall hanging
    from it lands on its foot and tips."""
    bend = sim.joint("crane", "bend")
    while abs(fold - bend) > 0.02:
        bend = bend + max(-FOLD_STEP, min(FOLD_STEP, fold - bend))
        P.crane_joints_to(sim, (point[0], point[1], highest_hub(sim, point, bend) - 0.05), 0.2)
        P.bend_to(sim, bend)
    P.crane_joints_to(sim, (point[0], point[1], highest_hub(sim, point, fold) - 0.05), 0.2)
    P.hold_still(sim)
AIM_ABOVE = (0.15, 0.06)  # the foot this high over its place, squared
# The hub let down past the top beam, until the wall stands on its foot.
LET_DOWN = (0.03, 0.0, -0.03, -0.06)
FAR_LEAN = 0.03
# Pressed on down leaning 0.08 on its foot, the near wall leaned 0.17 and
# fell off its channel once let go: straightened where it first stands.
NEAR_LEAN = 0.05
HIGH_INWARD = 0.02
HIGH_TRIES = 2  # times a wall come to rest high is lifted and let down again
LANDINGS = 2  # times a wall rolled in the claw is lifted back and landed again
LAND_LEAN = 0.08
WALL_MIDDLE = 0.4  # its middle above its foot's bottom


def let_down(sim, name, place, aim, lean):
    """Lets the wall down from over its place until it stands on its foot."""
    last = LET_DOWN[0]
    retries = LANDINGS
    i = 0
    while i < len(LET_DOWN):
        dz = LET_DOWN[i]
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + dz), 0.15)
        calm(sim, name, 300)
        w = sim.pose(name)
        rolled = math.hypot(w.z_axis[0], w.z_axis[1]) > LAND_LEAN
        if rolled and w.pos[2] > place[2] + 0.006 and retries > 0:
            # Rolled in the claw as its foot came down, the foot lands off
            # its channel, where its middle was squared: lifted back, and
            # the foot squared instead, the claw holding the roll.
            retries -= 1
            P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + AIM_ABOVE[-1]), 0.15)
            calm(sim, name, 300)
            w = sim.pose(name)
            aim[0] += place[0] - (w.pos[0] - WALL_MIDDLE * w.z_axis[0])
            aim[1] += place[1] - (w.pos[1] - WALL_MIDDLE * w.z_axis[1])
            P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + AIM_ABOVE[-1]), 0.15)
            calm(sim, name, 300)
            log(sim, "landing again", sim.pose(name).pos, sim.pose(name).z_axis)
            i = 0
            continue
        i += 1
        z = w.z_axis
        log(sim, "down", dz, sim.pose(name).pos, z)
        standing = sim.pose(name).pos[2] < place[2] + 0.01
        if lean is not None and standing and math.hypot(z[0], z[1]) > lean:
            # Pressed on further, a wall gripped off the middle of its top
            # beam buckles in the claw: back to where it stood, let go there.
            P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + last), 0.15)
            calm(sim, name, 300)
            straighten(sim, name, aim, place[2] + WALL_TOP + last)
            break
        last = dz


def set_wall(sim, name, place, fold=WALL_FOLD, lean=None, west=0.0):
    """Over the wall's channel, squared by where the wall itself hangs, let
    down, the claw opened and lifted off. With west, the wall is first
    brought over its channel's line that far west of its place and slid
    east along it, clear of the back gable's peak."""
    aim = [place[0], place[1], place[2] + WALL_TOP]
    if west:
        fold_over(sim, (aim[0] - west, aim[1], aim[2]), fold)
    fold_over(sim, aim, fold)
    log(sim, "place margin", reach_margin(sim, tuple(aim), fold))
    P.hub_over(sim, (aim[0], aim[1], aim[2] + 0.3), 0.2)
    for above in AIM_ABOVE:
        for _ in range(3):
            P.hub_over(sim, (aim[0], aim[1], place[2] + WALL_TOP + above), 0.2, tries=2,
                       within=0.015)
            calm(sim, name)
            q = sim.pose(name).pos
            ex, ey = place[0] - q[0], place[1] - q[1]
            log(sim, "aim", above, aim, "off", round(ex, 3), round(ey, 3))
            if math.hypot(ex, ey) < 0.01:
                break
            aim[0] += ex
            aim[1] += ey
    for attempt in range(HIGH_TRIES + 1):
        let_down(sim, name, place, aim, lean)
        q = sim.pose(name).pos
        if q[2] < place[2] + 0.012 or attempt == HIGH_TRIES:
            break
        rest = q
        # Still resting high on a ridge or a notch: let go there, it falls.
        # Lifted clear, squared by its middle and let down again.
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + AIM_ABOVE[0]), 0.15)
        calm(sim, name)
        q = sim.pose(name).pos
        # Come to rest on the outer ridge: aimed a little inside, the inner
        # ridge's flank takes the foot instead.
        inward = HIGH_INWARD if (rest[1] - place[1]) * (place[1] - NEW_Y) > 0 else 0.0
        aim[0] += place[0] - q[0]
        aim[1] += place[1] - q[1] - math.copysign(inward, place[1] - NEW_Y)
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + WALL_TOP + AIM_ABOVE[-1]), 0.15)
        calm(sim, name)
        log(sim, "rested high, again from", sim.pose(name).pos, sim.pose(name).z_axis)
    log(sim, "let down", sim.pose(name).pos, sim.pose(name).z_axis)
    release_wall(sim, name, place)
    for _ in range(RESEATS):
        w = sim.pose(name)
        lean = math.hypot(w.z_axis[0], w.z_axis[1])
        off = math.hypot(place[0] - w.pos[0], place[1] - w.pos[1])
        # Leaning a little on a ridge's flank it is in its place: taken
        # again, it only swings off it.
        seated = w.pos[2] < place[2] + 0.006 and lean < 0.06 and off < 0.025
        if seated or lean > RESEAT_LEAN or off > RESEAT_WITHIN or not reseat_wall(sim, name, place):
            break
    q = sim.pose(name).pos
    log(sim, "stands", name, q, "off", math.dist(q, place))
    return math.dist(q, place) < 0.05


STRAIGHTEN_TRIES = 4
WALL_HIGH = 0.75  # its foot to the top beam's top, where the claw holds it


def straighten(sim, name, aim, z):
    """Stood on its foot but leaning in the claw: the claw is moved against
    the lean, its top over its foot, until it stands upright."""
    for _ in range(STRAIGHTEN_TRIES):
        tilt = sim.pose(name).z_axis
        if math.hypot(tilt[0], tilt[1]) < 0.01:
            break
        aim[0] -= 0.6 * WALL_HIGH * tilt[0]
        aim[1] -= 0.6 * WALL_HIGH * tilt[1]
        P.crane_joints_to(sim, (aim[0], aim[1], z), 0.15)
        calm(sim, name, 300)
        log(sim, "straightened", sim.pose(name).pos, sim.pose(name).z_axis)


def release_wall(sim, name, place):
    """Opens the claw round a wall standing on its foot and lifts it off
    straight over the wall: lifted where it was aimed, allowing for how the
    wall hung, a prong drags up its face and tips it."""
    open_slowly(sim, RELEASE_OPEN)
    P.hold_still(sim)
    log(sim, "opened", sim.joint("crane", "prong0"), sim.grasped(), sim.pose(name).pos)
    q = sim.pose(name).pos
    for up in (0.0, 0.03, 0.08, 0.2, 0.4):
        z = sim.pose(name).pos[2]
        P.crane_joints_to(sim, (q[0], q[1], place[2] + WALL_TOP + up), 0.2)
        if sim.pose(name).pos[2] > z + 0.01:
            # Caught on a prong: back down, wider open, and up again.
            P.crane_joints_to(sim, (q[0], q[1], place[2] + WALL_TOP), 0.2)
            open_slowly(sim, RELEASE_OPEN + 0.3)
    sim.step(60)


RESEATS = 2
RESEAT_LEAN, RESEAT_WITHIN = 0.2, 0.3  # a wall leaning or off further is not taken again
RESEAT_LIFT = 0.1  # its feet lifted clear of the ridges and the notches


def reseat_wall(sim, name, place):
    """A wall that came down off its channel, or rests high on a ridge,
    stands within reach: taken again by the middle of its top beam, where it
    hangs straight, lifted clear, moved over its place and let down again."""
    q = sim.pose(name).pos
    top = q[2] + WALL_TOP
    set_grapple(sim, WALL_OPEN)
    P.hub_over(sim, (q[0], q[1], top + 0.12), 0.2, within=0.015)
    P.hub_over(sim, (q[0], q[1], top), 0.2, tries=2, within=0.015)
    if not P.close_until_grasped(sim, name):
        log(sim, "reseat missed", sim.pose("grapple").pos, q)
        release_wall(sim, name, place)
        return False
    sim.step(20)
    h = sim.pose("grapple").pos
    log(sim, "regripped", h, sim.pose(name).pos, sim.pose(name).z_axis)
    for up in (0.02, 0.05, RESEAT_LIFT):
        P.crane_joints_to(sim, (h[0], h[1], h[2] + up), 0.15)
    aim = [h[0] + place[0] - q[0], h[1] + place[1] - q[1]]
    P.crane_joints_to(sim, (aim[0], aim[1], h[2] + RESEAT_LIFT), 0.15)
    calm(sim, name)
    w = sim.pose(name).pos
    aim[0] += place[0] - w[0]
    aim[1] += place[1] - w[1]
    P.crane_joints_to(sim, (aim[0], aim[1], h[2] + RESEAT_LIFT), 0.15)
    calm(sim, name)
    for dz in (0.06, 0.03, 0.0, -0.02):
        P.crane_joints_to(sim, (aim[0], aim[1], h[2] + dz), 0.1)
        calm(sim, name, 300)
        if sim.pose(name).pos[2] < place[2] + 0.004:
            break
    log(sim, "reseated", sim.pose(name).pos, sim.pose(name).z_axis)
    release_wall(sim, name, place)
    return True


def clear_of_far_wall(sim):
    """From over the far wall just set, with the beam folded: the folded
    crane cannot lift the claw clear of the wall's top, and drawn in or
    unfolded there the open prongs drag the wall off its channel. Slid
    along the top beam past its west end (the back gable stands at its
    east end), the claw is unfolded there."""
    h = sim.pose("grapple").pos
    set_grapple(sim, 1.3)
    for dx in (0.3, 0.6, 0.9):
        P.crane_joints_to(sim, (h[0] - dx, h[1], h[2]), 0.15)
    fold_over(sim, sim.pose("grapple").pos, 0.0)
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], 2.4), 0.4)
    t = sim.pose("truck")
    P.crane_joints_to(sim, (t.pos[0] + 0.8 * t.x_axis[0], t.pos[1] + 0.8 * t.x_axis[1], 2.4), 0.6)


def settle_turn(sim, name, ticks=600, every=10):
    """Waits until the held part has stopped turning in the claw: driven, a
    gable swings to and fro about the hub for a while."""
    last = sim.pose(name).heading
    still = 0
    for _ in range(0, ticks, every):
        if sim.step(every):
            return
        now = sim.pose(name).heading
        still = still + 1 if abs(P.wrap(now - last)) < 0.003 else 0
        last = now
        if still >= 5:
            return
GABLE_ABOVE = 0.07  # its foot just over the channel's ridges
GABLE_IN = (0.15, 0.1, 0.05, 0.0)
GABLE_LET_DOWN = (0.04, 0.01, -0.01, -0.03)
GABLE_RELEASE_OPEN = 1.5


GENTLE_STEP = 0.02


def gentle_to(sim, point, name):
    """Moves the hub to point a couple of centimetres at a time, waiting
    between steps: a gable held by its peak turns in the prongs when the
    crane slews under it at once."""
    h = sim.pose("grapple").pos
    n = max(1, math.ceil(math.dist(h[:2], point[:2]) / GENTLE_STEP))
    for i in range(1, n + 1):
        f = i / n
        P.crane_joints_to(sim, [h[k] + f * (point[k] - h[k]) for k in range(3)], 0.12)
        if sim.step(16):
            return False
    return True


def square_gable(sim, name, aim, target, z, tries=3):
    """Moves the hub until the gable hangs at target (x, y); returns the aim."""
    for _ in range(tries):
        gentle_to(sim, (aim[0], aim[1], z), name)
        calm(sim, name, 300)
        q = sim.pose(name).pos
        ex, ey = target[0] - q[0], target[1] - q[1]
        w = sim.pose(name)
        log(sim, "gable aim", [round(v, 3) for v in aim], "off", round(ex, 3), round(ey, 3),
            "tilt", [round(v, 3) for v in w.z_axis[:2]], "yaw", round(w.heading, 3))
        if math.hypot(ex, ey) < 0.006:
            break
        aim[0] += ex
        aim[1] += ey
    return aim


def let_gable_down(sim, name, aim, place, hang):
    """Lets the held gable down over its place in steps, the hub hang above
    its centre, until it stands on its foot; returns the last step."""
    for dz in GABLE_LET_DOWN:
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang + dz), 0.1)
        calm(sim, name, 300)
        log(sim, "gable down", dz, sim.pose(name).pos, sim.pose(name).z_axis)
        if sim.pose(name).pos[2] < place[2] + 0.005:
            break
    return dz


def release_gable(sim, name):
    """Opens the claw wide round a gable standing in its channel and lifts
    it off a little at a time: the fingers close under the peak's tab, and
    opened only as far as for a wall they lift the gable back out by it."""
    open_slowly(sim, 1.0)
    open_slowly(sim, GABLE_RELEASE_OPEN)
    P.hold_still(sim)
    q = sim.pose("grapple").pos
    for up in (0.01, 0.02, 0.03, 0.05, 0.08, 0.12, 0.2, 0.4):
        z = sim.pose(name).pos[2]
        gentle_to(sim, (q[0], q[1], q[2] + up), name)
        if sim.pose(name).pos[2] > z + 0.005:
            log(sim, "gable caught", sim.pose(name).pos)
            gentle_to(sim, (q[0], q[1], q[2]), name)
            calm(sim, name, 300)
            break
    sim.step(60)
    log(sim, "gable stands", name, sim.pose(name).pos, sim.pose(name).z_axis)


YARD = (5.0, 6.7)  # where each stage starts and ends, heading east
YARD_HUB, YARD_OUT = 2.4, 0.8  # the claw raised and drawn in ahead of the truck


YARD_SQUARE_FROM, YARD_TURN = -0.2, (10.0, 6.5)


def back_to_yard(sim):
    """Raises the claw, draws it in ahead of the truck, opens it and backs
    the truck to the yard point, still heading east."""
    P.raise_hub_to(sim, YARD_HUB)
    t = sim.pose("truck")
    P.crane_joints_to(sim, (t.pos[0] + YARD_OUT * t.x_axis[0], t.pos[1] + YARD_OUT * t.x_axis[1],
                            YARD_HUB), 0.6)
    set_grapple(sim, 1.0)
    if sim.pose("truck").heading < YARD_SQUARE_FROM:
        # Left turned off east on the south wall's stance, backed for the
        # yard its tail swings north into the new south wall's west end:
        # straightened first, forward across the cleared old site.
        t = sim.pose("truck").pos
        P.follow_path(sim, "truck", [tuple(t[:2]), YARD_TURN], throttle=0.3)
        P.come_to_rest(sim, "truck")
        where(sim, "straightened")
    ok = reverse_to(sim, YARD, tolerance=0.15)
    log(sim, "in the yard", sim.pose("truck").pos, sim.pose("truck").heading)
    return ok


# Drawn in this close as it is slewed round, the roof's corners stay clear
# of the chimney's cap (2.0 high, 1.51 from the stance) as they pass it.
ROOF_SLEW_OUT, ROOF_SLEW_HUB = 0.6, 2.85
ROOF_STANCE = (NEW_X, 6.7)
# Its centre in the rebuilt house: 0.38-0.50 of reach to spare over it from
# the stance line (the truck stands 1.4 m off, where the roof hangs square).
ROOF_PLACE = (NEW_X, NEW_Y, FLOOR + 1.0)
# Out over the house along the line it came off by, still above the gables'
# peaks (the hub this far short of the place and this high), then straight
# down between the gables: they stand only half a centimetre clear of the
# roof's ends, so it is squared over its place by where it hangs at each step.
ROOF_IN = ((0.3, 2.78), (0.0, 2.55))
# Its centre this high above its place, squared and turned square to the
# house at each. Below 0.118 the gables' shoulders (0.5 out, 1.4 high)
# stand under its plates, half a centimetre clear of its ends; it is let
# down a little way between them and let go. Let go higher, the dropped
# roof knocked the front gable over more often than not; held on down, its
# sway in the claw did.
ROOF_DOWN = (0.4, 0.3, 0.2, 0.14)
ROOF_SET = (0.12, 0.1, 0.08)
# Aimed this far east of its place: the chimney stands behind the back
# gable, and it is the front one a roof touching a gable pushes over.
ROOF_EAST = 0.003
ROOF_SET_LEVER = 0.08
ROOF_SQUARE = 0.004  # squared to within this of its place (x, y)
ROOF_MOVE = 0.15  # lever: moved faster, the ridge slides in the claw
ROOF_SLEW = 0.06  # slewed round on 0.2, the ridge slid 13 cm along the claw


def square_roof(sim, aim, target, tries=3):
    """Moves the hub until the held roof hangs at target (x, y)."""
    for _ in range(tries):
        P.crane_joints_to(sim, tuple(aim), 0.12)
        P.hold_still(sim)
        calm(sim, "houseroof", 300)
        q = sim.pose("houseroof").pos
        ex, ey = target[0] - q[0], target[1] - q[1]
        if len(target) > 2:
            # The arm gives under the roof as it is let down: squared by
            # where the roof itself hangs, its height too.
            aim[2] += target[2] - q[2]
        log(sim, "roof aim", [round(v, 3) for v in aim], "off", round(ex, 3), round(ey, 3),
            "tilt", [round(v, 3) for v in sim.pose("houseroof").z_axis[:2]], "yaw",
            round(sim.pose("houseroof").heading, 4), "front", sim.pose("housefront").pos,
            "back", sim.pose("houseback").pos)
        if math.hypot(ex, ey) < ROOF_SQUARE:
            break
        aim[0] += ex
        aim[1] += ey
    return aim


CREEP_THROTTLE, CREEP_WITHIN, CREEP_TRIES = 0.1, 0.005, 10
CREEP_STILL = 0.003  # m/s: the truck still rolls at the kit's rest speed


def stand_still(sim, max_ticks=400, every=4):
    sim.post("accelcontrol setting=0")
    for _ in range(0, max_ticks, every):
        if sim.step(every) or sim.pose("truck").speed < CREEP_STILL:
            break


def creep_to(sim, x, axis=0):
    """Nudges the truck forward or back along its heading until its
    centre's coordinate axis (0 x, 1 y) stands at x, within CREEP_WITHIN:
    pedal pulses a tick or two long, as many as the last pulse's roll says
    (one pulse rolls it a centimetre or two)."""
    per_tick = 0.01
    for _ in range(CREEP_TRIES):
        err = x - sim.pose("truck").pos[axis]
        if abs(err) < CREEP_WITHIN:
            return True
        ticks = max(1, min(20, round(abs(err) / per_tick)))
        start = sim.pose("truck").pos[axis]
        ahead = sim.pose("truck").x_axis[axis]
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % math.copysign(CREEP_THROTTLE, err * ahead))
        if sim.step(ticks):
            return False
        stand_still(sim)
        rolled = abs(sim.pose("truck").pos[axis] - start)
        per_tick = max(0.001, rolled / ticks)
        log(sim, "crept", round(err, 4), ticks, "ticks to", sim.pose("truck").pos[axis], "for", x)
    return abs(x - sim.pose("truck").pos[axis]) < CREEP_WITHIN


def roof_turn(sim):
    """How far the held roof's ridge stands turned off the boom's square
    (radians): it keeps that turn in the claw however the crane slews."""
    t = sim.pose("truck").pos
    h = sim.pose("grapple").pos
    bearing = math.atan2(h[1] - t[1], h[0] - t[0])
    return P.wrap(sim.pose("houseroof").heading - bearing + math.pi / 2)


def roof_stance_x(sim, turn):
    """Where along the stance line the truck stands for the roof, turned in
    the claw by turn, to hang square to the house from the hub where it is:
    the gables stand half a centimetre clear of its ends, so a roof turned
    8 milliradians lands a corner on a gable's edge."""
    t = sim.pose("truck").pos
    h = sim.pose("grapple").pos
    # The boom's bearing must be square to the ridge: off north by -turn.
    off = math.atan(math.tan(-turn))
    return h[0] + (h[1] - t[1]) * math.tan(off)


def roof_yaw(sim):
    """The held roof's turn off square to the house (radians)."""
    return math.atan(math.tan(sim.pose("houseroof").heading))


ROOF_TRIM_YAW = 0.003
ROOF_TRIMS = 3


def trim_roof(sim, aim, place):
    """Just above where the gables' edges reach under the roof's ends: the
    roof's turn is taken out by moving the truck along the stance line, and
    the roof squared over its place again, until it hangs square and
    centred."""
    for _ in range(ROOF_TRIMS):
        yaw = roof_yaw(sim)
        if abs(yaw) < ROOF_TRIM_YAW:
            break
        x = roof_stance_x(sim, roof_turn(sim))
        log(sim, "roof trim", round(yaw, 4), "truck to", round(x, 4), "from",
            round(sim.pose("truck").pos[0], 4))
        creep_to(sim, x)
        aim = square_roof(sim, aim, place)
    return aim


ROOF_LINE_TRIES = 3


def grip_along(sim):
    """Where along the ridge the claw holds the roof, from its middle."""
    q = sim.pose("houseroof")
    h = sim.pose("grapple").pos
    return sum((h[k] - q.pos[k]) * q.x_axis[k] for k in range(3))


def roof_back(sim):
    """From the yard to the roof's park, takes it by its ridge, backs onto
    the stance between the houses where the boom stands square to the ridge
    over its place, slews it round over the rebuilt house, ridge along x,
    and lets it down between the gables."""
    log(sim, "roof back from", sim.pose("truck").pos, "back", sim.pose("houseback").pos)
    P.raise_hub_to(sim, YARD_HUB)
    if not P.follow_path(sim, "truck", [YARD, (7.0, YARD[1]), PARK_STANCE], throttle=0.4):
        return False
    P.come_to_rest(sim, "truck")
    log(sim, "at the park", sim.pose("truck").pos, "back", sim.pose("houseback").pos)
    c = sim.pose("houseroof").pos
    log(sim, "park margin again",
        reach_margin(sim, (c[0], c[1], c[2] + ROOF_RIDGE + ROOF_HUB_ABOVE)),
        "truck", sim.pose("truck").pos, "roof", c)
    if not grip_roof(sim):
        return False
    log(sim, "gripped along", round(grip_along(sim), 3))
    h = sim.pose("grapple").pos
    for up in LIFT_OFF:
        P.crane_joints_to(sim, (h[0], h[1], h[2] + up), 0.2)
    log(sim, "lifted along", round(grip_along(sim), 3))
    t = sim.pose("truck")
    for out, z in ((1.2, 2.3), (1.0, 2.6), (ROOF_SLEW_OUT, ROOF_SLEW_HUB)):
        P.crane_joints_to(sim, (t.pos[0] + out * t.x_axis[0], t.pos[1] + out * t.x_axis[1], z), 0.3)
    P.hold_still(sim)
    log(sim, "drawn in along", round(grip_along(sim), 3), "back", sim.pose("houseback").pos)
    if not reverse_to(sim, ROOF_STANCE, tolerance=0.05):
        return False
    t = sim.pose("truck").pos
    log(sim, "roof stance", t, sim.pose("truck").heading, "along", round(grip_along(sim), 3))
    P.crane_joints_to(sim, (t[0], t[1] + ROOF_SLEW_OUT, ROOF_SLEW_HUB), ROOF_SLEW)
    P.hold_still(sim)
    calm(sim, "houseroof")
    log(sim, "slewed along", round(grip_along(sim), 3))
    place = ROOF_PLACE
    for short, z in ROOF_IN:
        q, h = sim.pose("houseroof").pos, sim.pose("grapple").pos
        P.crane_joints_to(sim, (place[0] + h[0] - q[0], place[1] - short + h[1] - q[1], z),
                          ROOF_MOVE)
        P.hold_still(sim)
    calm(sim, "houseroof")
    q, h = sim.pose("houseroof").pos, sim.pose("grapple").pos
    hang = h[2] - q[2]
    log(sim, "roof place margin", reach_margin(sim, (place[0], place[1], place[2] + hang)),
        "hang", round(hang, 3), "hub off", round(h[0] - q[0], 3), round(h[1] - q[1], 3))
    # Squared over its place at the height it came in at: the claw holds the
    # roof's turn, but the ridge slides in it as the crane slews, so its
    # turn is read again where it hangs each time the truck has moved.
    for _ in range(ROOF_LINE_TRIES):
        turn = roof_turn(sim)
        x = roof_stance_x(sim, turn)
        log(sim, "roof turn", round(math.atan(math.tan(turn)), 4), "stance x", round(x, 4),
            "truck", sim.pose("truck").pos)
        if abs(x - sim.pose("truck").pos[0]) < CREEP_WITHIN:
            break
        creep_to(sim, x)
        q, h = sim.pose("houseroof").pos, sim.pose("grapple").pos
        P.crane_joints_to(sim, (place[0] + h[0] - q[0], place[1] + h[1] - q[1], ROOF_IN[-1][1]),
                          ROOF_MOVE)
        P.hold_still(sim)
        calm(sim, "houseroof")
    calm(sim, "houseroof")
    place = (place[0] + ROOF_EAST, place[1], place[2])
    q, h = sim.pose("houseroof").pos, sim.pose("grapple").pos
    aim = [place[0] + h[0] - q[0], place[1] + h[1] - q[1], 0.0]
    for above in ROOF_DOWN:
        aim[2] = place[2] + hang + above
        target = (place[0], place[1], place[2] + above)
        aim = square_roof(sim, aim, target)
        aim = trim_roof(sim, aim, target)
        log(sim, "roof over", above, sim.pose("houseroof").pos, "yaw", round(roof_yaw(sim), 4))
    hang = aim[2] - (place[2] + ROOF_DOWN[-1])
    # From here down the gables' shoulders stand under its eaves: let
    # straight down, slowly, not squared any more (pushed aside there, it
    # pushes a gable over).
    for above in ROOF_SET:
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang + above), ROOF_SET_LEVER)
        P.hold_still(sim)
        calm(sim, "houseroof", 200)
        log(sim, "roof down", above, sim.pose("houseroof").pos, "yaw", round(roof_yaw(sim), 4),
            "front", sim.pose("housefront").pos)
        if sim.pose("houseroof").pos[2] < place[2] + 0.005:
            break
    # Opened only as for a wall, the fingers lift the roof back out by its
    # ridge.
    open_slowly(sim, 1.0)
    open_slowly(sim, ROOF_RELEASE_OPEN)
    sim.step(60)
    q = sim.pose("grapple").pos
    for up in (0.02, 0.05, 0.1, 0.2, 0.4):
        P.crane_joints_to(sim, (q[0], q[1], q[2] + up), 0.2)
    sim.step(60)
    r = sim.pose("houseroof").pos
    log(sim, "roof stands", r, "off", math.dist(r, ROOF_PLACE))
    return math.dist(r, ROOF_PLACE) < 0.05


def roof_off(sim):
    """Up the hill, the roof off and parked and the truck back in the
    yard."""
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(80)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if not P.follow_path(sim, "truck", STANCE_ROUTE, throttle=0.5):
        return False
    if not roof_to_park(sim):
        return False
    return back_to_yard(sim)


def yard_to_stance(sim, stance_y, fold=WALL_FOLD):
    """From the yard, heading east, onto the stance line stance_y with the
    truck's centre at x = NEW_X, the beam folded to fold."""
    route = stance_route(YARD, stance_y)
    if not P.follow_path(sim, "truck", route, throttle=0.4):
        log(sim, "stuck", sim.pose("truck").pos)
        return False
    log(sim, "on the stance", sim.pose("truck").pos, sim.pose("truck").heading)
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], 2.5), 0.5)
    return P.bend_to(sim, fold)


NEAR_SHORT = 0.3  # the slew stopped short, west of the back gable's peak
FAR_SHORT, FAR_WEST = 0.6, 0.6
# Aimed this far west of their places, or of the back gable's plate where
# that stands west of its own: the gable already stands half a centimetre
# off their east ends, and a wall let down against it shoves it over.
WALL_WEST = 0.004
WALL_HALF, GABLE_HALF = 0.62, 0.025


def wall_x(sim):
    return min(NEW_X - WALL_WEST, sim.pose("houseback").pos[0] - GABLE_HALF - WALL_HALF - WALL_WEST)


def where(sim, what):
    """Logs where every part of the house stands."""
    log(sim, what, *((n, [round(v, 3) for v in sim.pose(n).pos]) for n in PARTS))


def walls_in(sim):
    """From the yard, both walls into the new house and the truck back in
    the yard."""
    if not yard_to_stance(sim, NORTH_WALL_STANCE):
        return False
    if not (take_wall(sim, NEAR_WALL) and slew_half_turn(sim, NEAR_WALL, short=NEAR_SHORT)):
        return False
    where(sim, "north wall over")
    if not set_wall(sim, NEAR_WALL, (wall_x(sim), NEW_Y + WALL_AT, FLOOR + 0.4), lean=NEAR_LEAN):
        return False
    where(sim, "north wall set")
    if not stow_and_back_out(sim, SOUTH_WALL_STANCE, SOUTH_TAKE_FOLD):
        return False
    if not take_wall(sim, FAR_WALL, travel=FOLDED_TRAVEL_HUB, draw=FAR_DRAW_OUT,
                     lift=FAR_LIFT, centred=FAR_CENTRED):
        return False
    if not swing_in_steps(sim, FAR_WALL, FAR_TURN, short=FAR_SHORT):
        return False
    where(sim, "south wall over")
    if not set_wall(sim, FAR_WALL, (wall_x(sim), NEW_Y - WALL_AT, FLOOR + 0.4), SOUTH_SET_FOLD,
                    FAR_LEAN, west=FAR_WEST):
        return False
    where(sim, "south wall set")
    clear_of_far_wall(sim)
    return back_to_yard(sim)


def gable_stages():
    """The gables' and the chimney's stages, in order, from the modules that
    hold them; None when one is missing."""
    try:
        import level13_west
        import level13_east
    except ImportError as e:
        print("level 13: stopping after the walls, no stage module:", e, file=sys.stderr)
        return None
    return [roof_off, level13_east.pair_first, walls_in, level13_west.front_gable]


PARTS = ("houseroof", "chimney", "houseback", "housefront", "leftwall", "rightwall")


def drive(sim):
    stages = gable_stages()
    if stages is None:
        return
    for stage in stages:
        if not stage(sim):
            print("level 13: stage failed:", stage.__name__, file=sys.stderr)
            return
        where(sim, "after " + stage.__name__)
    roof_back(sim)
    where(sim, "the end")


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
