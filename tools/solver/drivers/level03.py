"""Level 3, the seesaw: load the five balls from the rack into the cart on the
loading platform beyond the trench. The plank over the trench tips under a
truck on its short east arm, so the weight goes on its long west arm first.
The truck backs away from the plank, draws up beside the weight, lifts it by
the disc on its top and sets it down on the plank's west end, then drives
over the plank, up the ramp and along the rack, and swings the balls one by
one from the rack into the cart.

usage: python3 tools/solver/drivers/level03.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 3
DEBUG = os.environ.get("LEVEL03_DEBUG")

# Back straight off the plank, then draw up level with the weight: over its
# disc the crane has 0.44 m of reach to spare (crane_can_reach, from the
# stance as reached).
BACK_TO = (-8.0, 0.6)
WEIGHT_STANCE = (-6.3, 0.7)
# The weight's disc stands proud of its block on a stem: the prongs opened
# flat pass round it, and closed their fingers hook under its rim.
WEIGHT_OPEN = 1.5
WEIGHT_HUB_ABOVE = 0.64
WEIGHT_SQUEEZE_TICKS = 40
WEIGHT_PICK_TRIES = 3
# Carried high enough that its foot clears the plank and the notch.
WEIGHT_CARRY_HUB = 1.35
# The weight's place on the plank's long arm, clear of the truck's way past
# it along y = PLANK_LANE, and the stance it is set down from.
PLACE_STANCE = (-5.3, 0.65)
WEIGHT_PLACE = (-3.9, 0.6)  # carried over it, 0.24 m of reach to spare
SEESAW_CART_X, SEESAW_CART_Y = 8.9, -1.2
WEIGHT_REST_Z = 0.45  # its centre, standing on the plank
# A weight standing on one edge of its foot, leaning on the hub, is down.
WEIGHT_LEAN = 0.12
WEIGHT_FREE_HUB = 0.62  # the hub over the weight's centre, fingers below the disc
WEIGHT_FREE_TRIES = 3
CROSS_START = (-7.3, 0.65)
# Over the plank south of the weight, off the far end onto the dock and up
# the ramp, then north between the cart and the rack.
PLANK_LANE = -0.35
RACK_LANE = 0.15
CROSSING = [(-6.2, 0.5), (-5.2, PLANK_LANE), (-4.6, PLANK_LANE), (5.0, PLANK_LANE),
            (6.8, PLANK_LANE), (7.6, RACK_LANE)]
# The crane stowed ahead of the truck, low enough to pass under nothing and
# clear of the rack on the left.
STOW_AHEAD, STOW_HEIGHT = 1.3, 1.2
# The prongs hang square to the crane's beam. Come at a ball square to the
# rack and the ones along it land on its neighbours; so the truck stands
# east of each ball and reaches back in north-west, the prongs across the
# corners between the balls.
# Over each ball 0.36 .. 0.47 m of reach to spare, on the way in above it
# 0.22 .. 0.23 m.
BALL_STANCE_EAST = 0.75
# The prongs opened this far pass round a ball, and with the hub this far
# above its centre their fingers close round its middle.
BALL_OPEN = 1.0
BALL_HUB_ABOVE = 0.2
BALL_PICK_TRIES = 3
BALL_LOAD_TRIES = 3
SEESAW_RACK_WEST, SEESAW_RACK_EAST, SEESAW_RACK_Y, SEESAW_RACK_TOP = 8.15, 9.85, 1.0, 1.89
BALL_SQUEEZE_TICKS = 60
BALL_APPROACH = 0.3  # the hub this much higher on the way in
BALL_TRAVEL_HUB = 2.6  # the prongs clear of every ball on the rack
# The hub lags toward the truck under a swinging ball: aim past the well's
# middle. A ball over CART_WELL (half sizes about the cart's middle) drops in.
# Over the drops 0.30 m of reach to spare for the first ball, down to 0.20 m
# for the last, the tightest place of the job.
CART_DROPS = [(8.55 + 0.24 * i, SEESAW_CART_Y - 0.12) for i in range(5)]
CART_WELL = (0.63, 0.17)
BALL_DROP_TRIES = 3
BALL_HELD_WITHIN = 0.35
BALL_DROP_HUB = 1.45


def log(sim, *words):
    if DEBUG:
        balls = [tuple(round(v, 2) for v in sim.pose("soccerball", i).pos[:2]) for i in range(5)]
        print(sim.tick, *words, balls, file=sys.stderr)


def reverse_to(sim, target, tolerance=0.2, throttle=0.4, max_ticks=2000, every=3):
    """Backs the truck to the ground point target, tail first: turning the
    wheel right swings the tail to the left as the truck backs."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        dx, dy = target[0] - p.pos[0], target[1] - p.pos[1]
        behind = -(dx * math.cos(p.heading) + dy * math.sin(p.heading))
        if math.hypot(dx, dy) < tolerance or behind < 0.05:
            return P.come_to_rest(sim, "truck")
        error = P.wrap(math.atan2(dy, dx) - (p.heading + math.pi))
        sim.post("steer setting=%f" % P.clamp(2.0 * error))
        sim.post("accelcontrol setting=%f" % (-throttle * min(1.0, behind) * max(0.3, math.cos(error))))
        if sim.step(every):
            return False
    return False


def set_grapple(sim, angle, max_ticks=120, every=2):
    """Opens or closes the prongs until the first stands angle out."""
    lever = P.TRUCK_LEVERS["grapple"]
    for _ in range(0, max_ticks, every):
        error = angle - sim.joint("crane", "prong0")
        if abs(error) < 0.05:
            break
        P.lever(sim, lever, 1.0 if error > 0 else -1.0)
        if sim.step(every):
            return False
    sim.post("leverUp leverNr=%d" % lever)
    return abs(angle - sim.joint("crane", "prong0")) < 0.1


def reach_margin(sim, point, bend=0.0, step=0.01):
    """How much further out from the truck, level, the point could be and
    the crane still reach it from where the truck stands, with this bend:
    counted up to the first miss, so a pinhole in the kit's sampled reach
    stops it short. primitives.reach_margin takes the best bend and the
    furthest point; the figures already written in the levels came from
    this one, so the older drivers keep it."""
    truck = sim.pose("truck").pos
    dx, dy = point[0] - truck[0], point[1] - truck[1]
    d = math.hypot(dx, dy)
    margin = 0.0
    while P.crane_can_reach(sim, (point[0] + dx / d * (margin + step),
                                  point[1] + dy / d * (margin + step), point[2]), bend):
        margin += step
    return margin


def lift_hub_to(sim, z, max_ticks=600, every=3):
    """Raises the hub to z on full boom lever; True once it stands there."""
    if not P.raise_hub_to(sim, z, max_ticks, every):
        return False
    log(sim, "lifted", sim.pose("grapple").pos, sim.grasped())
    return sim.pose("grapple").pos[2] >= z


def pick_weight(sim):
    """Lowers the opened prongs round the weight's disc, closes them under
    its rim and lifts; tries again from above when the prongs landed on the
    disc or the weight stayed put."""
    for _ in range(WEIGHT_PICK_TRIES):
        w = sim.pose("heavyweight").pos
        at = (w[0], w[1], w[2] + WEIGHT_HUB_ABOVE)
        above = (at[0], at[1], at[2] + 0.3)
        log(sim, "weight reach margin", reach_margin(sim, at))
        if not lift_hub_to(sim, above[2]):
            return False
        if not (P.grapple_to(sim, above, tolerance=0.1) and set_grapple(sim, WEIGHT_OPEN)):
            return False
        P.grapple_to(sim, at, tolerance=0.06, max_ticks=600)
        hub = sim.pose("grapple").pos
        log(sim, "lowered", hub)
        if math.dist(hub, at) > 0.06 or not P.close_until_grasped(sim, "heavyweight"):
            set_grapple(sim, WEIGHT_OPEN)
            continue
        P.work_grapple(sim, -1.0, WEIGHT_SQUEEZE_TICKS)
        log(sim, "squeezed", sim.grasped(), [round(sim.joint("crane", "prong%d" % i), 2) for i in range(4)])
        if lift_hub_to(sim, WEIGHT_CARRY_HUB) and sim.grasped() == "heavyweight":
            return True
        set_grapple(sim, WEIGHT_OPEN)
    return False


def hang_still(sim, name, place, tries=4):
    """Lowers the load named name over place (x, y, z of its centre) with
    the hub kept over it, and waits for it to stop swinging: let go while it
    swings, it lands askew and drags on the prongs."""
    for _ in range(tries):
        hub, load = sim.pose("grapple").pos, sim.pose(name).pos
        target = (place[0] + hub[0] - load[0], place[1] + hub[1] - load[1],
                  place[2] + hub[2] - load[2])
        P.grapple_to(sim, target, tolerance=0.06, max_ticks=400)
        for _ in range(30):
            if sim.step(10):
                return False
            if sim.pose(name).speed < 0.02:
                break
        load = sim.pose(name)
        log(sim, "hanging", load.pos, load.speed, sim.pose("grapple").pos, target)
        if math.dist(load.pos, place) < WEIGHT_LEAN and load.speed < 0.02:
            return True
    return False


def place_weight(sim):
    carry = (WEIGHT_PLACE[0], WEIGHT_PLACE[1], WEIGHT_CARRY_HUB)
    log(sim, "place reach margin", reach_margin(sim, carry))
    # Under the load the boom sags as the crane reaches out; what matters is
    # the weight over its place, hanging just clear of the plank.
    P.grapple_to(sim, carry, tolerance=0.15, max_ticks=900)
    w = sim.pose("heavyweight").pos
    log(sim, "over the plank", sim.pose("grapple").pos, w, sim.grasped())
    if math.hypot(w[0] - WEIGHT_PLACE[0], w[1] - WEIGHT_PLACE[1]) > 0.2:
        return False
    if not hang_still(sim, "heavyweight", (WEIGHT_PLACE[0], WEIGHT_PLACE[1], WEIGHT_REST_Z)):
        return False
    log(sim, "set down", sim.pose("heavyweight").pos)
    if not P.work_grapple(sim, 1.0, 60):
        return False
    # Open, the fingers stand out beyond the disc's rim only with the hub
    # over its middle; as it was set down the weight leant off the hub and a
    # finger hangs under the rim. Slid across below the disc they come out
    # from under it, and the boom lifts free.
    for _ in range(WEIGHT_FREE_TRIES):
        w = sim.pose("heavyweight").pos
        P.grapple_to(sim, (w[0], w[1], w[2] + WEIGHT_FREE_HUB), tolerance=0.05, max_ticks=300)
        if not P.work_grapple(sim, 1.0, 40):
            return False
        log(sim, "centred", sim.pose("grapple").pos, w,
            [round(sim.joint("crane", "prong%d" % k), 2) for k in range(4)])
        if lift_hub_to(sim, WEIGHT_CARRY_HUB + 0.3, max_ticks=200):
            break
    w = sim.pose("heavyweight")
    log(sim, "weight left at", w.pos, w.z_axis)
    return (sim.pose("grapple").pos[2] > WEIGHT_CARRY_HUB and w.z_axis[2] > 0.99
            and math.hypot(w.pos[0] - WEIGHT_PLACE[0], w.pos[1] - WEIGHT_PLACE[1]) < 0.3)


def stow_crane(sim):
    t = sim.pose("truck")
    ahead = (t.pos[0] + STOW_AHEAD * t.x_axis[0], t.pos[1] + STOW_AHEAD * t.x_axis[1], STOW_HEIGHT)
    return P.grapple_to(sim, ahead, tolerance=0.2)


def cross(sim):
    ok = P.follow_path(sim, "truck", CROSSING + [(ball_stance(sim, 0), RACK_LANE)], throttle=0.4)
    t = sim.pose("truck")
    log(sim, "crossed", ok, t.pos, t.heading, "plank", sim.pose("plank").x_axis,
        "weight", sim.pose("heavyweight").pos)
    return ok


def stand_at(sim, x):
    """Edges along the rack's lane to x, forward or back."""
    t = sim.pose("truck")
    if abs(t.pos[0] - x) < 0.1:
        return True
    if x > t.pos[0]:
        return P.follow_path(sim, "truck", [(t.pos[0], RACK_LANE), (x, RACK_LANE)], throttle=0.3)
    return reverse_to(sim, (x, RACK_LANE), tolerance=0.1, throttle=0.3)


def in_cart(pos):
    """Whether a ball lies in the cart's well (the job's height band)."""
    return (abs(pos[0] - SEESAW_CART_X) < 0.75 and abs(pos[1] - SEESAW_CART_Y) < 0.28
            and 0.6 < pos[2] < 1.0)


def swing_to(sim, target, near=0.25, max_ticks=900, every=3):
    """Brings the hub near target in one sweep, without stopping to see
    where it hangs: the kit's corrections, let go as soon as it is near."""
    for _ in range(0, max_ticks, every):
        truck = sim.pose("truck")
        hub = sim.pose("grapple").pos
        px = truck.pos[0] + P.SLEW_AXIS_AHEAD * truck.x_axis[0]
        py = truck.pos[1] + P.SLEW_AXIS_AHEAD * truck.x_axis[1]
        bearing = P.wrap(math.atan2(target[1] - py, target[0] - px) - math.atan2(hub[1] - py, hub[0] - px))
        reach = math.hypot(target[0] - px, target[1] - py) - math.hypot(hub[0] - px, hub[1] - py)
        if math.dist(hub, target) < near:
            break
        P.lever(sim, P.TRUCK_LEVERS["rotate"], -P.axis_setting(bearing, 3.0, 0.02, 0.2))
        P.lever(sim, P.TRUCK_LEVERS["extend"], P.axis_setting(reach, 4.0, 0.02, 0.2))
        P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(target[2] - hub[2], 4.0, 0.03, 0.5))
        if sim.step(every):
            return False
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
    return True


def holding(sim, ball):
    """Whether the ball hangs in the prongs: the grasp the grapple reports
    comes and goes while a held ball swings."""
    return math.dist(sim.pose("soccerball", ball).pos, sim.pose("grapple").pos) < BALL_HELD_WITHIN


def over_well(pos):
    return abs(pos[0] - SEESAW_CART_X) < CART_WELL[0] and abs(pos[1] - SEESAW_CART_Y) < CART_WELL[1]


def ball_stance(sim, ball):
    return sim.pose("soccerball", ball).pos[0] + BALL_STANCE_EAST


def grasp_ball(sim, ball):
    """Over the ball high enough to clear the rack, prongs opened, straight
    down round it and closed; tried again where it lies when the prongs
    brushed it aside or closed on nothing."""
    for _ in range(BALL_PICK_TRIES):
        centre = sim.pose("soccerball", ball).pos
        at = (centre[0], centre[1], centre[2] + BALL_HUB_ABOVE)
        above = (at[0], at[1], at[2] + BALL_APPROACH)
        log(sim, "ball", ball, "at", centre, "stance", sim.pose("truck").pos, "margins",
            reach_margin(sim, at), reach_margin(sim, above))
        if not lift_hub_to(sim, BALL_TRAVEL_HUB - 0.2):
            return False
        hub = sim.pose("grapple").pos
        if not (P.grapple_to(sim, (hub[0], hub[1], BALL_TRAVEL_HUB))
                and P.grapple_to(sim, (above[0], above[1], BALL_TRAVEL_HUB))
                and set_grapple(sim, BALL_OPEN) and P.grapple_to(sim, above, tolerance=0.04)):
            return False
        lowered = P.grapple_to(sim, at, tolerance=0.05, max_ticks=600)
        moved = math.dist(sim.pose("soccerball", ball).pos, centre)
        log(sim, "lowered", lowered, sim.pose("grapple").pos, "ball moved", moved)
        if moved < 0.03 and P.close_until_grasped(sim, "soccerball"):
            P.work_grapple(sim, -1.0, BALL_SQUEEZE_TICKS)
            # Straight up: raised on the boom alone the hub swings in toward
            # the truck and the held ball sweeps its neighbours off.
            P.grapple_to(sim, (at[0], at[1], BALL_TRAVEL_HUB - 0.15), tolerance=0.1, max_ticks=600)
            log(sim, "lifted ball", sim.grasped(), sim.pose("soccerball", ball).pos)
            if holding(sim, ball):
                return True
        set_grapple(sim, BALL_OPEN)
        lift_hub_to(sim, BALL_TRAVEL_HUB - 0.2)
    return False


def carry_ball(sim, ball):
    if not stand_at(sim, ball_stance(sim, ball)):
        return False
    if not grasp_ball(sim, ball):
        return False
    drop = CART_DROPS[ball]
    log(sim, "drop margin", reach_margin(sim, (drop[0], drop[1], BALL_DROP_HUB)))
    # A ball swinging under the hub never lets it settle to a tenth: over
    # the cart's well is close enough.
    swing_to(sim, (drop[0], drop[1], BALL_DROP_HUB + 0.2))
    aim = list(drop)
    for _ in range(BALL_DROP_TRIES):
        P.grapple_to(sim, (aim[0], aim[1], BALL_DROP_HUB), tolerance=0.2, max_ticks=900)
        held = sim.pose("soccerball", ball).pos
        log(sim, "over the cart", held, holding(sim, ball))
        if not holding(sim, ball) or over_well(held):
            break
        aim = [aim[i] - (held[i] - drop[i]) for i in range(2)]  # it hangs off that far
    if not holding(sim, ball):
        sim.step(60)  # slipped from the prongs on the way: into the cart all the same?
        return in_cart(sim.pose("soccerball", ball).pos)
    if not over_well(held):
        return False
    if not P.work_grapple(sim, 1.0, 40):
        return False
    sim.step(60)
    log(sim, "ball", ball, "in cart at", sim.pose("soccerball", ball).pos)
    return in_cart(sim.pose("soccerball", ball).pos)


def on_rack(pos):
    return (SEESAW_RACK_WEST < pos[0] < SEESAW_RACK_EAST and abs(pos[1] - SEESAW_RACK_Y) < 0.2
            and pos[2] > SEESAW_RACK_TOP)


def load_ball(sim, ball):
    """Takes the ball from the rack to the cart; when the prongs drop it back
    on the rack, goes for it again where it lies."""
    for _ in range(BALL_LOAD_TRIES):
        if carry_ball(sim, ball):
            return True
        if sim.ended or not on_rack(sim.pose("soccerball", ball).pos):
            return False
    return False


def drive(sim):
    if not reverse_to(sim, BACK_TO):
        return
    if not P.drive_to(sim, "truck", WEIGHT_STANCE, tolerance=0.15, throttle=0.4):
        return
    log(sim, "weight stance", sim.pose("truck").pos)
    if not pick_weight(sim):
        log(sim, "no weight")
        return
    if not P.drive_to(sim, "truck", PLACE_STANCE, tolerance=0.15, throttle=0.3):
        log(sim, "not at place stance", sim.pose("truck").pos, sim.pose("heavyweight").pos)
        return
    log(sim, "place stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not place_weight(sim):
        log(sim, "not placed")
        return
    if not reverse_to(sim, CROSS_START):
        return
    log(sim, "ready to cross", sim.pose("truck").pos, sim.pose("truck").heading)
    if not (stow_crane(sim) and cross(sim)):
        return
    for ball in range(5):
        if not load_ball(sim, ball):
            log(sim, "ball", ball, "not loaded")
            return
    sim.step(120)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
