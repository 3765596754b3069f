"""Level 7, the temple: unfinished. Stands the pillar in its socket and lifts
the cornice off its piers by the ridge; it does not win yet.

The truck comes down the plateau and stops facing south north of the front,
between the loose pillar (west), the socket (south-west) and the cornice on
its piers (east). Both stones are worked with the boom at its top stop and
the outer beam folded down (bend for the height, extension for the reach):
with the outer beam rising steeply, the prong on the truck's side of the hub
meets the beam, opens only to about 1.26 rad and its finger lands on the
pillar's capital, holding the hub 0.23 above the pillar's top. Folded, every
prong opens to 1.43 .. 1.57, the hub comes down to 0.03 over the top and the
fingers close under the capital: the grapple holds the pillar, which hangs
upright, is carried over the socket and let down into it. Let go, it stands
(up 1.0, about 4 cm off the socket's middle); the hub is lifted straight up
a few centimetres at a time, re-centred over the pillar each time, or an
open finger catches the capital and tips it.

The cornice waits on its piers turned so that the prongs meet its ridge at
about 55 degrees: square to them, the two prongs along the ridge rest on its
cap and keep the fingers above the cap's lip. Turned, the fingers pass beside
the ridge and close under the cap, and the grapple holds the cornice, its
middle 0.49 below the hub. Its heading on the pillars is the hub's there plus
that angle, so the stance is chosen where the hub over the cornice's place
heads 55 degrees off the row (measured: -54.9 from this stance).

What blocks the win: raised to carry it over the pillars' tops (hub at 7.95,
the cornice's foot 0.22 above them) the cornice does not stay square in the
hold: it rolls to up 0.88 while the outer beam straightens, and slewed
round to its place (at a quarter of the slew lever) it hangs 1.0 below the
hub and 0.45 m to its west at up 0.65; lowered, it strikes a pillar and
tips. Holding the grapple lever shut all the way does not keep it square. The fingers grip the cap's lip at two points, about which
the long stone turns. Next to try: a hold nearer the cornice's balance (the
hub lower on the ridge), or a guide on the piers and pillar tops that
squares the cornice as it is let down.

usage: python3 tools/solver/drivers/level07_wip.py"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 7
L = P.TRUCK_LEVERS
TEMPLE_CORNICE = (-4.3, 0.0)
PLACE_HUB = 7.24 + 0.49
SWEEP_HUB = 7.95
SWEEP_RADIUS = 0.7
LOADED_LIFT = 0.4
LOADED_SLEW = 0.25
ROUTE = [(-9, 5), (-6.45, 5), (-5.25, 4.4), (-4.88, 3.3), (-4.88, 0.74)]
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


def folded_levers(sim, target, lift=0.25, slew=1.0):
    """One correction with the boom at its stop: slew for the bearing, the
    outer beam's extension for the reach and the bend for the height."""
    bearing, reach, hub = P.slew_errors(sim, target)
    P.lever(sim, L["rotate"], -P.clamp(P.axis_setting(bearing, 3.0, 0.015, 0.2), -slew, slew))
    P.lever(sim, L["extend"], P.axis_setting(reach, 4.0, 0.015, 0.2))
    rise = target[2] - hub[2]
    P.lever(sim, L["bend"], P.axis_setting(rise, 3.0, 0.015, lift if rise > 0 else 0.25))
    return math.dist(hub, target)


def folded_to(sim, target, tolerance=0.05, max_ticks=1500, every=3, lift=0.25, slew=1.0):
    ticks = 0
    while ticks < max_ticks:
        if folded_levers(sim, target, lift, slew) < tolerance * 0.5:
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


def set_cornice(sim):
    if not take(sim, "cornice", CORNICE_HUB_ABOVE):
        return False
    c = sim.pose("cornice").pos
    hub = sim.pose("grapple").pos
    folded_to(sim, (hub[0], hub[1], c[2] + CORNICE_HUB_ABOVE + 0.15), 0.06, 600)
    show_cornice(sim, "off the piers")
    # In toward the slew axis and the outer beam straightened a little at a
    # time, the boom taking the height back: straight, the crane lifts the
    # cornice clear over the pillars' tops.
    axis = slew_axis(sim)
    inward = [axis[i] + SWEEP_RADIUS / math.dist(axis[:2], hub[:2]) * (hub[i] - axis[i]) for i in range(2)]
    folded_to(sim, (inward[0], inward[1], c[2] + CORNICE_HUB_ABOVE + 0.3), 0.08, 900)
    show_cornice(sim, "inward")
    folded_to(sim, (inward[0], inward[1], SWEEP_HUB), 0.06, 1500, lift=LOADED_LIFT)
    show_cornice(sim, "raised")
    place = (TEMPLE_CORNICE[0], TEMPLE_CORNICE[1], PLACE_HUB)
    folded_to(sim, (place[0], place[1], SWEEP_HUB), 0.06, 3000, lift=LOADED_LIFT, slew=LOADED_SLEW)
    log(sim, "over", [round(v, 3) for v in sim.pose("grapple").pos], sim.grasped())
    hang_still(sim)
    k = sim.pose("cornice")
    log(sim, "cornice over", [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 4), "yaw", round(math.degrees(k.heading), 1), "hubyaw", round(math.degrees(sim.pose("grapple").heading), 1))
    folded_to(sim, (place[0], place[1], PLACE_HUB + 0.05), 0.04, 900)
    hang_still(sim)
    folded_to(sim, place, 0.03, 600)
    hang_still(sim)
    k = sim.pose("cornice")
    log(sim, "lowered", [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 4), sim.grasped())
    P.work_grapple(sim, 1.0, 40)
    sim.step(60)
    k = sim.pose("cornice")
    log(sim, "let go", [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 4), sim.end_games)
    return True


def show_cornice(sim, what):
    k = sim.pose("cornice")
    log(sim, what, [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 4), "yaw", round(math.degrees(k.heading), 1),
        "hub", [round(v, 3) for v in sim.pose("grapple").pos], sim.grasped())


def slew_axis(sim):
    truck = sim.pose("truck")
    return [truck.pos[i] + P.SLEW_AXIS_AHEAD * truck.x_axis[i] for i in range(2)]


def drive(sim):
    P.lever(sim, L["elevate"], 1.0)
    sim.step(100)
    sim.post("leverUp leverNr=%d" % L["elevate"])
    if not P.follow_path(sim, "truck", ROUTE, throttle=0.5):
        return
    boom_to_top(sim)
    if set_pillar(sim) and not sim.ended:
        set_cornice(sim)
    sim.step(120)


if __name__ == "__main__":
    sim = driver_main.run(LEVEL, drive)
    print("endGames", sim.end_games, "digest", sim.digest())
