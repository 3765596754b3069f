"""Level 20, the canal: the truck crosses the railway on the level crossing,
goes down the slipway into the drained bed and north into the gap between
the two pillars. From there the crane reaches all four risers waiting on
the bed beside the pillars and all four sockets on the pillars' tops; each
riser is lifted clear of the pillar, pulled in over it and let down into
its socket.

Where it stops: the first riser is picked and lifted upright (lean under
0.05 rad), but carried over its socket it hangs some 0.3 rad off upright,
its top towards the truck, and the claw leans with it: the grapple tips
with the outer beam once the beam is steep (the carry height, 0.9 for the
hub, wants the outer beam at about 0.87 rad from the gap). The foot then
stands 0.35 m beyond the hub, and chasing it in towards the truck steepens
the beam and the lean further (the foot follows the hub at about 0.4 of its
move) until the crane runs out of reach. The girders and the lever are not
driven yet.

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
BED_Z = -1.2
CROSSING_MID = (-21.5 + -19.0) / 2
SLIP_MID = (-7.0 + -4.5) / 2
GAP_X = -3.0
STANCE_Y = 0.0
# North of the railway onto the crossing, south over it, east down the
# slipway, round in the bed and north into the gap between the pillars.
ROUTE = [(-16.8, 4.6), (CROSSING_MID, 4.4), (CROSSING_MID, 2.6), (CROSSING_MID, -2.6),
         (-18.0, SLIP_MID), (-13.0, SLIP_MID), (-6.0, SLIP_MID), (-3.8, -4.8), (GAP_X, -3.4),
         (GAP_X, -1.6), (GAP_X, STANCE_Y)]
RISERS = [(-3.9, -1.25), (-2.1, -1.25), (-3.9, 1.25), (-2.1, 1.25)]
SOCKETS = [(-4.0, -0.5), (-2.0, -0.5), (-4.0, 0.5), (-2.0, 0.5)]
RISER_HALF = 0.55
HANDLES_ABOVE = 0.6  # the handles above a riser's centre
GRIP_ABOVE = 0.1  # the hub over the handles when the claws close
APPROACH = 0.4
PILLAR_TOP = -0.56
CLEAR = 0.15  # a carried riser's foot over the socket walls
SOCKET_WALL_TOP = PILLAR_TOP + 0.06
SEATED_WITHIN = 0.04
LOW_CLEAR = 0.03  # the foot this far over the socket walls for the last alignment
ALIGN_TRIES = 5
CARRY_LIMIT = 0.15  # faster, the riser swings and stays leaning in the claws
ALIGNED = 0.01


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


def place(sim, i, s):
    sx, sy = SOCKETS[s]
    c = riser(sim, i)
    carry = hub_for_foot(SOCKET_WALL_TOP + CLEAR)
    truck = sim.pose("truck").pos
    # pulled in towards the truck at the pick's height before lifting clear
    d = math.hypot(c[0] - truck[0], c[1] - truck[1])
    k = 1.15 / d
    near = (truck[0] + (c[0] - truck[0]) * k, truck[1] + (c[1] - truck[1]) * k)
    hub = sim.pose("grapple").pos
    log(sim, "socket", s, "margin", reach_margin(sim, (sx, sy, carry)))
    if not (P.crane_joints_to(sim, (near[0], near[1], hub[2]), limit=CARRY_LIMIT)
            and P.crane_joints_to(sim, (near[0], near[1], carry), limit=CARRY_LIMIT)
            and P.crane_joints_to(sim, (sx, sy, carry), limit=CARRY_LIMIT)):
        return False
    low = hub_for_foot(SOCKET_WALL_TOP + LOW_CLEAR)
    aim = [sx, sy, carry]
    for z in (carry, low):
        for _ in range(ALIGN_TRIES):
            P.hub_settle(sim)
            f = foot(sim, i)
            log(sim, "foot", [round(v, 3) for v in f], "hub", sim.pose("grapple").pos,
                "lean", sim.pose("riser", i).z_axis, "claw", sim.pose("grapple").z_axis, "aim", aim)
            err = (sx - f[0], sy - f[1])
            if math.hypot(*err) < ALIGNED and abs(sim.pose("grapple").pos[2] - z) < 0.05:
                break
            aim = [aim[0] + err[0], aim[1] + err[1], z]
            if not P.crane_joints_to(sim, aim, limit=CARRY_LIMIT):
                log(sim, "out of reach", aim)
                return False
    P.crane_joints_to(sim, (aim[0], aim[1], hub_for_foot(PILLAR_TOP) - 0.03), limit=0.2)
    sim.step(60)
    log(sim, "down", riser(sim, i), sim.pose("riser", i).z_axis)
    if not P.work_grapple(sim, 1.0, 90):
        return False
    hub = sim.pose("grapple").pos
    P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + 0.4), limit=0.4)
    sim.step(60)
    b = riser(sim, i)
    log(sim, "placed", b, sim.pose("riser", i).z_axis)
    return math.hypot(b[0] - sx, b[1] - sy) < SEATED_WITHIN and abs(b[2] - (PILLAR_TOP + RISER_HALF)) < 0.03


def drive(sim):
    if not P.follow_path(sim, "truck", ROUTE, throttle=0.5):
        log(sim, "stuck", sim.pose("truck").pos)
        return
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    for i in range(4):
        if not pick(sim, i):
            log(sim, "pick failed", i)
            return
        if not place(sim, i, i):
            log(sim, "place failed", i)
            return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
