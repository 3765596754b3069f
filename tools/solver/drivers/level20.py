"""Level 20, the canal: the truck crosses the railway on the level crossing,
goes down the slipway into the drained bed and sets the four risers from
stances with the crane's pivot on a pillar's line, so that the boom points
across the rails over the socket: south of each pillar facing it for the
south rail's sockets, north of it backed up to it for the north rail's.
Each riser waits beside its stance with its handles along the line to the
pivot; the crane lifts it, swings it round at a radius clear of the girder
guides' posts beside the socket, brings it in or out along the pillar's
line between them, lets it down the funnel into the socket and stands it
upright: it stands with its handles across the rail, under a girder's
foot. Between stances the truck backs down a pillar's line and drives on,
through the gap between the pillars to the north side.

Then the girders, waiting on the bed on their spans' lines north and south
of the bridge: each is picked from a stance facing it (the claws feel their
way down over its head, and a girder that hangs tipped along its length is
set down and taken again), carried ahead as the truck backs along the
span's line to a stance with the pivot 1.17 m from its rail (driven out
and backed again if it comes to rest off the line), slewed round gently,
squared over its place with its foot above the guides and let down between
them onto the handles or the seat; the guides square it across, and it is
let down again while it lies more than 2 cm off along the rail (the
supports stand far enough apart for that to leave its neighbours clear).
Let go, the claws rise, the outer beam straightens a little and they draw
in off the girder before they close.

Last, the truck drives out of the bed up the slipway and round onto the
west bank south of the rails, pushes the lever over with the claws and
waits for the train to come across.

With --lever-only it takes the lazy way, kept as a wrong way: over the
crossing and along the bank straight to the lever, which it pushes over
with the bridge unbuilt; the train must not get across.

usage: python3 tools/solver/drivers/level20.py [--delay D] [--record FILE] [--lever-only]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin  # noqa: E402

LEVEL = 20
DEBUG = os.environ.get("LEVEL20_DEBUG")
BED_Z = -0.7
CROSSING_MID = (-21.5 + -19.0) / 2
SLIP_MID = (-7.0 + -4.5) / 2
GAP_X = -3.0
SPAN = 2.05  # the supports are a girder's length and 7 cm apart
PILLAR_X = (GAP_X - SPAN / 2, GAP_X + SPAN / 2)
SPAN_X = (GAP_X - SPAN, GAP_X, GAP_X + SPAN)  # each span's middle, west first
# The riser stances: the crane's pivot on a pillar's line, south of it
# facing it for the south rail's sockets, north of it backed up to it for
# the north rail's; the pivot sits a tenth behind the truck's centre.
PIVOT_BEHIND = 0.1
STANCE_Y = (-1.75 + PIVOT_BEHIND, 1.5 + PIVOT_BEHIND)  # truck centres, south and north
# Down the slipway, round in the bed and north up the west pillar's line.
ROUTE = [(-16.8, 4.6), (CROSSING_MID, 4.4), (CROSSING_MID, 2.6), (CROSSING_MID, -2.6),
         (-18.0, SLIP_MID), (-13.0, SLIP_MID), (-6.5, SLIP_MID), (-4.6, -5.0), (PILLAR_X[0], -3.8),
         (PILLAR_X[0], -2.6), (PILLAR_X[0], STANCE_Y[0])]
BACK_SOUTH = -5.4  # backed down a pillar's line this far before moving over
# From the west pillar's south stance over to the east pillar's.
TO_EAST_SOUTH = [(PILLAR_X[0], BACK_SOUTH), (-3.4, -4.6), (-2.4, -3.6), (PILLAR_X[1], -2.8),
                 (PILLAR_X[1], STANCE_Y[0])]
# From there through the gap between the pillars and up beside the west
# pillar's line, to back down it to the north stance.
BACK_NORTH = 5.6
THROUGH_THE_GAP = [(PILLAR_X[1], BACK_SOUTH), (-2.6, -4.4), (GAP_X, -3.4), (GAP_X, -2.4),
                   (GAP_X, 0.0), (GAP_X, 1.8), (-3.5, 3.2), (PILLAR_X[0], 4.4),
                   (PILLAR_X[0], BACK_NORTH)]
TO_EAST_NORTH = [(PILLAR_X[0], STANCE_Y[1]), (PILLAR_X[0], 2.4), (-3.4, 3.2), (-2.4, 4.2),
                 (PILLAR_X[1], 5.0), (PILLAR_X[1], BACK_NORTH + 0.6)]
SOCKETS = [(PILLAR_X[0], -0.5), (PILLAR_X[1], -0.5), (PILLAR_X[0], 0.5), (PILLAR_X[1], 0.5)]
RISER_HALF = 0.55
HANDLES_ABOVE = 0.6  # the handles above a riser's centre
GRIP_ABOVE = 0.1  # the hub over the handles when the claws close
APPROACH = 0.4
PILLAR_TOP = -0.585
CLEAR = 0.12  # a carried riser's foot over the funnel round its socket: the arm sags
FUNNEL_TOP = PILLAR_TOP + 0.03 + 0.12
SEATED_WITHIN = 0.02
ALIGN_TRIES = 5
SEAT_TRIES = 4
STRAIGHTEN_TRIES = 4
STRAIGHTEN_GAIN = 0.7
FOOT_IN = 0.035  # the foot this near the socket's middle clears its walls
HUB_OVER_FOOT = RISER_HALF * 2 + 0.15  # the hub over a held riser's foot
# From a stance in the gap a socket is close: straight, the outer beam stands
# steep over it and tips the riser in the claws; a little folded it lies low.
PLACE_BEND = -0.4
CARRY_LIMIT = 0.15  # faster, the riser swings and stays leaning in the claws
# The funnel takes the foot in from 0.2 off; brought nearer, the hub swings
# in towards the truck and the riser leans the further out in the claws.
ALIGNED = 0.15
STOW_AHEAD, STOW_ABOVE = 1.0, 1.36  # the empty hub while the truck moves, over its centre


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr, flush=True)


def riser(sim, i):
    return sim.pose("riser", i).pos


def foot(sim, i):
    """Where the middle of riser i's foot is (it leans in the claws)."""
    p = sim.pose("riser", i)
    return [p.pos[k] - RISER_HALF * p.z_axis[k] for k in range(3)]


def hub_for_foot(foot_z):
    return foot_z + RISER_HALF + HANDLES_ABOVE + GRIP_ABOVE


RISER_TRIES = 3
CROOKED = 0.04  # a riser leaning this far across the boom hangs by one handle
RETAKE_BEND = -0.8  # set down nearer the truck, folded further to reach down to it


def crooked(sim, i):
    """How far the held riser i leans across the boom's line."""
    t, r = sim.pose("truck").pos, riser(sim, i)
    d = math.hypot(r[0] - t[0], r[1] - t[1])
    lean = sim.pose("riser", i).z_axis
    return abs(lean[1] * (r[0] - t[0]) - lean[0] * (r[1] - t[1])) / d


def pick(sim, i):
    """Picks riser i. One that hangs crooked, by one handle, slips out of
    the claws on the way round: it is set down again and taken afresh."""
    for _ in range(RISER_TRIES):
        c = riser(sim, i)
        if not take_riser(sim, i):
            return False
        if crooked(sim, i) < CROOKED:
            return True
        log(sim, "riser crooked", fmt(riser(sim, i)), fmt(sim.pose("riser", i).z_axis))
        P.crane_joints_to(sim, (c[0], c[1], c[2] + HANDLES_ABOVE + GRIP_ABOVE), limit=0.2)
        if not (let_go(sim) and riser_settle(sim, i)):
            return False
        P.bend_to(sim, RETAKE_BEND)
    return False


def take_riser(sim, i):
    """Opens the claw over riser i's handles, lowers it round them, closes
    it and lifts the riser a little; the close lever stays held."""
    c = riser(sim, i)
    handles = c[2] + HANDLES_ABOVE
    above = (c[0], c[1], handles + GRIP_ABOVE + APPROACH)
    at = (c[0], c[1], handles + GRIP_ABOVE)
    log(sim, "riser", i, c, "margin", reach_margin(sim, at))
    if not (P.hub_over(sim, above, within=0.04) and P.work_grapple(sim, 1.0, 90)):
        return False
    P.hub_over(sim, at, limit=0.4, within=0.03)
    log(sim, "lowered", sim.pose("grapple").pos, riser(sim, i))
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    if sim.step(120):
        return False
    log(sim, "grasped", sim.grasped())
    P.crane_joints_to(sim, (at[0], at[1], at[2] + 0.3), limit=CARRY_LIMIT)
    log(sim, "lifted", riser(sim, i), sim.pose("riser", i).z_axis)
    return riser(sim, i)[2] > c[2] + 0.2


def fmt(v):
    return [round(x, 3) for x in v]


def riser_settle(sim, i, max_ticks=300, every=10):
    """Waits for the hub and the riser to stop swinging: the riser swings
    in the claws about its handles as well as with the hub."""
    for _ in range(0, max_ticks, every):
        if sim.step(every):
            return False
        r = sim.pose("riser", i)
        if sim.pose("grapple").speed < 0.02 and math.sqrt(sum(w * w for w in r.ang_vel)) < 0.05:
            break
    return True


def foot_over(sim, i, spot, z, aim):
    """Works the hub at height z until riser i's foot hangs over spot: the
    riser leans a little in the claws, so the hub is aimed off by the miss.
    Returns the aim that got there, or None."""
    for _ in range(ALIGN_TRIES):
        if not (P.crane_joints_to(sim, (aim[0], aim[1], z), limit=CARRY_LIMIT) and riser_settle(sim, i)):
            log(sim, "out of reach", aim)
            return None
        f = foot(sim, i)
        err = (spot[0] - f[0], spot[1] - f[1])
        log(sim, "foot", fmt(f), "lean", fmt(sim.pose("riser", i).z_axis), "aim", fmt(aim))
        if math.hypot(*err) < ALIGNED:
            return aim
        # The arm sags under the riser: raised where it is as far as the
        # foot hangs low, so that it is not dragged across the funnel.
        low = FUNNEL_TOP + CLEAR - f[2]
        if low > 0.01:
            z += low
            P.crane_joints_to(sim, (aim[0], aim[1], z), limit=CARRY_LIMIT)
        aim = [aim[0] + err[0], aim[1] + err[1]]
    return None


def upright_enough(sim, i, spot):
    """Held in the socket leaning, or with its foot on a wall, a riser let
    go falls."""
    f = foot(sim, i)
    return sim.pose("riser", i).z_axis[2] > 0.998 and math.hypot(f[0] - spot[0], f[1] - spot[1]) < FOOT_IN



def seat_riser(sim, i, spot, aim):
    """Lets the foot down the funnel into the socket, then brings the hub
    over its middle: the foot held by the walls, the riser swings upright
    about the claw's hinge."""
    seat = hub_for_foot(PILLAR_TOP) - 0.02
    P.crane_joints_to(sim, (aim[0], aim[1], seat), limit=0.1)
    P.hub_settle(sim)
    P.crane_joints_to(sim, (spot[0], spot[1], seat), limit=0.1)
    P.hub_settle(sim)
    log(sim, "down", fmt(riser(sim, i)), fmt(sim.pose("riser", i).z_axis))
    # Still leaning, its foot held by the walls: the hub pushed back against
    # the lean stands it up.
    at = [spot[0], spot[1]]
    for _ in range(STRAIGHTEN_TRIES):
        if upright_enough(sim, i, spot):
            return True
        lean, f = sim.pose("riser", i).z_axis, foot(sim, i)
        at = [at[0] + STRAIGHTEN_GAIN * (spot[0] - f[0] - HUB_OVER_FOOT * lean[0]),
              at[1] + STRAIGHTEN_GAIN * (spot[1] - f[1] - HUB_OVER_FOOT * lean[1])]
        P.crane_joints_to(sim, (at[0], at[1], seat), limit=0.1)
        P.hub_settle(sim)
        log(sim, "straightened", fmt(riser(sim, i)), fmt(sim.pose("riser", i).z_axis))
    return upright_enough(sim, i, spot)


DRAW_IN = 0.35
BOOM_UP, BOOM_UP_TICKS = 0.5, 60
CLEAR_BEND = -0.4


def let_go(sim, rise=0.4, draw_in=0.0):
    """Opens the claws and lifts them clear of what they set down; far out,
    where the hub cannot rise straight up, drawn in towards the truck as it
    rises. Closed again over what they let go, the claws would take it
    with them."""
    if not P.work_grapple(sim, 1.0, 90):
        return False
    hub = sim.pose("grapple").pos
    t = sim.pose("truck").pos
    if not draw_in:
        P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + rise), limit=rise)
        return not sim.step(60)
    for up in (rise, 0.75 * rise, 0.5 * rise, 0.4 * rise):
        if P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + up), limit=rise):
            break
    else:
        # Nowhere straight up in reach: the boom raised on its own lever
        # lifts them nearly straight up all the same.
        up = 0.0
        P.lever(sim, P.TRUCK_LEVERS["elevate"], BOOM_UP)
        if sim.step(BOOM_UP_TICKS):
            return False
        P.let_go_crane(sim)
    log(sim, "claws up", up, fmt(sim.pose("grapple").pos))
    # Folded, the arm far out has little height left: straightened a
    # little, it lifts them on up, and draws them in off what they let
    # go, where they can close on nothing.
    P.bend_to(sim, CLEAR_BEND)
    P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + rise), limit=rise)
    k = draw_in / math.hypot(t[0] - hub[0], t[1] - hub[1])
    P.crane_joints_to(sim, (hub[0] + k * (t[0] - hub[0]), hub[1] + k * (t[1] - hub[1]), hub[2] + rise),
                      limit=rise)
    log(sim, "claws clear", fmt(sim.pose("grapple").pos))
    return not sim.step(60)


# The girder guides' posts stand 1.06 to 1.46 m from a south stance's pivot
# and 0.81 to 1.25 m from a north one's: a riser swung round inside or
# outside them.
SLEW_RADIUS = (0.85, 1.5)


def radial(pivot, point, r):
    """The point r from pivot towards point."""
    dx, dy = point[0] - pivot[0], point[1] - pivot[1]
    d = math.hypot(dx, dy)
    return (pivot[0] + r * dx / d, pivot[1] + r * dy / d)


def place(sim, i, s):
    """Lifts the held riser i clear of the socket walls, swings it over
    socket s, lets its foot down into the socket, brings the hub over the
    socket so the riser stands upright in it, and lets go."""
    spot = SOCKETS[s]
    carry = hub_for_foot(FUNNEL_TOP + CLEAR)
    hub = sim.pose("grapple").pos
    P.bend_to(sim, PLACE_BEND)
    log(sim, "socket", s, "margin", reach_margin(sim, (spot[0], spot[1], carry)),
        reach_margin(sim, (spot[0], spot[1], hub_for_foot(PILLAR_TOP))))
    # Swung round at a radius clear of the girder guides' posts beside the
    # socket, then out or in along the pillar's line between them.
    t = sim.pose("truck")
    pivot = (t.pos[0] - PIVOT_BEHIND * t.x_axis[0], t.pos[1] - PIVOT_BEHIND * t.x_axis[1])
    r = SLEW_RADIUS[s // 2]
    round_at = [radial(pivot, p, r) for p in (hub, spot)]
    if not (P.crane_joints_to(sim, (hub[0], hub[1], carry), limit=CARRY_LIMIT)
            and all(P.crane_joints_to(sim, (q[0], q[1], carry), limit=CARRY_LIMIT) for q in round_at)
            and P.crane_joints_to(sim, (spot[0], spot[1], carry), limit=CARRY_LIMIT)):
        return False
    for _ in range(SEAT_TRIES):
        aim = foot_over(sim, i, spot, carry, list(spot))
        if aim is None:
            continue
        if seat_riser(sim, i, spot, aim):
            break
        # Standing on a wall or leaning on the funnel: up again and over.
        P.crane_joints_to(sim, (aim[0], aim[1], carry), limit=0.1)
    if not let_go(sim):
        return False
    b = riser(sim, i)
    r = sim.pose("riser", i)
    log(sim, "placed", fmt(b), fmt(r.z_axis), "yaw", round(math.atan2(r.x_axis[1], r.x_axis[0]), 3))
    return math.hypot(b[0] - spot[0], b[1] - spot[1]) < SEATED_WITHIN and abs(b[2] - (PILLAR_TOP + RISER_HALF)) < 0.03


def stow(sim):
    """The empty claw up and ahead of the truck, for driving."""
    t = sim.pose("truck")
    P.work_grapple(sim, -1.0, 40)
    at = (t.pos[0] + STOW_AHEAD * t.x_axis[0], t.pos[1] + STOW_AHEAD * t.x_axis[1], t.pos[2] + STOW_ABOVE)
    # Folded far down, the arm cannot come up there: straightened first.
    return P.crane_joints_to(sim, at) or (P.bend_to(sim, 0.0) and P.crane_joints_to(sim, at))


# The girders. The claws close under a girder's head through the window in
# its web at the middle, the hub this low over the head, and take it square
# to the boom; a little higher they only pinch the head, and it slips out
# as it is lifted.
GIRDER_HEAD_ABOVE = 0.16  # a girder's rail head over its centre
GIRDER_GRIP = 0.03  # the lowest it goes: it feels its way down from above
GIRDER_BEND = -0.6  # reaches down to the bed and up over the supports alike
SEAT_Z = 0.59  # riser handles and abutment seats: where a girder's foot lies
GIRDER_FOOT_BELOW = 0.05
GIRDER_LAID_Z = SEAT_Z + GIRDER_FOOT_BELOW  # a laid girder's centre
# Carried with its foot this high it clears the risers' handles and the
# seats' lips; hovered this far over its supports it is squared up.
GIRDER_CARRY_Z = 0.86  # its foot clear of the guides' tops, 0.12 over the seats
GIRDER_HOVER = 0.04
GRIP_TRIES = 5
CLAWS_TILT = 0.06  # the open claws hanging this far off plumb rest on the head
GRIPPED = -0.5  # the prongs this far closed have gone in under the head
LIFT_STEP = 0.1  # lifted faster than this a step, the girder slips out
SLEW_LIMIT = 0.1  # slewed faster, a girder yaws in the claws
LAID_WITHIN = 0.02  # within the guides' mouths, with room to spare
LAY_STEP = 0.01
LAID_HIGH = 0.012  # on a riser's outer handle a girder lies up to a centimetre high
LAID_ALONG = 0.025  # end to end, the girders leave each other 7 cm
ALONG_WITHIN = 0.01  # along the rail no guide squares it
LAY_TRIES = 8
# Each girder's span, as (centre x, rail y); the stance is on the span's
# line, this far from the girder's place, the girder waiting ahead.
LAY_OUT = 1.25  # the hub nearer the truck than 1.1 cannot come low enough; it stops short


def girder(sim, j):
    return sim.pose("girder", j)


def girder_settle(sim, j, max_ticks=600, every=10):
    """Waits for a carried girder to stop swinging and yawing in the claws."""
    for _ in range(0, max_ticks, every):
        if sim.step(every):
            return False
        g = girder(sim, j)
        if sim.pose("grapple").speed < 0.02 and math.sqrt(sum(w * w for w in g.ang_vel)) < 0.03:
            break
    return True


def claws_still(sim, max_ticks=600, every=10):
    """Waits for the open claws to stop swinging about the hub."""
    for _ in range(0, max_ticks, every):
        if sim.step(every):
            return False
        g = sim.pose("grapple")
        if g.speed < 0.01 and math.sqrt(sum(w * w for w in g.ang_vel)) < 0.03:
            break
    return True


def girder_still(sim, j, max_ticks=600, every=10):
    """Waits for a girder knocked on the bed to lie still."""
    for _ in range(0, max_ticks, every):
        if sim.step(every):
            return False
        g = girder(sim, j)
        if math.sqrt(sum(v * v for v in g.vel)) < 0.01 and math.sqrt(sum(w * w for w in g.ang_vel)) < 0.02:
            break
    return True


def girder_rest(sim, j, ticks=40, every=5):
    """Where a carried girder's centre hangs on average over a short while."""
    samples = []
    for _ in range(0, ticks, every):
        sim.step(every)
        samples.append(girder(sim, j).pos)
    return [sum(p[k] for p in samples) / len(samples) for k in range(3)]


LIFT_OUT = 1.2  # the hub out from the truck's centre while lifting: further, it cannot rise high enough


def drawn_in(sim, at):
    """The hub's ground point for lifting a girder picked at at: drawn in
    towards the truck to LIFT_OUT."""
    t = sim.pose("truck").pos
    dx, dy = at[0] - t[0], at[1] - t[1]
    k = min(1.0, LIFT_OUT / math.hypot(dx, dy))
    return (t[0] + k * dx, t[1] + k * dy)


HANG_LIFT = 0.15  # lifted this much off the bed to see how a gripped girder hangs
HANG_TILT = 0.07  # radians along its length


def hangs_level(sim, j, at):
    """Lifts the gripped girder j a little off the bed and tells whether it
    hangs level along its length."""
    P.crane_joints_to(sim, (at[0], at[1], at[2] + HANG_LIFT), limit=0.1)
    girder_settle(sim, j)
    tilt = girder(sim, j).x_axis[2]
    log(sim, "hangs", round(tilt, 3))
    return abs(tilt) < HANG_TILT


FEEL_FROM = 0.04  # the hub this far over its lowest before it feels its way down
FEEL_STEP = 0.005
FEEL_TILT = 0.03


def tilt(sim):
    z_axis = sim.pose("grapple").z_axis
    return math.hypot(z_axis[0], z_axis[1])


def feel_down(sim, at):
    """Lets the open claws down round a girder's head a few millimetres at
    a time to at: once they tip, the grapple's body rests on the head, and
    they are lifted back off it."""
    z = at[2] + FEEL_FROM
    while z > at[2]:
        z -= FEEL_STEP
        P.crane_joints_to(sim, (at[0], at[1], z), limit=0.1)
        sim.step(20)
        if tilt(sim) > FEEL_TILT:
            log(sim, "felt the head", round(z - at[2], 3), round(tilt(sim), 3))
            P.crane_joints_to(sim, (at[0], at[1], z + 2 * FEEL_STEP), limit=0.1)
            break


def pick_girder(sim, j):
    """Opens the claws over girder j's head, lowers them round it, closes
    them and lifts it a step at a time until it is carried clear of every
    support; the close lever stays held."""
    g = girder(sim, j).pos
    head = g[2] + GIRDER_HEAD_ABOVE
    at = (g[0], g[1], head + GIRDER_GRIP)
    P.bend_to(sim, GIRDER_BEND)
    log(sim, "girder", j, fmt(g), "margin", reach_margin(sim, at, GIRDER_BEND))
    for _ in range(GRIP_TRIES):
        g = girder(sim, j).pos
        at = (g[0], g[1], g[2] + GIRDER_HEAD_ABOVE + GIRDER_GRIP)
        # Across the head the fingers must come down either side of it.
        if not (P.hub_over(sim, (at[0], at[1], at[2] + APPROACH), tries=5, within=0.012)
                and P.work_grapple(sim, 1.0, 90)):
            log(sim, "not over the head", fmt(sim.pose("grapple").pos), fmt(sim.pose("truck").pos),
                fmt(sim.pose("truck").z_axis), sim.end_games)
            return None
        claws_still(sim)
        log(sim, "open over the head", fmt(sim.pose("grapple").pos), fmt(sim.pose("grapple").z_axis),
            [round(sim.joint("crane", k), 3) for k in ("slew", "boom", "bend", "extend")])
        if not P.hub_over(sim, (at[0], at[1], at[2] + FEEL_FROM), limit=0.4, tries=5, within=0.012):
            log(sim, "not down round the head", fmt(sim.pose("grapple").pos))
            P.crane_joints_to(sim, (at[0], at[1], at[2] + APPROACH), limit=0.4)
            continue
        feel_down(sim, at)
        log(sim, "lowered", fmt(sim.pose("grapple").pos), fmt(sim.pose("grapple").z_axis), fmt(girder(sim, j).pos))
        # Still swinging, the claws close askew and a prong stands on the head.
        if not claws_still(sim):
            return None
        log(sim, "still", fmt(sim.pose("grapple").pos), fmt(sim.pose("grapple").z_axis))
        # Standing tilted, an open prong rests on the head's edge: up, and
        # down again from straight over it.
        z_axis = sim.pose("grapple").z_axis
        if math.hypot(z_axis[0], z_axis[1]) > CLAWS_TILT:
            P.crane_joints_to(sim, (at[0], at[1], at[2] + APPROACH), limit=0.2)
            claws_still(sim)
            continue
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        if sim.step(160):
            return None
        # Closed only part way, the fingers stand on the head: open, up, again.
        if sim.joint("crane", "prong0") < GRIPPED and sim.joint("crane", "prong2") < GRIPPED:
            if hangs_level(sim, j, at):
                break
            # Taken off its middle it hangs with one end down, and laid
            # so it meets its supports one end first and tips: set down
            # again and taken afresh.
            P.crane_joints_to(sim, at, limit=0.1)
            sim.step(30)
        log(sim, "missed the window", [round(sim.joint("crane", "prong%d" % k), 3) for k in (0, 2)])
        # Opened before it rises, or the half-shut prongs drag the girder
        # up and off its place.
        if not P.work_grapple(sim, 1.0, 90):
            return None
        P.crane_joints_to(sim, (at[0], at[1], at[2] + APPROACH), limit=0.2)
        if not girder_still(sim, j):
            return None
    else:
        return None
    z = at[2]
    log(sim, "closed", sim.grasped(), [round(sim.joint("crane", "prong%d" % k), 3) for k in (0, 2)])
    while girder(sim, j).pos[2] < GIRDER_CARRY_Z:
        log(sim, "g", fmt(girder(sim, j).pos), fmt(sim.pose("grapple").pos), [round(sim.joint("crane", "prong%d" % k), 3) for k in (0, 2)])
        z += LIFT_STEP
        slipped = z > at[2] + 0.4 and girder(sim, j).pos[2] < g[2] + 0.1
        xy = drawn_in(sim, at)
        if slipped or z > at[2] + 2.5 or not P.crane_joints_to(sim, (xy[0], xy[1], z), limit=0.15) or sim.step(10):
            log(sim, "lift stopped", z, fmt(girder(sim, j).pos), sim.grasped())
            return None
    log(sim, "lifted", fmt(girder(sim, j).pos), sim.grasped())
    return z - girder(sim, j).pos[2]  # the hub over the girder's centre


def slew_gently(sim, point):
    """Slews the crane round to the point on a light lever: a girder slewed
    at the joints' usual speed yaws in the claws."""
    goal = P.crane_joint_targets(sim, point, sim.joint("crane", "bend"))
    if goal is None:
        return False
    for _ in range(3000):
        e = P.wrap(goal[0] - sim.joint("crane", "slew"))
        if abs(e) < 0.01:
            break
        P.lever(sim, P.TRUCK_LEVERS["rotate"], math.copysign(max(0.03, min(SLEW_LIMIT, 2.0 * abs(e))), e))
        if sim.step(4):
            return False
    P.let_go_crane(sim)
    return True


def girder_over(sim, j, spot, z, aim, tries=6):
    """Works the hub at height z until girder j's centre hangs over spot;
    returns the aim that got it there, or None."""
    for _ in range(tries):
        if not (P.crane_joints_to(sim, (aim[0], aim[1], z), limit=0.1) and girder_settle(sim, j)):
            return None
        g = girder_rest(sim, j)
        err = (spot[0] - g[0], spot[1] - g[1])
        log(sim, "girder at", fmt(g), "yaw", round(math.atan2(girder(sim, j).x_axis[1], girder(sim, j).x_axis[0]), 3))
        if abs(err[0]) < ALONG_WITHIN and abs(err[1]) < LAID_WITHIN:
            return aim
        aim = [aim[0] + 0.8 * err[0], aim[1] + 0.8 * err[1]]
    return aim


def laid(sim, j, spot):
    # On the risers a girder leans a little with the handles' slope.
    g = girder(sim, j)
    return (abs(g.pos[2] - GIRDER_LAID_Z) < LAID_HIGH and g.z_axis[2] > 0.997
            and abs(g.pos[1] - spot[1]) < 0.012 and abs(g.pos[0] - spot[0]) < LAID_ALONG)


def nearly_laid(sim, j, spot):
    g = girder(sim, j)
    return (g.pos[2] < GIRDER_LAID_Z + 0.01 and abs(g.pos[1] - spot[1]) < 0.012
            and abs(g.pos[0] - spot[0]) < LAID_ALONG)


def lay_girder(sim, j, spot, off):
    """Brings the carried girder j round over its span, its foot over the
    guides' tops, squares it over its place there and lets it down slowly
    between the guides onto its supports, then a little further so the
    claws no longer bear it, and lets go. Still standing proud, it is
    lifted clear and tried again, aimed by the miss."""
    carry = GIRDER_CARRY_Z + off
    if not (slew_gently(sim, (spot[0], spot[1], carry)) and girder_settle(sim, j)):
        return False
    log(sim, "slewed", fmt(girder(sim, j).pos), fmt(girder(sim, j).x_axis))
    aim = girder_over(sim, j, spot, carry, list(spot))
    if aim is None:
        return False
    for attempt in range(LAY_TRIES):
        z = carry
        while z > GIRDER_LAID_Z + off - 0.03:
            z -= LAY_STEP
            P.crane_joints_to(sim, (aim[0], aim[1], z), limit=0.1)
            if sim.step(6):
                return False
        sim.step(40)
        g = girder(sim, j)
        log(sim, "down", attempt, fmt(g.pos), fmt(g.z_axis), round(math.atan2(g.x_axis[1], g.x_axis[0]), 3))
        if laid(sim, j, spot):
            break
        # Gripped off its middle it hangs tilted, one end down on its
        # support: let go over its place, it drops the rest of the way.
        if attempt > 0 and nearly_laid(sim, j, spot):
            log(sim, "let go tilted", fmt(g.pos), fmt(g.z_axis))
            break
        err = girder_rest(sim, j, 20)
        aim = [aim[0] + 0.5 * (spot[0] - err[0]), aim[1] + 0.5 * (spot[1] - err[1])]
        P.crane_joints_to(sim, (aim[0], aim[1], carry), limit=0.1)
        girder_settle(sim, j)
    else:
        # Still proud: held up clear rather than let go on a guide's top.
        P.crane_joints_to(sim, (aim[0], aim[1], carry), limit=0.1)
        return False
    if not let_go(sim, draw_in=DRAW_IN):
        return False
    g = girder(sim, j)
    log(sim, "laid", j, fmt(g.pos), fmt(g.x_axis), fmt(g.z_axis))
    return laid(sim, j, spot)


def reverse_along(sim, x, y, throttle=0.35, facing=1, every=3, max_ticks=3000, gains=(1.2, 2.0)):
    """Backs the truck, heading north (facing 1) or south (-1), down the line
    at x until its centre is at y; steering holds it on the line, gains
    being the heading aimed for each metre off it and the wheel for each
    radian off that heading."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = facing * (p.pos[1] - y)
        if left < 0.05:
            return P.come_to_rest(sim, "truck")
        # Backing up, the nose swings the other way to the wheel.
        aim = facing * (math.pi / 2 + P.clamp(gains[0] * (x - p.pos[0]), -0.3, 0.3))
        sim.post("steer setting=%f" % P.clamp(gains[1] * P.wrap(aim - p.heading)))
        sim.post("accelcontrol setting=%f" % (-throttle * max(0.3, min(1.0, left / 1.0))))
        if sim.step(every):
            return False
    return False


def stance(sim, what):
    t = sim.pose("truck")
    log(sim, "stance", what, fmt(t.pos), round(t.heading, 3))
    return True


def set_risers(sim):
    """Each riser from its stance: the south ones facing their pillars, the
    north ones backed up to them."""
    steps = [
        lambda: stow(sim) and P.follow_path(sim, "truck", ROUTE, throttle=0.5) and stance(sim, 0),
        lambda: set_riser(sim, 0),
        lambda: stow(sim) and reverse_along(sim, PILLAR_X[0], BACK_SOUTH),
        lambda: P.follow_path(sim, "truck", TO_EAST_SOUTH, throttle=0.35) and stance(sim, 1),
        lambda: set_riser(sim, 1),
        lambda: stow(sim) and reverse_along(sim, PILLAR_X[1], BACK_SOUTH),
        lambda: P.follow_path(sim, "truck", THROUGH_THE_GAP, throttle=0.3),
        lambda: reverse_along(sim, PILLAR_X[0], STANCE_Y[1]) and stance(sim, 2),
        lambda: set_riser(sim, 2),
        lambda: stow(sim) and P.follow_path(sim, "truck", TO_EAST_NORTH, throttle=0.3),
        lambda: reverse_along(sim, PILLAR_X[1], STANCE_Y[1]) and stance(sim, 3),
        lambda: set_riser(sim, 3),
    ]
    for k, do in enumerate(steps):
        if not do():
            log(sim, "riser step failed", k, fmt(sim.pose("truck").pos))
            return False
    return True


def set_riser(sim, i):
    if not pick(sim, i):
        log(sim, "pick failed", i)
        return False
    if not place(sim, i, i):
        log(sim, "place failed", i)
        return False
    return True


# The girders wait on the bed north and south of the bridge on their spans'
# lines. Each is picked from a stance short of it, facing it, and carried,
# held ahead, as the truck backs along the span's line to where it is laid
# from, the pivot LAY_FROM from the rail: the far rail from under the bridge
# first, then the near one from outside it.
PICK_AHEAD = 1.36  # nearer, a truck rolling on a few centimetres cannot reach down to it
SQUARE_ENOUGH = 0.1  # radians off the span's line at a pick stance
OVERSHOT = 0.02  # rolled on further, the nose rides up onto the girder's foot
STRAIGHTEN_RUN = 1.4
LAY_FROM = 1.17
# (girder, span's line, rail, facing: 1 north, -1 south, the way there)
GIRDERS = [
    (0, GAP_X, -0.5, 1, [(PILLAR_X[1], STANCE_Y[1]), (PILLAR_X[1], 2.6), (-2.5, 3.6), (GAP_X, 4.6)]),
    (1, GAP_X, 0.5, 1, [(GAP_X, 0.8)]),
    # Round from north of the bridge and south through the west opening.
    (2, SPAN_X[0], 0.5, -1, [(GAP_X, 1.8), (GAP_X, 3.2), (-1.8, 4.8), (-1.3, 6.6), (-2.0, 8.4),
                             (-3.4, 9.2), (-4.6, 8.6), (-5.1, 7.0), (SPAN_X[0], 5.0),
                             (SPAN_X[0], 3.0)]),
    (3, SPAN_X[0], -0.5, -1, [(SPAN_X[0], -0.8)]),
    # Over to the east opening, south of the bridge.
    (4, SPAN_X[2], 0.5, -1, [(SPAN_X[0], -1.8), (SPAN_X[0], -2.6), (-4.4, -3.6), (-3.2, -4.1),
                             (-1.8, -4.5), (SPAN_X[2], -5.3)]),
    (5, SPAN_X[2], -0.5, -1, [(SPAN_X[2], -0.8)]),
]


OFF_LINE = 0.04  # the truck further off a span's line lays the girder askew, and off along the rail
RESTANCE_RUN = 2.5
# Carrying a girder ahead the truck answers the wheel slowly when backing:
# steered harder back onto the line.
LINE_GAINS = (1.8, 2.5)
RESTANCE_TRIES = 3


def back_onto_line(sim, x, y, facing):
    """Backs along the line at x to y; come to rest off the line (the load
    ahead pulls the nose round), drives out along it and backs again."""
    for _ in range(RESTANCE_TRIES):
        if not reverse_along(sim, x, y, throttle=0.2, facing=facing, max_ticks=8000, gains=LINE_GAINS):
            return False
        t = sim.pose("truck")
        if abs(t.pos[0] - x) < OFF_LINE and abs(P.wrap(t.heading - facing * math.pi / 2)) < SQUARE_ENOUGH:
            return True
        log(sim, "off the line", fmt(t.pos), round(t.heading, 3))
        out = (x, t.pos[1] + facing * RESTANCE_RUN)
        if not P.follow_path(sim, "truck", [(t.pos[0], t.pos[1] + facing * 0.5), out], throttle=0.2):
            return False
    return False


def set_girder(sim, j, x, rail_y, facing, way):
    wait = sim.pose("girder", j).pos
    log(sim, "risers", [fmt(riser(sim, i)) for i in range(4)], "girders", [fmt(girder(sim, k).pos) for k in range(6)])
    pick_at = wait[1] - facing * (PICK_AHEAD - PIVOT_BEHIND)
    if not (stow(sim) and P.follow_path(sim, "truck", way + [(x, pick_at)], throttle=0.3, max_ticks=8000)):
        log(sim, "stuck on the way to girder", j, fmt(sim.pose("truck").pos))
        return False
    # Rolled on past the stance: backed up to it.
    if facing * (sim.pose("truck").pos[1] - pick_at) > OVERSHOT and not reverse_along(
            sim, x, pick_at, throttle=0.2, facing=facing):
        return False
    # Come in askew off a turn: backed up along the line and in again straight.
    if abs(P.wrap(sim.pose("truck").heading - facing * math.pi / 2)) > SQUARE_ENOUGH:
        if not (reverse_along(sim, x, pick_at - facing * STRAIGHTEN_RUN, throttle=0.25, facing=facing)
                and P.follow_path(sim, "truck", [(x, pick_at - facing * STRAIGHTEN_RUN), (x, pick_at)], throttle=0.25)):
            return False
    stance(sim, "girder %d" % j)
    off = pick_girder(sim, j)
    if off is None:
        log(sim, "pick failed", j)
        return False
    if not back_onto_line(sim, x, rail_y + facing * (LAY_FROM + PIVOT_BEHIND), facing):
        log(sim, "not back to the lay stance", j, fmt(sim.pose("truck").pos))
        return False
    stance(sim, "lay %d" % j)
    log(sim, "lay margin", P.reach_margin(sim, (x, rail_y, GIRDER_CARRY_Z + 0.3)),
        P.reach_margin(sim, (x, rail_y, GIRDER_LAID_Z + 0.3)))
    return lay_girder(sim, j, (x, rail_y), off)


# Out of the bed: from the last girder's stance south, west and up the
# slipway onto the west bank, round north of the slipway's cutting and east
# along the bank south of the rails to the lever's stance, heading east.
LEVER = (-9.0, -2.0)
LEVER_TOP = 0.6 + 0.45 + 0.25  # the bank, the lever's middle over it, half its length
LEVER_STANCE = (-9.6, -3.2)
LEVER_ROUND = [(-16.3, SLIP_MID), (-18.0, SLIP_MID), (-18.6, -4.4), (-17.6, -3.3), (-15.0, -3.2),
               LEVER_STANCE]
OUT_OF_THE_BED = [(SPAN_X[2], -3.0), (-1.6, -4.6), (-3.0, -5.5), (-6.5, SLIP_MID),
                  (-13.0, SLIP_MID)] + LEVER_ROUND
LEVER_PULLED = 0.2  # radians: past an eighth of this the train sets off
PUSH_STEP = 0.02
LEVER_BEND = -0.4  # straight, the hub cannot hang this low this near
TRAIN_TICKS = 60 * 60  # it slows down to a walk on its heavy axles


def lever_angle(sim):
    z = sim.pose("lever").z_axis
    return math.atan2(z[0], z[2])


def pull_lever(sim):
    """Pushes the lever's top over eastwards with the closed claws."""
    x, z = LEVER[0] - 0.3, LEVER_TOP - 0.1
    P.bend_to(sim, LEVER_BEND)
    log(sim, "lever margin", P.reach_margin(sim, (x, LEVER[1], z)), P.reach_margin(sim, (LEVER[0] + 0.2, LEVER[1], z)))
    if not (P.hub_over(sim, (x, LEVER[1], z + 0.3), tries=2, within=0.06)
            and P.hub_over(sim, (x, LEVER[1], z), tries=2, within=0.06)):
        return False
    while abs(lever_angle(sim)) < LEVER_PULLED and x < LEVER[0] + 0.4:
        x += PUSH_STEP
        if not P.crane_joints_to(sim, (x, LEVER[1], z), max_ticks=20):
            break
    log(sim, "lever at", round(lever_angle(sim), 3))
    P.let_go_crane(sim)
    return abs(lever_angle(sim)) >= LEVER_PULLED


def send_the_train(sim):
    """Drives out of the bed to the lever, pulls it and waits for the train
    to come over the bridge."""
    if not (stow(sim) and P.follow_path(sim, "truck", OUT_OF_THE_BED, throttle=0.4, max_ticks=8000)
            and stance(sim, "lever") and pull_lever(sim) and stow(sim)):
        return False
    for _ in range(0, TRAIN_TICKS, 60):
        if sim.step(60):
            break
        tr = sim.pose("train")
        log(sim, "train", fmt(tr.pos), fmt(tr.vel))
        if tr.speed < 0.01:
            break  # stopped short
    return sim.won


# The lazy way: over the crossing and east along the bank to the lever.
CROSSING_TO_LEVER = ROUTE[:4] + [(-15.0, -3.2), LEVER_STANCE]


def drive_lever_only(sim):
    """Pulls the lever with the bridge unbuilt and waits for the train."""
    if stow(sim) and P.follow_path(sim, "truck", CROSSING_TO_LEVER, throttle=0.5):
        if pull_lever(sim) and stow(sim):
            for _ in range(0, TRAIN_TICKS, 60):
                if sim.step(60):
                    break


def trace(sim):
    """Logs the truck and its hub every second of play, for debugging."""
    step = sim.step

    def traced(ticks):
        before = sim.tick
        ended = step(ticks)
        if sim.tick // 60 != before // 60:
            t = sim.pose("truck")
            log(sim, "truck", fmt(t.pos), round(t.heading, 3), "hub", fmt(sim.pose("grapple").pos), "g0", fmt(girder(sim, 0).pos), "r1", fmt(riser(sim, 1)))
        return ended
    sim.step = traced


def drive(sim):
    if os.environ.get("LEVEL20_TRACE"):
        trace(sim)
    if not set_risers(sim):
        return
    for j, x, rail_y, facing, way in GIRDERS:
        if not set_girder(sim, j, x, rail_y, facing, way):
            log(sim, "girder failed", j)
            return
    send_the_train(sim)


if __name__ == "__main__":
    if "--lever-only" in sys.argv:
        sys.argv.remove("--lever-only")
        driver_main.main(LEVEL, drive_lever_only)
    driver_main.main(LEVEL, drive)
