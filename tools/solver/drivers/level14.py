"""Level 14, the tower crane: the new bearings wait in the frame on the lift
platform, which stands raised at the start. The truck drives round to the
lever north of the pit and pushes it over towards -x, so the platform comes
down to the yard; round the mast and onto the platform from the east end,
it pushes the lever the other way and rides up to the top with the balls.
There it lifts each ball out of the frame, over the rail and into a pocket
of the seat.

usage: python3 tools/solver/drivers/level14.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 14
LEVER = (-0.5, 0.45)  # the lift lever's foot, north of the pit
LEVER_TOP = 1.0  # a push this high tips it
# The lever keeps the platform at the speed it last set; tilted this far
# (radians) it sets that many metres a second.
LOWER_TILT, RAISE_TILT = -0.2, 0.85
# Beside the lever, on the yard north-west of the pit, heading east.
LEVER_STANCE_ROUTE = [(-7.0, -5.6), (-4.6, -3.0), (-3.6, -0.2), (-3.0, 1.0), (-1.7, 1.05)]
# Round the mast's north side, turning wide enough to come out of the turn
# lined up on the platform's middle well east of the lift, then west along it.
TURN_CENTRE, TURN_RADIUS = (5.0, 0.9), 1.5
TURN = [(TURN_CENTRE[0] + TURN_RADIUS * math.sin(a * math.pi / 6),
         TURN_CENTRE[1] + TURN_RADIUS * math.cos(a * math.pi / 6)) for a in range(7)]
PLATFORM_ROUTE = [(-1.0, 1.9), (-0.2, 2.3), (3.8, 2.4)] + TURN + [(3.0, -0.6), (0.1, -0.6)]


def lift_height(sim):
    """The platform's top, read from the frame lying on it."""
    return sim.pose("frame").pos[2] - 0.05


def lever_angle(sim):
    """The lever's tilt, from where its top has gone."""
    p = sim.pose("liftlever").pos
    return math.atan2(p[0] - (LEVER[0] - 0.1), p[2] - 0.55) - math.atan2(0.1, 0.25)


def push_lever(sim, tilt):
    """Pushes the lever's top over from the other side until it leans tilt
    radians, then lifts the grapple clear above it."""
    side = -math.copysign(0.3, tilt)
    x = LEVER[0] + side
    if not P.grapple_to(sim, (x, LEVER[1], LEVER_TOP + 0.5)):
        print("no reach above", sim.pose("grapple").pos, file=sys.stderr)
        return False
    if not P.grapple_to(sim, (x, LEVER[1], LEVER_TOP), tolerance=0.12):
        print("no reach", sim.pose("grapple").pos, file=sys.stderr)
        return False
    for _ in range(200):
        a = lever_angle(sim)
        if (a - tilt) * math.copysign(1, tilt) >= 0:
            break
        x -= math.copysign(0.02, side)
        P.crane_levers_toward(sim, (x, LEVER[1], LEVER_TOP))
        if sim.step(3):
            return False
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
    hub = sim.pose("grapple").pos
    return P.grapple_to(sim, (hub[0], hub[1], LEVER_TOP + 0.6))


def fold_for_the_ride(sim, max_ticks=900, every=3):
    """Swings the crane round over the truck's length, so that it meets
    neither the mast on the way round nor the rails at the top. The point
    is taken afresh from the truck each time, as the lift may be carrying
    it up meanwhile."""
    for _ in range(0, max_ticks, every):
        truck = sim.pose("truck")
        ahead = (truck.pos[0] + 0.9 * truck.x_axis[0], truck.pos[1] + 0.9 * truck.x_axis[1],
                 truck.pos[2] + 1.2)
        hub = sim.pose("grapple").pos
        if math.hypot(hub[0] - ahead[0], hub[1] - ahead[1]) < 0.15:
            break
        P.crane_levers_toward(sim, ahead)
        if sim.step(every):
            return False
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
    return True


def drive(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(100)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if not P.follow_path(sim, "truck", LEVER_STANCE_ROUTE, throttle=0.5):
        return
    print("at lever stance", sim.pose("truck").pos, file=sys.stderr)
    if not push_lever(sim, LOWER_TILT):
        return
    print("lever", lever_angle(sim), "lift", lift_height(sim), file=sys.stderr)
    for _ in range(100):
        if sim.step(20) or lift_height(sim) < 0.05:
            break
    print("lever", lever_angle(sim), "lift", lift_height(sim), file=sys.stderr)
    print("balls", [sim.pose("bearing", i).pos for i in range(4)], file=sys.stderr)
    fold_for_the_ride(sim)
    if not P.follow_path(sim, "truck", PLATFORM_ROUTE, throttle=0.4):
        print("stuck", sim.pose("truck").pos, sim.pose("truck").heading, file=sys.stderr)
        return
    print("on platform", sim.pose("truck").pos, sim.pose("truck").heading, file=sys.stderr)
    if not push_lever(sim, RAISE_TILT):
        return
    print("lever", lever_angle(sim), "lift", lift_height(sim), file=sys.stderr)
    fold_for_the_ride(sim)
    for _ in range(200):
        if sim.step(20) or lift_height(sim) > 6.86:
            break
    print("top", lift_height(sim), sim.pose("truck").pos, file=sys.stderr)
    print("balls", [sim.pose("bearing", i).pos for i in range(4)], file=sys.stderr)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
