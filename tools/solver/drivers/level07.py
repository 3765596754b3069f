"""Level 7, the temple: stands the pillar in its socket, then jacks the
cornice off its piers on the crane's outer beam and sets it on the pillars.

The truck comes down the plateau and stops facing south north of the front,
between the loose pillar (west) and the socket (south-west). The pillar is
worked with the boom at its top stop and the outer beam folded down (bend
for the height, extension for the reach): folded, every prong opens wide,
the hub comes down close over the pillar's top and the fingers close under
the capital. The pillar hangs upright, is carried over the socket and let
down into it, where the socket's walls square it (the foot carried just over
the lip round the socket's mouth). A foot that comes down on the paving
beside the socket shows, resting still, how far off it landed: the pillar is
lifted clear and the hub shifted by that much. Let go, the hub is lifted
straight up a few centimetres at a time, re-centred over the pillar each
time, or an open finger catches the capital and tips it.

The cornice is not grappled: a stone that long turns about the two points
where the fingers hold its ridge. It waits on two piers south of its place,
at the height of the outer beam held level with the boom at its top, and is
jacked: the truck stands between the pillars facing south, the level beam
is slewed in under the cornice's middle (the hub well beyond it, or it
pushes the stone off the piers), and the bend raised at full lever lifts it
a few centimetres, resting across the beam. The truck backs off slowly with
the cornice riding on the beam until the stone is over its place, and the
beam is let down under it onto the pillars' tops.

usage: python3 tools/solver/drivers/level07.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 7
L = P.TRUCK_LEVERS
TEMPLE_CORNICE = (-4.3, 0.0)
TEMPLE_CORNICE_REST = 7.12 + 0.22  # its middle, waiting on the piers
ROUTE = [(-9, 5), (-6.45, 5), (-5.25, 4.4), (-4.88, 3.3), (-4.88, 0.74)]
SOCKET = (-5.8, 0.0)
# The hub over the pillar's top (its centre is 0.8 below the top) with the
# fingers just under the capital; the pillar hangs with its foot this far
# below the hub.
PILLAR_HUB_ABOVE = 0.83
PILLAR_HANGS = 1.66
CARRY_CLEAR = 0.1
FLOOR, SOCKET_FLOOR = 5.62, 5.42
SOCKET_DEPTH = FLOOR - SOCKET_FLOOR
SEATED_Z = SOCKET_FLOOR + 0.8 + 0.03  # the pillar's middle, standing in the socket
SEATING_TRIES = 4
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


def still(sim, name, max_ticks=300, every=10):
    for _ in range(0, max_ticks, every):
        if sim.pose(name).speed < 0.01 or sim.step(every):
            return


def mean_offset(sim, ticks=60, every=5):
    """Where the pillar's middle hangs from the hub, averaged over a swing."""
    samples = []
    for _ in range(0, ticks, every):
        sim.step(every)
        p, h = sim.pose("pillar").pos, sim.pose("grapple").pos
        samples.append((p[0] - h[0], p[1] - h[1]))
    return [sum(v[i] for v in samples) / len(samples) for i in range(2)]


def pillar_over_socket(sim, z, tries=3):
    """Hangs the pillar's middle, not the hub, over the socket with the hub
    at z: the pillar hangs a little askew in the fingers, and its foot must
    land inside the socket's walls. Returns the hub's aim that does it."""
    aim = list(SOCKET)
    for _ in range(tries):
        folded_to(sim, (aim[0], aim[1], z), 0.03, 600)
        hang_still(sim)
        still(sim, "pillar")
        off = mean_offset(sim)
        h = sim.pose("grapple").pos
        miss = [SOCKET[i] - h[i] - off[i] for i in range(2)]
        show_pillar(sim, "centring %.3f %.3f" % tuple(miss))
        if math.hypot(*miss) < 0.03:
            break
        aim = [SOCKET[i] - off[i] for i in range(2)]
    return aim


def show_pillar(sim, what):
    p = sim.pose("pillar")
    log(sim, what, [round(v, 3) for v in p.pos], "up", round(p.z_axis[2], 3),
        "hub", [round(v, 3) for v in sim.pose("grapple").pos], sim.grasped())


def set_pillar(sim):
    if not take(sim, "pillar", PILLAR_HUB_ABOVE):
        return False
    carry = FLOOR + CARRY_CLEAR + PILLAR_HANGS
    c = sim.pose("pillar").pos
    folded_to(sim, (c[0], c[1], carry), 0.08, 600)
    folded_to(sim, (SOCKET[0], SOCKET[1], carry), 0.06, 900)
    log(sim, "over the socket", [round(v, 3) for v in sim.pose("grapple").pos], round(sim.joint("crane", "extend"), 3), round(sim.joint("crane", "bend"), 3))
    rest = SOCKET_FLOOR + PILLAR_HANGS
    aim = pillar_over_socket(sim, rest + SOCKET_DEPTH + 0.1)
    for _ in range(SEATING_TRIES):
        for z in (rest + 0.1, rest + 0.05, rest):
            folded_to(sim, (aim[0], aim[1], z), 0.04, 600)
            hang_still(sim)
            show_pillar(sim, "down to %.2f" % z)
        # Resting on the paving beside the socket, the pillar shows still
        # and exactly how far off its foot came down: lift it clear and
        # shift the hub by that much.
        p = sim.pose("pillar").pos
        if p[2] < SEATED_Z or sim.ended:
            break
        miss = [SOCKET[i] - p[i] for i in range(2)]
        folded_to(sim, (aim[0], aim[1], rest + SOCKET_DEPTH + 0.08), 0.04, 600)
        hang_still(sim)
        aim = [aim[i] + miss[i] for i in range(2)]
    P.work_grapple(sim, 1.0, 40)
    sim.step(30)
    # Straight up, a few centimetres at a time over the pillar's middle.
    for k in range(1, 9):
        p = sim.pose("pillar").pos
        folded_to(sim, (p[0], p[1], rest + 0.05 * k), 0.03, 300)
        show_pillar(sim, "up %d" % k)
    p = sim.pose("pillar")
    log(sim, "pillar", [round(v, 3) for v in p.pos], "up", round(p.z_axis[2], 3))
    return p.z_axis[2] > 0.98 and math.hypot(p.pos[0] - SOCKET[0], p.pos[1] - SOCKET[1]) < 0.1


LEVER = {"slew": "rotate", "boom": "elevate", "bend": "bend", "extend": "extend"}
GAIN = {"slew": (4.0, 0.15), "boom": (4.0, 0.4), "bend": (4.0, 0.3), "extend": (5.0, 0.15)}
# The outer beam's angle above level (boom plus bend) for each stage of the
# jack: under the cornice on its piers, lifting it, and clear below it once
# the pillars carry it.
UNDER, LIFTED = -0.045, 0.12
LOWERED = (0.03, 0.0, -0.03, -0.06, -0.09, -0.12, -0.2)
JACK_REACH = 0.72  # extension: the hub hangs well beyond the cornice
BACKING = 0.1  # throttle: faster, the narrow stone tips on the beam
# Out of the cornice's way while the truck moves: slewed round over the back.
STOWED_SLEW = 2.6
CORNICE_STANCE = [(-4.5, 2.2), (-4.3, 1.5), (-4.3, 0.3)]


def joints_to(sim, targets, limit=1.0, tolerance=0.006, max_ticks=900, every=2):
    """Works the named crane joints (slew, boom, bend, extend) on their own
    readings until each is within tolerance of its target."""
    for _ in range(0, max_ticks, every):
        errors = {}
        for joint, target in targets.items():
            error = target - sim.joint("crane", joint)
            errors[joint] = P.wrap(error) if joint == "slew" else error
        if all(abs(e) < tolerance for e in errors.values()):
            break
        for joint, error in errors.items():
            gain, least = GAIN[joint]
            setting = P.axis_setting(error, gain, tolerance * 0.7, least)
            P.lever(sim, L[LEVER[joint]], P.clamp(setting, -max(limit, least), max(limit, least)))
        if sim.step(every):
            break
    for joint in targets:
        sim.post("leverUp leverNr=%d" % L[LEVER[joint]])


def beam_at(sim, angle):
    """The bend that holds the outer beam angle radians above level."""
    return angle - sim.joint("crane", "boom")


def stow_crane(sim):
    """Lifts the hub clear of the pillar and turns the crane round over the
    truck's back, the outer beam level and drawn in."""
    hub = sim.pose("grapple").pos
    folded_to(sim, (hub[0], hub[1], hub[2] + 0.4), 0.05, 600)
    joints_to(sim, {"slew": STOWED_SLEW}, limit=0.4)
    joints_to(sim, {"extend": P.EXTEND_RANGE[0]}, limit=0.5)
    joints_to(sim, {"bend": beam_at(sim, UNDER)}, limit=0.5)


def to_cornice_stance(sim):
    sim.post("steer setting=0")
    sim.post("accelcontrol setting=-0.4")
    sim.step(150)
    P.come_to_rest(sim, "truck")
    t = sim.pose("truck").pos
    return P.follow_path(sim, "truck", [(t[0], t[1])] + CORNICE_STANCE, throttle=0.4)


def jack_cornice(sim):
    """Slews the level beam in under the cornice's middle and lifts it."""
    t = sim.pose("truck")
    k = sim.pose("cornice").pos
    toward = -P.wrap(math.atan2(k[1] - t.pos[1], k[0] - t.pos[0]) - t.heading)
    start = sim.joint("crane", "slew")
    for f in (0.33, 0.66, 1.0):
        joints_to(sim, {"slew": start + (toward - start) * f}, limit=0.5)
    joints_to(sim, {"extend": JACK_REACH}, limit=0.5)
    # The arm's motors push hard only at full lever.
    P.lever(sim, L["bend"], 1.0)
    for _ in range(300):
        if sim.step(3) or sim.joint("crane", "bend") > beam_at(sim, LIFTED):
            break
    sim.post("leverUp leverNr=%d" % L["bend"])
    sim.step(30)
    show_cornice(sim, "jacked")
    return sim.pose("cornice").pos[2] > TEMPLE_CORNICE_REST + 0.02


def back_over_place(sim, max_ticks=2000, every=5):
    """Backs the truck off slowly until the cornice rides over its place."""
    sim.post("steer setting=0")
    for _ in range(0, max_ticks, every):
        if sim.pose("cornice").pos[1] > TEMPLE_CORNICE[1] - 0.03:
            break
        sim.post("accelcontrol setting=%f" % -BACKING)
        if sim.step(every):
            break
    P.come_to_rest(sim, "truck")
    show_cornice(sim, "over its place")


def let_down(sim):
    for angle in LOWERED:
        joints_to(sim, {"bend": beam_at(sim, angle)}, limit=0.3)
        if sim.step(20):
            return


def show_cornice(sim, what):
    k = sim.pose("cornice")
    log(sim, what, [round(v, 3) for v in k.pos], "up", round(k.z_axis[2], 4),
        "yaw", round(math.degrees(k.heading), 1))


def drive(sim):
    P.lever(sim, L["elevate"], 1.0)
    sim.step(100)
    sim.post("leverUp leverNr=%d" % L["elevate"])
    if not P.follow_path(sim, "truck", ROUTE, throttle=0.5):
        return
    boom_to_top(sim)
    if not set_pillar(sim) or sim.ended:
        return
    stow_crane(sim)
    if to_cornice_stance(sim) and jack_cornice(sim):
        back_over_place(sim)
        let_down(sim)
    sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
