"""Level 7, the temple: unfinished. Stands the pillar in its socket and takes
the cornice off its piers by the ridge; it does not win yet.

What it does:
- The truck comes down the plateau and stops north of the temple front,
  facing south, its crane between the socket and the cornice's piers.
- Both stones are worked with the boom at its top stop and the outer beam
  folded down: with the outer beam rising steeply, the prong on the
  truck's side of the hub opens only to about 1.26 rad (it meets the beam)
  and its finger lands on the pillar's capital, holding the hub 0.23 above
  the pillar's top. Folded, every prong opens to 1.43 .. 1.57 and the hub
  comes down to 0.03 over the top; closed, the fingers hook under the
  capital and the grapple holds the pillar, which hangs upright.
- Lowered into the socket and let go the pillar stands (up 1.0); the hub is
  lifted straight up in short steps, re-centred over the pillar each time,
  or an open finger catches the capital and tips it.
- The cornice waits on two piers turned 45 degrees to the prongs: square to
  them the two prongs along the ridge rest on its cap and keep the fingers
  above the cap's lip. Turned, the fingers pass beside the ridge, close
  under the cap and the grapple lifts the cornice.

What blocks the win: the hub holds the cornice 0.49 above its middle, so
set on the pillars (its middle at 7.24) the hub stands at 7.73, and there
the crane reaches only about 0.76 m out from the slew axis (boom at its
stop, outer beam at full extension); the cornice's place (-4.3, 0) is 1.05
away from this stance, and a truck standing nearer to it fouls the front
row. The hold also fixes the cornice's heading to the hub's at 45 degrees,
so the place must be worked from a stance whose hub heading there is 45
degrees off the row. A raised terrace for the truck north of the front
(about 0.5 m) would give the reach with the 0.2 m to spare.

usage: python3 tools/solver/drivers/level07_wip.py"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import primitives as P  # noqa: E402
from serve_client import Sim  # noqa: E402

L = P.TRUCK_LEVERS
ROUTE = [(-9, 5), (-6.6, 5), (-5.45, 4.4), (-5.05, 3.3), (-5.05, 1.17)]
SOCKET = (-5.8, 0.0)
# The hub over the pillar's top (its centre is 0.8 below the top) with the
# fingers just under the capital; the pillar hangs with its foot this far
# below the hub.
PILLAR_HUB_ABOVE = 0.83
PILLAR_HANGS = 1.66
CARRY_CLEAR = 0.1
FLOOR, SOCKET_FLOOR = 5.47, 5.42
# Over the cornice's middle, fingers under the ridge cap's lip.
CORNICE_HUB_ABOVE = 0.49
APPROACH = 0.3
BOOM_TOP = 1.24  # the boom's stop is 1.2566


def log(sim, *what):
    print(sim.tick, *what)


def boom_to_top(sim, max_ticks=300, every=3):
    for _ in range(0, max_ticks, every):
        if sim.joint("crane", "boom") > BOOM_TOP:
            break
        P.lever(sim, L["elevate"], 1.0)
        if sim.step(every):
            break
    sim.post("leverUp leverNr=%d" % L["elevate"])


def folded_levers(sim, target):
    """One correction with the boom at its stop: slew for the bearing, the
    outer beam's extension for the reach and the bend for the height."""
    bearing, reach, hub = P.slew_errors(sim, target)
    P.lever(sim, L["rotate"], -P.axis_setting(bearing, 3.0, 0.015, 0.2))
    P.lever(sim, L["extend"], P.axis_setting(reach, 4.0, 0.015, 0.2))
    P.lever(sim, L["bend"], P.axis_setting(target[2] - hub[2], 3.0, 0.015, 0.25))
    return math.dist(hub, target)


def folded_to(sim, target, tolerance=0.05, max_ticks=1500, every=3):
    ticks = 0
    while ticks < max_ticks:
        if folded_levers(sim, target) < tolerance * 0.5:
            for name in ("rotate", "extend", "bend"):
                sim.post("leverUp leverNr=%d" % L[name])
            ticks += 60
            if math.dist(P.hub_rest_point(sim), target) < tolerance:
                return True
            continue
        if sim.step(every):
            return False
        ticks += every
    for name in ("rotate", "extend", "bend"):
        sim.post("leverUp leverNr=%d" % L[name])
    return False


def hang_still(sim, max_ticks=300, every=10):
    for _ in range(0, max_ticks, every):
        if sim.pose("grapple").speed < 0.03 or sim.step(every):
            return


def take(sim, name, above, steps=4):
    """Opens the prongs wide over the object, lets the hub down onto it a
    little at a time and closes until the grapple holds it."""
    c = sim.pose(name).pos
    folded_to(sim, (c[0], c[1], c[2] + above + APPROACH), 0.08)
    P.open_grapple(sim, 1.56)
    for k in range(1, steps + 1):
        folded_to(sim, (c[0], c[1], c[2] + above + APPROACH * (1 - k / steps)), 0.04, 600)
        hang_still(sim)
    held = P.close_until_grasped(sim, name) and P.work_grapple(sim, -1.0, 40)
    log(sim, "took", name, held, sim.grasped())
    return held


def set_pillar(sim):
    if not take(sim, "pillar", PILLAR_HUB_ABOVE):
        return False
    carry = FLOOR + CARRY_CLEAR + PILLAR_HANGS
    c = sim.pose("pillar").pos
    folded_to(sim, (c[0], c[1], carry), 0.08, 600)
    folded_to(sim, (SOCKET[0], SOCKET[1], carry), 0.06, 900)
    log(sim, "over the socket", [round(v, 3) for v in sim.pose("grapple").pos], round(sim.joint("crane", "extend"), 3), round(sim.joint("crane", "bend"), 3))
    rest = SOCKET_FLOOR + PILLAR_HANGS
    for z in (rest + 0.2, rest + 0.1, rest + 0.03, rest):
        folded_to(sim, (SOCKET[0], SOCKET[1], z), 0.04, 600)
        hang_still(sim)
    P.work_grapple(sim, 1.0, 40)
    sim.step(30)
    # Straight up, a few centimetres at a time over the pillar's middle.
    for k in range(1, 9):
        p = sim.pose("pillar").pos
        folded_to(sim, (p[0], p[1], rest + 0.05 * k), 0.03, 300)
    p = sim.pose("pillar")
    log(sim, "pillar", [round(v, 3) for v in p.pos], "up", round(p.z_axis[2], 3))
    return p.z_axis[2] > 0.98 and math.hypot(p.pos[0] - SOCKET[0], p.pos[1] - SOCKET[1]) < 0.1


def lift_cornice(sim):
    if not take(sim, "cornice", CORNICE_HUB_ABOVE):
        return False
    c = sim.pose("cornice").pos
    for dz in (0.1, 0.2, 0.3, 0.45):
        folded_to(sim, (c[0], c[1], c[2] + CORNICE_HUB_ABOVE + dz), 0.06, 600)
        k = sim.pose("cornice")
        log(sim, "cornice", [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 3), sim.grasped())
    place = (-4.3, 0.0, 7.24 + CORNICE_HUB_ABOVE)
    folded_to(sim, place, 0.06, 900)
    hub = sim.pose("grapple").pos
    log(sim, "hub toward the cornice's place", [round(v, 3) for v in hub],
        "short by", round(math.dist(hub, place), 3), "extend", round(sim.joint("crane", "extend"), 3))
    return True


def main():
    with Sim(level=7) as sim:
        P.lever(sim, L["elevate"], 1.0)
        sim.step(100)
        sim.post("leverUp leverNr=%d" % L["elevate"])
        P.follow_path(sim, "truck", ROUTE, throttle=0.5)
        boom_to_top(sim)
        log(sim, "pillar set", set_pillar(sim))
        lift_cornice(sim)
        print("endGames", sim.end_games)


if __name__ == "__main__":
    main()
