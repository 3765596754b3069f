"""Level 14, the tower crane: the new bearings wait on the lift platform,
which stands raised at the start. The truck drives round to the lever north
of the pit and pushes it over towards -x, so the platform comes down to the
yard; round the mast and onto the platform from the east end, it pushes the
lever the other way and rides up to the top with the balls. There it lifts
each ball, over the rail and into a pocket of the seat, the one nearest the
truck first: the east pair from where it stopped, the west pair from a
stance a little further west.

The crane is worked on its joints' readings (slew, boom and extension
solved for a point from the kit's beam lengths; the slew turns about the
truck's centre), not on where the swinging hub hangs: chasing the hub pumps
its swing, and an open prong swung a few centimetres knocks a ball away.

usage: python3 tools/solver/drivers/level14.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin  # noqa: E402

LEVEL = 14
DEBUG = os.environ.get("LEVEL14_DEBUG")
LEVER = (-0.5, 0.45)  # the lift lever's foot, north of the pit
LEVER_TOP = 1.0  # a push this high tips it
# The lever keeps the platform at the speed it last set; tilted this far
# (radians) it sets that many metres a second. The lift's push grows with
# that speed: with the truck on it, under about 0.4 it does not lift at all.
LOWER_TILT, RAISE_TILT = -0.2, 0.5
# Beside the lever, on the yard north-west of the pit, heading east.
LEVER_STANCE_ROUTE = [(-7.0, -5.6), (-4.6, -3.0), (-3.6, -0.2), (-3.0, 1.0), (-1.7, 1.05)]
# Round the mast's north side, turning wide enough to come out of the turn
# lined up on the platform's middle well east of the lift, then west along it.
TURN_CENTRE, TURN_RADIUS = (5.0, 0.9), 1.5
TURN = [(TURN_CENTRE[0] + TURN_RADIUS * math.sin(a * math.pi / 6),
         TURN_CENTRE[1] + TURN_RADIUS * math.cos(a * math.pi / 6)) for a in range(7)]
PLATFORM_Y = -0.6
# The two stances on the platform (the truck's centre, heading west).
STANCE_EAST, STANCE_WEST = 0.2, -0.25
PLATFORM_ROUTE = [(-1.0, 1.9), (-0.2, 2.3), (3.8, 2.4)] + TURN + [(3.0, PLATFORM_Y),
                                                                 (STANCE_EAST - 0.1, PLATFORM_Y)]
LIFT_TOP = 6.84  # the platform's top, loaded, at the top of its travel
BEARING_SEATED_Z = 7.14
BEARING_RADIUS = 0.12
# The ball nearest the truck goes next, from a stance this far east of it
# (within the two stances), into the first free pocket of POCKET_ORDER.
# Reach to spare (reach_margin, crane_can_reach with the bend used, from the
# stances as reached): 0.49 .. 0.59 at the picks; over the pockets 0.26
# (north-east, the tightest), 0.63 (south-east), 0.27 (north-west) and 0.62
# (south-west). The truck's centre stands 0.55 from the platform's edges.
BALL_STANCE_EAST = 1.15
POCKETS = (0.44, 0.86)  # the pockets' centres along x and along y
POCKET_ORDER = [(1, 1), (1, 0), (0, 1), (0, 0)]
JOB_TRIES = 8
# The prongs opened wide pass round a ball, and with the hub this far above
# its centre they close on it below its middle; lifted with the lever still
# closing, the fingers come in under it.
BALL_OPEN_TICKS = 90  # the prongs opened against their stops
BALL_HUB_ABOVE = 0.13
BALL_CLOSE_TICKS = 120
BALL_CLOSE_LEVER = -1.0
LIFT_STEPS = (0.05, 0.1, 0.2, 0.3)
BALL_HELD_WITHIN = 0.35
# The hub comes down onto a ball from this high over its centre, in steps
# on gentle levers, settling after each: a swing of a few centimetres puts a
# prong onto the ball.
BALL_APPROACH = 0.5
LOWER_STEPS = (0.4, 0.3)
LOWER_LEVER = 0.4
FINAL_LEVER = 0.25  # the last step down, slower still
CENTRED = 0.015
CENTRE_TRIES = 3
BALL_MOVED = 0.03  # a ball nudged further on the last step is picked again from above
# Carried this high the held ball clears the rails and the seat's rim.
TRAVEL_HUB = 7.95
DROP_HUB = 7.6  # the ball let go from here drops into its pocket
DROP_WITHIN = 0.06  # how near the pocket's middle the held ball must hang
PICK_TRIES = 3
DROP_TRIES = 3


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def lift_height(sim):
    """The platform's top, read from the balls lying on it (before any is
    taken off)."""
    return min(ball(sim, k)[2] for k in range(4)) - BEARING_RADIUS


def lever_angle(sim):
    """The lever's tilt (its hinge angle: positive with the top towards +x)."""
    z = sim.pose("liftlever").z_axis
    return math.atan2(z[0], z[2])


def push_lever(sim, tilt):
    """Pushes the lever's top over from the other side until it leans tilt
    radians, and lets the crane's levers go."""
    side = -math.copysign(0.3, tilt)
    x = LEVER[0] + side
    if not (P.hub_over(sim, (x, LEVER[1], LEVER_TOP + 0.3), tries=2, within=0.06)
            and P.hub_over(sim, (x, LEVER[1], LEVER_TOP), tries=2, within=0.06)):
        log(sim, "no reach", sim.pose("grapple").pos)
        return False
    for _ in range(100):
        if (lever_angle(sim) - tilt) * math.copysign(1, tilt) >= 0:
            break
        x -= math.copysign(0.02, side)
        if not P.crane_joints_to(sim, (x, LEVER[1], LEVER_TOP), max_ticks=12):
            break  # out of reach: the lift is carrying the truck up
    P.let_go_crane(sim)
    log(sim, "lever pushed to", lever_angle(sim))
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
    P.let_go_crane(sim)
    return True


def prongs(sim):
    return [round(sim.joint("crane", "prong%d" % k), 2) for k in range(4)]


def balls_xy(sim):
    return [[round(v, 2) for v in ball(sim, k)] for k in range(4)]


def ball(sim, i):
    return sim.pose("bearing", i).pos


def holding(sim, i):
    """Whether ball i hangs in the prongs: the grasp the grapple reports
    comes and goes while a held ball swings."""
    return math.dist(ball(sim, i), sim.pose("grapple").pos) < BALL_HELD_WITHIN


def travel(sim, xy):
    """Up from where the hub is, across at the travel height to over xy."""
    return (P.raise_hub_to(sim, TRAVEL_HUB) and P.hub_settle(sim)
            and P.crane_joints_to(sim, (xy[0], xy[1], TRAVEL_HUB)))


def pick(sim, i, bend):
    """Over ball i with the prongs wide open, down beside it and closed, and
    lifted on the closing lever until the fingers have come in under it;
    tried again where it lies when it stayed behind."""
    for _ in range(PICK_TRIES):
        c = ball(sim, i)
        if not (P.raise_hub_to(sim, TRAVEL_HUB) and P.bend_to(sim, bend)
                and P.work_grapple(sim, 1.0, BALL_OPEN_TICKS) and travel(sim, c)):
            return False
        P.hub_over(sim, (c[0], c[1], c[2] + BALL_APPROACH))
        for above in LOWER_STEPS:
            P.hub_over(sim, (c[0], c[1], c[2] + above), LOWER_LEVER)
        # Centred on the ball while the prongs still clear it, then slowly
        # straight down: a few centimetres off, the way down from here knocks
        # it away, and closed off-centre the prongs squeeze it out sideways.
        for _ in range(CENTRE_TRIES):
            b, hub = ball(sim, i), P.hub_rest_point(sim, 30)
            if math.hypot(hub[0] - b[0], hub[1] - b[1]) < CENTRED:
                break
            P.hub_over(sim, (b[0], b[1], c[2] + LOWER_STEPS[-1]), LOWER_LEVER, within=CENTRED)
        b = ball(sim, i)
        if sim.ended:
            return False
        if math.hypot(b[0] - c[0], b[1] - c[1]) > BALL_MOVED:
            continue  # knocked on the way down: from above again, where it lies
        P.hub_over(sim, (b[0], b[1], c[2] + BALL_HUB_ABOVE), FINAL_LEVER, tries=1)
        moved = math.hypot(ball(sim, i)[0] - b[0], ball(sim, i)[1] - b[1])
        log(sim, "ball", i, "lowered", sim.pose("grapple").pos, "moved", moved)
        if moved < BALL_MOVED:
            P.lever(sim, P.GRAPPLE_LEVER, BALL_CLOSE_LEVER)
            if sim.step(BALL_CLOSE_TICKS):
                return False
            log(sim, "closed", balls_xy(sim))
            for lift in LIFT_STEPS:
                P.crane_joints_to(sim, (c[0], c[1], c[2] + BALL_HUB_ABOVE + lift), LOWER_LEVER)
                log(sim, "lift", lift, balls_xy(sim))
            sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
            log(sim, "lifted", prongs(sim), ball(sim, i), sim.grasped())
            if holding(sim, i) and ball(sim, i)[2] > c[2] + LIFT_STEPS[-1] - 0.1:
                return P.raise_hub_to(sim, TRAVEL_HUB)
        P.work_grapple(sim, 1.0, BALL_OPEN_TICKS)
    return False


def seated(pos, pocket):
    return (math.hypot(pos[0] - POCKETS[pocket[0]], pos[1] - POCKETS[pocket[1]]) < 0.15
            and abs(pos[2] - BEARING_SEATED_Z) < 0.03)


def drop(sim, i, pocket, bend):
    """Carries ball i over the pocket, brings it to hang over the middle
    and lets go."""
    px, py = POCKETS[pocket[0]], POCKETS[pocket[1]]
    log(sim, "carrying", balls_xy(sim))
    if not (P.bend_to(sim, bend) and travel(sim, (px, py)) and P.hub_settle(sim)):
        return False
    log(sim, "carried", balls_xy(sim))
    aim = [px, py, DROP_HUB]
    for _ in range(DROP_TRIES):
        if not (P.crane_joints_to(sim, aim) and P.hub_settle(sim)):
            return False
        P.hub_rest_point(sim, 30)
        held = ball(sim, i)
        log(sim, "over", pocket, held, holding(sim, i))
        if not holding(sim, i) or math.hypot(held[0] - px, held[1] - py) < DROP_WITHIN:
            break
        aim = [aim[0] + px - held[0], aim[1] + py - held[1], DROP_HUB]  # it hangs off that far
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
    last = lift_height(sim)
    for _ in range(200):
        if sim.step(20):
            return
        now = lift_height(sim)
        if now > LIFT_TOP and abs(now - last) < 0.001:
            break
        last = now
    log(sim, "top", lift_height(sim), sim.pose("truck").pos)
    for _ in range(JOB_TRIES):
        loose = [k for k in range(4) if not any(seated(ball(sim, k), p) for p in POCKET_ORDER)]
        if not loose:
            break
        i = max(loose, key=lambda k: ball(sim, k)[0])  # the one nearest the truck
        free = [p for p in POCKET_ORDER if not any(seated(ball(sim, k), p) for k in range(4))]
        stance = max(STANCE_WEST, min(STANCE_EAST, ball(sim, i)[0] + BALL_STANCE_EAST))
        if sim.pose("truck").pos[0] - stance > 0.1:  # (it only ever moves on, westwards)
            fold_for_the_ride(sim)
            if not P.follow_path(sim, "truck", [(sim.pose("truck").pos[0], PLATFORM_Y),
                                                (stance, PLATFORM_Y)], throttle=0.3):
                return
            log(sim, "stance", sim.pose("truck").pos)
        c = ball(sim, i)
        pick_bend = P.bend_for(sim, ((c[0], c[1], c[2] + BALL_APPROACH),
                                     (c[0], c[1], c[2] + BALL_HUB_ABOVE)))
        pocket = free[0]
        px, py = POCKETS[pocket[0]], POCKETS[pocket[1]]
        drop_bend = P.bend_for(sim, ((px, py, TRAVEL_HUB), (px, py, DROP_HUB)))
        if pick_bend is None or drop_bend is None:
            return
        log(sim, "ball", i, "bend", pick_bend, "margin",
            reach_margin(sim, (c[0], c[1], c[2] + BALL_HUB_ABOVE), pick_bend), "pocket", pocket,
            "bend", drop_bend, "margin", reach_margin(sim, (px, py, DROP_HUB), drop_bend))
        if pick(sim, i, pick_bend):
            drop(sim, i, pocket, drop_bend)
        if sim.ended:
            break
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
