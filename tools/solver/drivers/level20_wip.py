"""Level 20, the canal: the truck crosses the railway on the level crossing,
goes down the slipway into the drained bed and north up the line of the
gap between the pillars to a stance in the gap with its centre on the south
rail's line, so that the boom points along the rails over either socket.
From there the crane lifts each of the two risers waiting beside it (each
turned with its handles towards the stance, so the claws take it square),
the outer beam a little folded so that it lies low over the socket, swings
it over its socket, lets it down the funnel into the socket, brings the hub
over the socket's middle so the riser stands upright, and lets go: the
riser stands within a centimetre of the socket's middle with its handles
along the rail. Then on through the gap to the stance on the north rail's
line and the same for the north rail's two.

Where it stops: all four risers stand in their sockets, square, at delays
0 to 5. The girders (waiting on the west bank, out of reach from the bed),
the lever and leaving the bed are not driven yet.

usage: python3 tools/solver/drivers/level20_wip.py [--delay D] [--record FILE]"""

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
STANCE_Y = 0.5  # on either rail's line, in the gap
# North of the railway onto the crossing, south over it, east down the
# slipway, round in the bed and north up the gap's line to the south stance.
ROUTE = [(-16.8, 4.6), (CROSSING_MID, 4.4), (CROSSING_MID, 2.6), (CROSSING_MID, -2.6),
         (-18.0, SLIP_MID), (-13.0, SLIP_MID), (-6.0, SLIP_MID), (-3.8, -4.8), (GAP_X, -3.6),
         (GAP_X, -2.6), (GAP_X, -1.6), (GAP_X, -STANCE_Y)]
# On through the gap between the pillars to the north stance.
THROUGH_THE_GAP = [(GAP_X, -STANCE_Y), (GAP_X, 0.0), (GAP_X, STANCE_Y)]
SOCKETS = [(-4.0, -0.5), (-2.0, -0.5), (-4.0, 0.5), (-2.0, 0.5)]
RISER_HALF = 0.55
HANDLES_ABOVE = 0.6  # the handles above a riser's centre
GRIP_ABOVE = 0.1  # the hub over the handles when the claws close
APPROACH = 0.4
PILLAR_TOP = -0.56
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
STOW_AHEAD, STOW_Z = 1.0, 1.0  # the empty hub while the truck moves


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


def pick(sim, i):
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
    if not (P.crane_joints_to(sim, (hub[0], hub[1], carry), limit=CARRY_LIMIT)
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
    if not P.work_grapple(sim, 1.0, 90):
        return False
    hub = sim.pose("grapple").pos
    P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + 0.4), limit=0.4)
    sim.step(60)
    b = riser(sim, i)
    log(sim, "placed", fmt(b), fmt(sim.pose("riser", i).z_axis))
    return math.hypot(b[0] - spot[0], b[1] - spot[1]) < SEATED_WITHIN and abs(b[2] - (PILLAR_TOP + RISER_HALF)) < 0.03


def stow(sim):
    """The empty claw up and ahead of the truck, for driving."""
    t = sim.pose("truck")
    P.work_grapple(sim, -1.0, 40)
    return P.crane_joints_to(sim, (t.pos[0] + STOW_AHEAD * t.x_axis[0], t.pos[1] + STOW_AHEAD * t.x_axis[1],
                                   STOW_Z))


def set_risers(sim, pair):
    for i in pair:
        if not pick(sim, i):
            log(sim, "pick failed", i)
            return False
        if not place(sim, i, i):
            log(sim, "place failed", i)
            return False
    return True


def drive(sim):
    if not P.follow_path(sim, "truck", ROUTE, throttle=0.5):
        log(sim, "stuck", sim.pose("truck").pos)
        return
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not set_risers(sim, (0, 1)):
        return
    if not (stow(sim) and P.follow_path(sim, "truck", THROUGH_THE_GAP, throttle=0.3)):
        log(sim, "not through the gap", sim.pose("truck").pos)
        return
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not set_risers(sim, (2, 3)):
        return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
