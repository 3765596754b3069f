"""Level 13, the hearth: the east side of the house (the chimney and the
back gable), from the yard point W back to W.

The chimney cannot be drawn out of the old back gable's arch: the
fireplace fills the arch exactly (both 0.2 wide, 0.3 high) and the gable
rests on it, so that drawn east by its cap the chimney tips and drags the
gable off its bars, whichever way the boom points; pushed west into the
new gable's arch, it stops where the fireplace's end meets the gable's
face. So the two go together: the gable hangs by its arch on the
fireplace, and lifting the chimney lifts the gable with it.

chimney_out: from W north up the hill top's west side, east along the
north strip and round onto the east line (x 10.95), coming down it heading
south, straight for the last 2.6 m, so that it stops square beside the old
house (from W the truck cannot go the other way round: its turning circle
at full lock reaches past the old house's west end). The claw takes the
chimney by its cap, 1.0 above the chimney's centre (0.53 of reach to
spare), closed on a light lever and squeezed on, and lifts it 0.2, the
gable coming up with it clear of its bars.

back_gable: the pair moved 0.3 east a centimetre at a time (so that the
gable's foot tabs clear the new walls' east ends), the truck backs 2.6 m
north along the east line with the crane's joints held (let go, the slew
gave way under the pair), and set_pair (set_gable from level13_wip,
squared by the gable's foot because the pair hangs leaning) squares the
gable a centimetre outside its place, slides it in and lets it down, the
chimney landing on its strip (0.43 of reach to spare over the place).

chimney_in: opens both prongs (a finger under the cap's plate cannot turn
out until the hub is let down a little), centres the claw over the cap,
lifts it off and drives back to W on down the east line and along the
south strip's southern edge.

Where it stands (development run, both walls and the front gable placed
in the new house; off = distance from the goal's place):

    delay       0      1      2      3      4      5
    stage      lost   lost   won    lost   lost   lost
    chimney    .090   .054   .010   .058   .081   .118
    back       .085   .071   .008   .048   .066   .125

Where it fails, the pair came down leaning 0.1-0.15 (top west: its weight
lies west of the claw, which hangs free to swing in the boom's plane), the
gable's foot on its channel's ridge, and toppled further as the claw
opened; at delay 1 it then knocked the south wall and the front gable
over. The next step is landing the pair upright.

usage: python3 tools/solver/drivers/level13_east.py [--delay D]
(development run: places both walls and the front gable in the new house
and the roof aside, at (12.6, 9.6), off every route this stage drives)"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin, reverse_to, set_grapple  # noqa: E402
from level13_wip import (FLOOR, NEW_X, NEW_Y, OLD_Y, STANCE_ROUTE, WALL_AT, calm,  # noqa: E402
                         GABLE_ABOVE, GABLE_IN, GABLE_LET_DOWN, GABLE_OUTSIDE,
                         GABLE_RELEASE_OPEN, gentle_to, open_slowly, settle_turn, square_gable)

LEVEL = 13
DEBUG = os.environ.get("LEVEL13_DEBUG")
W = (5.0, 6.7)
EAST_LINE = 10.95


def arc(centre, radius, start, end, steps=6):
    """Points along a circle from angle start to end (radians)."""
    return [(centre[0] + radius * math.cos(start + (end - start) * i / steps),
             centre[1] + radius * math.sin(start + (end - start) * i / steps))
            for i in range(1, steps + 1)]


TURN = 1.9  # the truck's turning circle at full lock, metres
NORTH_STRIP = 9.95
# From W north up the hill top's west side, east along the north strip and
# round onto the east line heading south, straight for the last 2.6 m so
# that it stops square on the old house's centre line. (The truck cannot
# turn from W down the gap west of the old house: at full lock its circle
# reaches past the old house's west end.)
TO_EAST_LINE = ([(5.5, 7.8)] + arc((5.5 + TURN, 7.8), TURN, math.pi, math.pi / 2 + 0.2)
                + [(EAST_LINE - TURN, NORTH_STRIP)]
                + arc((EAST_LINE - TURN, NORTH_STRIP - TURN), TURN, math.pi / 2, 0)
                + [(EAST_LINE, OLD_Y)])


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def to_east_line(sim):
    route = [tuple(sim.pose("truck").pos[:2])] + TO_EAST_LINE
    if not P.follow_path(sim, "truck", route, throttle=0.4):
        return False
    t = sim.pose("truck")
    log(sim, "east line", t.pos, t.heading, "gable", sim.pose("houseback").pos,
        sim.pose("houseback").z_axis, "chimney", sim.pose("chimney").pos)
    return True


# The hub above the chimney's centre: the prongs on the cap, above the
# gable's peak (the stack stands against its plate below it). Higher (1.05)
# the claw slips off the cap as it lifts; lower (0.93) it presses the cap
# down and shoves the gable.
CHIMNEY_GRIP = 1.0
CHIMNEY_OPEN = 1.5
# Lifted a little at a time: the gable, hanging by its arch on the
# fireplace, comes up with it, clear of its bars (0.08) and the ridges.
PAIR_LIFT = (0.005, 0.01, 0.02, 0.04, 0.07, 0.1, 0.13, 0.16, 0.2)
PAIR_UP = 0.1  # the gable at least this far up once the pair is lifted
TRAVEL_HUB = 2.4
CLOSE_LEVER = 0.2
GRIP_TRIES, GRIP_LOWER = 3, 0.015
CHIMNEY_SQUEEZE = 30  # ticks closing on once it holds: let go at once, it slipped on the carry
OUT_STEP = 0.01  # metres at a time with the pair held: moved faster it swings and slips


def up_and_over(sim, point, limit=0.4):
    """Up to the travel height, across it and down to point."""
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], max(h[2], TRAVEL_HUB)), 0.5)
    P.crane_joints_to(sim, (point[0], point[1], TRAVEL_HUB), limit)
    P.hold_still(sim)
    return P.hub_over(sim, point, 0.3)


def close_gently(sim, name, squeeze=0, ticks=400, every=4):
    """Closes the claw on a light lever until it holds name (closed at
    once, the first prong to touch shoves the part's top aside), then on
    for squeeze ticks: the prongs lock where they stand when the lever is
    let go, so only closing on presses them into the part."""
    for _ in range(0, ticks, every):
        P.lever(sim, P.GRAPPLE_LEVER, -CLOSE_LEVER)
        if sim.step(every):
            break
        if sim.grasped() == name:
            sim.step(squeeze)
            break
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return sim.grasped() == name


def chimney_out(sim):
    """Onto the east line; takes the chimney by its cap and lifts it, and
    with it the old back gable, which hangs by its arch on the fireplace.
    True once both are up."""
    if not to_east_line(sim):
        return False
    c = sim.pose("chimney").pos
    g = sim.pose("houseback").pos
    grip = (c[0], c[1], c[2] + CHIMNEY_GRIP)
    log(sim, "chimney margin", reach_margin(sim, grip))
    up_and_over(sim, (grip[0], grip[1], grip[2] + 0.25))
    for k in range(GRIP_TRIES):
        # A little lower each time: the prongs missed the cap.
        z = grip[2] - k * GRIP_LOWER
        set_grapple(sim, CHIMNEY_OPEN)
        P.hub_over(sim, (grip[0], grip[1], z + 0.1), 0.25, within=0.015)
        P.hub_over(sim, (grip[0], grip[1], z), 0.2, tries=2, within=0.012)
        if close_gently(sim, "chimney", CHIMNEY_SQUEEZE):
            break
        log(sim, "chimney missed", sim.pose("grapple").pos, sim.pose("chimney").pos)
        set_grapple(sim, CHIMNEY_OPEN)
        P.crane_joints_to(sim, (grip[0], grip[1], z + 0.15), 0.2)
        P.hold_still(sim)
    else:
        return False
    sim.step(20)
    h = sim.pose("grapple").pos
    for dz in PAIR_LIFT:
        P.crane_joints_to(sim, (h[0], h[1], h[2] + dz), 0.15)
        sim.step(20)
    q, b = sim.pose("chimney"), sim.pose("houseback")
    log(sim, "pair up", q.pos, q.z_axis, "gable", b.pos, b.z_axis)
    return q.pos[2] > c[2] + PAIR_UP and b.pos[2] > g[2] + PAIR_UP


GABLE_PEAK = 0.8  # the peak above the gable's centre
GABLE_OUT = 0.3  # held east of its line: its foot tabs clear the new walls' east ends
BACK_THROTTLE = 0.12
BACK_PLACE = (9.65 + 0.01, NEW_Y, FLOOR + 0.5)  # a centimetre outside its place
CARRIED_LOW = 1.1  # the gable's centre below this once carried: it fell off the fireplace


def back_up_line(sim, x, y_stop, lookahead=1.0, stop_short=0.04, max_ticks=4000, every=3):
    """Backs the truck north along the line x until it reaches y_stop,
    steering for a point lookahead behind it on the line: steered for
    the stopping point itself, as reverse_to does, it drifted 10 degrees
    off the line and the pair turned 0.3 rad in the claw. The crane's
    joints are held where they stood all the way: let go, the slew gave
    way under the pair as the truck set off (0.45 rad at a delay of 2) and
    the gable's end swung into the new south wall."""
    hold = {name: sim.joint("crane", name) for name in ("slew", "boom", "extend")}
    levers = (("slew", "rotate", 4.0, 0.15), ("boom", "elevate", 4.0, 0.4),
              ("extend", "extend", 5.0, 0.15))
    for _ in range(0, max_ticks, every):
        for joint, lever, gain, least in levers:
            err = hold[joint] - sim.joint("crane", joint)
            if joint == "slew":
                err = P.wrap(err)
            P.lever(sim, P.TRUCK_LEVERS[lever], P.axis_setting(err, gain, 0.004, least))
        p = sim.pose("truck")
        left = y_stop - p.pos[1]
        if left < stop_short:
            ok = P.come_to_rest(sim, "truck")
            P.let_go_crane(sim)
            return ok
        aim = (x, p.pos[1] + lookahead)
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - (p.heading + math.pi))
        sim.post("steer setting=%f" % P.clamp(2.0 * error))
        sim.post("accelcontrol setting=%f" % (-BACK_THROTTLE * max(0.3, min(1.0, left))))
        if sim.step(every):
            P.let_go_crane(sim)
            return False
    P.let_go_crane(sim)
    return False


def back_gable(sim):
    """Holds the pair east of the gable's line (so that the gable's foot
    tabs clear the new walls' east ends) and backs the truck straight north
    onto the new house's centre line, where the gable is squared a
    centimetre outside its place, slid in and let down, the chimney's foot
    landing on its strip with it, and let go."""
    h = sim.pose("grapple").pos
    steps = round(GABLE_OUT / OUT_STEP)
    for i in range(1, steps + 1):
        P.crane_joints_to(sim, (h[0] + i * OUT_STEP, h[1], h[2]), 0.12)
        if sim.step(30):
            return False
    calm(sim, "houseback", 600)
    q = sim.pose("houseback")
    log(sim, "pair out", q.pos, q.z_axis, "yaw", q.heading, "chimney", sim.pose("chimney").pos)
    # The truck stands heading south: the pair goes north with it backing.
    if not back_up_line(sim, EAST_LINE, NEW_Y):
        log(sim, "stuck backing north", sim.pose("truck").pos)
        return False
    settle_turn(sim, "houseback")
    calm(sim, "houseback", 600)
    q = sim.pose("houseback")
    log(sim, "carried", sim.pose("truck").pos, sim.pose("truck").heading, q.pos, "yaw", q.heading,
        "chimney", sim.pose("chimney").pos)
    if q.pos[2] < CARRIED_LOW or sim.pose("chimney").pos[2] < CARRIED_LOW + 0.1:
        return False
    return set_pair(sim, BACK_PLACE)




def set_pair(sim, place):
    """set_gable from level13_wip with the chimney held instead of the
    gable, copied because the pair hangs leaning from the cap (its weight
    lies west of the claw): squared by its middle, its foot came down on a
    ridge, 3 cm high, so it is squared by its foot. The claw is opened but
    not lifted here (free_claw lifts it off)."""
    name = "houseback"
    g = sim.pose(name).pos
    h = sim.pose("grapple").pos
    hang = h[2] - g[2]  # the hub above the gable's centre
    log(sim, "pair margin", reach_margin(sim, (place[0], place[1], place[2] + hang)))
    aim = [place[0] + GABLE_OUTSIDE + h[0] - g[0], place[1] + h[1] - g[1]]
    z = place[2] + hang + GABLE_ABOVE
    gentle_to(sim, (aim[0], aim[1], z + 0.1), name)
    P.hold_still(sim)
    calm(sim, name, 600)
    for inside in GABLE_IN:
        # Squared by its foot: the pair hangs leaning, its foot off under
        # its middle by half its height times the lean.
        w = sim.pose(name).z_axis
        target = (place[0] + inside + 0.5 * w[0], place[1] + 0.5 * w[1])
        aim = square_gable(sim, name, aim, target, z)
    for dz in GABLE_LET_DOWN:
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang + dz), 0.1)
        calm(sim, name, 300)
        log(sim, "pair down", dz, sim.pose(name).pos, sim.pose(name).z_axis)
        if sim.pose(name).pos[2] < place[2] + 0.005:
            break
    open_slowly(sim, 1.0)
    open_slowly(sim, GABLE_RELEASE_OPEN)
    P.hold_still(sim)
    log(sim, "pair set", sim.pose(name).pos, sim.pose(name).z_axis, "chimney",
        sim.pose("chimney").pos)
    return sim.pose(name).z_axis[2] > 0.995


OPEN_DOWN = (0.0, 0.01, 0.02, 0.03, 0.04)  # the hub let down while a prong will not open


def open_both(sim, angle=GABLE_RELEASE_OPEN - 0.1):
    """Opens the claw until both prongs stand open. A finger under the
    cap's plate (the cap is a plate on two posts, open fore and aft above
    the stack) cannot turn out upward: the hub is let down a centimetre at
    a time until it can."""
    h = sim.pose("grapple").pos
    for down in OPEN_DOWN:
        P.crane_joints_to(sim, (h[0], h[1], h[2] - down), 0.1)
        for _ in range(0, 120, 4):
            if min(sim.joint("crane", "prong0"), sim.joint("crane", "prong2")) >= angle:
                sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
                return True
            P.lever(sim, P.GRAPPLE_LEVER, 0.5)
            if sim.step(4):
                break
        sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return False


RELEASE_RISE = (0.01, 0.02, 0.04, 0.08, 0.15, 0.3)
RELEASE_TRIES = 3


def free_claw(sim):
    """Lifts the open claw off the chimney's cap a little at a time. The
    pair hung tilted, so the gable squared over its place leaves the hub
    off the cap's middle, a prong over the cap: lifted so, it takes the
    chimney up (and the gable with it, by the arch). So the hub is first
    moved over the cap's middle; where it still lifts the chimney it is let
    back down, opened wide, centred again and lifted again. True once the
    claw is clear."""
    open_both(sim)
    for _ in range(RELEASE_TRIES):
        log(sim, "freeing", sim.pose("grapple").pos, "prongs", sim.joint("crane", "prong0"),
            sim.joint("crane", "prong2"))
        c = sim.pose("chimney").pos
        gentle_to(sim, (c[0], c[1], sim.pose("grapple").pos[2]), "chimney")
        calm(sim, "chimney", 300)
        h = sim.pose("grapple").pos
        rest = sim.pose("chimney").pos[2]
        caught = False
        for up in RELEASE_RISE:
            P.crane_joints_to(sim, (h[0], h[1], h[2] + up), 0.15)
            sim.step(20)
            if sim.pose("chimney").pos[2] > rest + 0.004:
                caught = True
                break
        if not caught:
            return True
        log(sim, "claw caught the cap", sim.pose("grapple").pos, sim.pose("chimney").pos,
            "prongs", sim.joint("crane", "prong0"), sim.joint("crane", "prong2"))
        P.crane_joints_to(sim, h, 0.15)
        calm(sim, "chimney", 300)
        open_both(sim)
    return False


def chimney_in(sim):
    """The chimney came in with the gable: frees the claw, checks that the
    chimney stands in its place, upright, and takes the truck back to W."""
    if not free_claw(sim):
        return False
    q = sim.pose("chimney")
    off = math.dist(q.pos, GOALS["chimney"])
    log(sim, "chimney stands", q.pos, q.z_axis, "off", off)
    if off > 0.05 or q.z_axis[2] < 0.995:
        return False
    return to_yard(sim)


# Back to W from the east line heading south: on down it, west along the
# south strip's southern edge and north up the hill top's west side (from
# the new house the truck cannot turn onto the north strip heading west
# without backing: its turning circle reaches past the fence).
SOUTH_EDGE = 2.7
TO_YARD = ([(EAST_LINE, 4.6)] + arc((EAST_LINE - TURN, 4.6), TURN, 0, -math.pi / 2)
           + [(7.0, SOUTH_EDGE)] + arc((7.0, SOUTH_EDGE + TURN), TURN, -math.pi / 2, -math.pi)
           + [W])


def stow(sim):
    """The claw straight up off what it let go, then drawn in ahead of the
    truck, high."""
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], TRAVEL_HUB), 0.4)
    t = sim.pose("truck")
    P.crane_joints_to(sim, (t.pos[0] + 0.8 * t.x_axis[0], t.pos[1] + 0.8 * t.x_axis[1], TRAVEL_HUB),
                      0.6)
    P.hold_still(sim)


def to_yard(sim):
    """From the east line, heading south, back to W."""
    stow(sim)
    route = [tuple(sim.pose("truck").pos[:2])] + TO_YARD
    ok = P.follow_path(sim, "truck", route, throttle=0.4)
    log(sim, "at W", sim.pose("truck").pos, sim.pose("truck").heading)
    return ok


def stage(sim):
    """The three in turn, from W back to W."""
    return chimney_out(sim) and back_gable(sim) and chimney_in(sim)


# Development setup: the state this stage starts from.
DEV_PARTS = [("rightwall", (NEW_X, NEW_Y + WALL_AT, FLOOR + 0.403)),
             ("leftwall", (NEW_X, NEW_Y - WALL_AT, FLOOR + 0.403)),
             ("housefront", (NEW_X - 0.65, NEW_Y, FLOOR + 0.503)),
             ("houseroof", (12.6, 9.6, 0.82))]
GOALS = {"houseback": (9.65, 8, 1.0), "housefront": (8.35, 8, 1.0), "chimney": (9.775, 8, 1.1),
         "houseroof": (9, 8, 1.5)}
WALL_GOALS = ((9, 8.475, 0.9), (9, 7.525, 0.9))


def report(sim):
    for name in ("chimney", "houseback", "housefront", "leftwall", "rightwall", "houseroof"):
        p = sim.pose(name)
        places = WALL_GOALS if name.endswith("wall") else (GOALS[name],)
        off = min(math.dist(p.pos, g) for g in places)
        print("%-10s at %s off %.3f tilt %.3f" % (name, [round(v, 3) for v in p.pos], off,
                                                math.hypot(*p.z_axis[:2])))


def develop(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(80)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    for name, at in DEV_PARTS:
        sim.place(name, 0, at)
    sim.step(30)
    if not P.follow_path(sim, "truck", STANCE_ROUTE[:6], throttle=0.5):
        print("never reached W")
        return
    log(sim, "at W", sim.pose("truck").pos, sim.pose("truck").heading)
    ok = stage(sim)
    print("stage", ok, "tick", sim.tick)
    report(sim)


if __name__ == "__main__":
    driver_main.main(LEVEL, develop)
