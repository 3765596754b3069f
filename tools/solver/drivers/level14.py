"""Level 14, the tower crane: the new bearings wait in the frame on the lift
platform, which stands raised at the start. The truck drives round to the
lever north of the pit and pushes it over towards -x, so the platform comes
down to the yard; round the mast and onto the platform from the east end,
it pushes the lever the other way and rides up to the top with the balls.
There it lifts each ball out of the frame, over the rail and into a pocket
of the seat: the east pair from one stance, the west pair from a second
one a little further west.

usage: python3 tools/solver/drivers/level14.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import set_grapple  # noqa: E402

LEVEL = 14
DEBUG = os.environ.get("LEVEL14_DEBUG")
LEVER = (-0.5, 0.45)  # the lift lever's foot, north of the pit
LEVER_TOP = 1.0  # a push this high tips it
# The lever keeps the platform at the speed it last set; tilted this far
# (radians) it sets that many metres a second. The lift's push grows with
# that speed: with the truck on it, under about 0.4 it does not lift at all.
LOWER_TILT, RAISE_TILT = -0.2, 0.7
# Beside the lever, on the yard north-west of the pit, heading east.
LEVER_STANCE_ROUTE = [(-7.0, -5.6), (-4.6, -3.0), (-3.6, -0.2), (-3.0, 1.0), (-1.7, 1.05)]
# Round the mast's north side, turning wide enough to come out of the turn
# lined up on the platform's middle well east of the lift, then west along it.
TURN_CENTRE, TURN_RADIUS = (5.0, 0.9), 1.5
TURN = [(TURN_CENTRE[0] + TURN_RADIUS * math.sin(a * math.pi / 6),
         TURN_CENTRE[1] + TURN_RADIUS * math.cos(a * math.pi / 6)) for a in range(7)]
PLATFORM_Y = -0.6
# The two stances on the platform (the truck's centre, heading west).
STANCE_EAST, STANCE_WEST = 0.59, 0.09
PLATFORM_ROUTE = [(-1.0, 1.9), (-0.2, 2.3), (3.8, 2.4)] + TURN + [(3.0, PLATFORM_Y),
                                                                 (STANCE_EAST - 0.1, PLATFORM_Y)]
LIFT_TOP = 6.84  # the platform's top, loaded, at the top of its travel
# The crane's own slew axis stands this far ahead of the truck's centre;
# the kit's reach is measured from the centre.
# Each ball: the stance it is picked from, the bend held for the pick, the
# pocket (i, j) it goes to and the bend held over it. Reach to spare
# (crane_can_reach, from the stance as reached): east balls 0.23 at the
# pick, pockets 0.40 (north-east) and 0.68 (south-east); west balls 0.29,
# pockets 0.41 (north-west) and 0.69 (south-west).
JOBS = [(STANCE_EAST, -0.8, (1, 1), -0.4), (STANCE_EAST, -0.8, (1, 0), -0.8),
        (STANCE_WEST, -0.8, (0, 1), -0.4), (STANCE_WEST, -0.8, (0, 0), -0.8)]
POCKETS = (0.44, 0.86)  # the pockets' centres along x and along y
# The prongs opened this far pass round a ball, and with the hub this far
# above its centre their fingers close round its middle.
BALL_OPEN = 1.0
BALL_HUB_ABOVE = 0.2
BALL_SQUEEZE_TICKS = 60
BALL_HELD_WITHIN = 0.35
# Lowered onto a ball in steps (hub heights over its centre), each settled:
# swung down in one go the hub overshoots and a prong shoves it away.
LOWER_STEPS = (0.45, 0.35, 0.28)
# Carried this high the held ball clears the rails and the seat's rim.
TRAVEL_HUB = 7.95
DROP_HUB = 7.75  # the ball let go from here drops into its pocket
DROP_WITHIN = 0.06  # how near the pocket's middle the held ball must hang
PICK_TRIES = 3
DROP_TRIES = 3


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def lift_height(sim):
    """The platform's top, read from the frame lying on it."""
    return sim.pose("frame").pos[2] - 0.05


def lever_angle(sim):
    """The lever's tilt (its hinge angle: positive with the top towards +x)."""
    z = sim.pose("liftlever").z_axis
    return math.atan2(z[0], z[2])


def let_go_levers(sim):
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])


def push_lever(sim, tilt):
    """Pushes the lever's top over from the other side until it leans tilt
    radians, and lets the crane's levers go."""
    side = -math.copysign(0.3, tilt)
    x = LEVER[0] + side
    if not P.grapple_to(sim, (x, LEVER[1], LEVER_TOP + 0.5), tolerance=0.15):
        log(sim, "no reach above", sim.pose("grapple").pos)
        return False
    if not P.grapple_to(sim, (x, LEVER[1], LEVER_TOP), tolerance=0.12):
        log(sim, "no reach", sim.pose("grapple").pos)
        return False
    for _ in range(200):
        if (lever_angle(sim) - tilt) * math.copysign(1, tilt) >= 0:
            break
        x -= math.copysign(0.02, side)
        P.crane_levers_toward(sim, (x, LEVER[1], LEVER_TOP))
        if sim.step(3):
            return False
    let_go_levers(sim)
    return (lever_angle(sim) - tilt) * math.copysign(1, tilt) >= 0


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
    let_go_levers(sim)
    return True


def ball(sim, i):
    return sim.pose("bearing", i).pos


def holding(sim, i):
    """Whether ball i hangs in the prongs: the grasp the grapple reports
    comes and goes while a held ball swings."""
    return math.dist(ball(sim, i), sim.pose("grapple").pos) < BALL_HELD_WITHIN


def pick(sim, i, bend):
    """Over ball i with the prongs open, down round it in steps and closed;
    tried again where it lies when the prongs brushed it aside."""
    for _ in range(PICK_TRIES):
        c = ball(sim, i)
        at = (c[0], c[1], c[2] + BALL_HUB_ABOVE)
        if not (P.raise_hub_to(sim, TRAVEL_HUB - 0.2) and P.bend_to(sim, bend)):
            return False
        log(sim, "bent", sim.joint("crane", "bend"), sim.pose("grapple").pos, ball(sim, i))
        hub = sim.pose("grapple").pos
        if not (P.grapple_to(sim, (hub[0], hub[1], TRAVEL_HUB))
                and P.grapple_to(sim, (c[0], c[1], TRAVEL_HUB - 0.2))
                and set_grapple(sim, BALL_OPEN)):
            return False
        log(sim, "over ball", i, sim.pose("grapple").pos, ball(sim, i))
        for above in LOWER_STEPS:
            P.grapple_to(sim, (c[0], c[1], c[2] + above), tolerance=0.03, max_ticks=600)
            log(sim, "  step", above, sim.pose("grapple").pos, ball(sim, i))
        lowered = P.grapple_to(sim, at, tolerance=0.05, max_ticks=600)
        moved = math.dist(ball(sim, i), c)
        log(sim, "ball", i, "lowered", lowered, sim.pose("grapple").pos, "moved", moved)
        if moved < 0.03 and P.close_until_grasped(sim, "bearing"):
            P.work_grapple(sim, -1.0, BALL_SQUEEZE_TICKS)
            P.grapple_to(sim, (at[0], at[1], TRAVEL_HUB - 0.2), tolerance=0.1, max_ticks=600)
            log(sim, "lifted", holding(sim, i), ball(sim, i))
            if holding(sim, i):
                return True
        set_grapple(sim, BALL_OPEN)
    return False


def swing_to(sim, target, near=0.25, max_ticks=900, every=3):
    """Brings the hub near target in one sweep, without stopping to see
    where it hangs."""
    for _ in range(0, max_ticks, every):
        if P.crane_levers_toward(sim, target) < near:
            break
        if sim.step(every):
            return False
    let_go_levers(sim)
    return True


def seated(pos, pocket):
    return (math.hypot(pos[0] - POCKETS[pocket[0]], pos[1] - POCKETS[pocket[1]]) < 0.15
            and abs(pos[2] - 7.14) < 0.03)


def drop(sim, i, pocket, bend):
    """Carries ball i over the pocket, waits for it to hang over the middle
    and lets go."""
    px, py = POCKETS[pocket[0]], POCKETS[pocket[1]]
    if not (P.raise_hub_to(sim, TRAVEL_HUB) and P.bend_to(sim, bend)):
        return False
    swing_to(sim, (px, py, TRAVEL_HUB))
    aim = [px, py]
    for _ in range(DROP_TRIES):
        P.grapple_to(sim, (aim[0], aim[1], DROP_HUB), tolerance=0.15, max_ticks=900)
        held = ball(sim, i)
        log(sim, "over", pocket, held, holding(sim, i))
        if not holding(sim, i) or math.hypot(held[0] - px, held[1] - py) < DROP_WITHIN:
            break
        aim = [aim[0] - (held[0] - px), aim[1] - (held[1] - py)]  # it hangs off that far
    if not P.work_grapple(sim, 1.0, 40):
        return False
    sim.step(90)
    log(sim, "dropped", ball(sim, i))
    return seated(ball(sim, i), pocket)


def drive(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(100)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if not P.follow_path(sim, "truck", LEVER_STANCE_ROUTE, throttle=0.5):
        return
    log(sim, "at lever stance", sim.pose("truck").pos)
    if not push_lever(sim, LOWER_TILT):
        return
    for _ in range(100):
        if sim.step(20) or lift_height(sim) < 0.05:
            break
    log(sim, "lever", lever_angle(sim), "lift", lift_height(sim))
    fold_for_the_ride(sim)
    if not P.follow_path(sim, "truck", PLATFORM_ROUTE, throttle=0.4):
        log(sim, "stuck", sim.pose("truck").pos, sim.pose("truck").heading)
        return
    log(sim, "on platform", sim.pose("truck").pos, sim.pose("truck").heading)
    if not push_lever(sim, RAISE_TILT):
        return
    fold_for_the_ride(sim)
    for _ in range(200):
        if sim.step(20) or lift_height(sim) > LIFT_TOP:
            break
    log(sim, "top", lift_height(sim), sim.pose("truck").pos)
    for i, (stance, pick_bend, pocket, drop_bend) in enumerate(JOBS):
        if abs(sim.pose("truck").pos[0] - stance) > 0.15:
            fold_for_the_ride(sim)
            if not P.follow_path(sim, "truck", [(sim.pose("truck").pos[0], PLATFORM_Y),
                                                (stance, PLATFORM_Y)], throttle=0.3):
                return
            log(sim, "stance", sim.pose("truck").pos)
        if not (pick(sim, i, pick_bend) and drop(sim, i, pocket, drop_bend)):
            log(sim, "ball", i, "not seated", ball(sim, i))
            return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
