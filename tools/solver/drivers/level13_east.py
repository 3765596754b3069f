"""Level 13, the hearth: the east side of the house (the chimney and the
back gable), from the yard point W back to W.

The chimney cannot be drawn out of the old back gable's arch: the
fireplace fills the arch exactly (both 0.2 wide, 0.3 high) and the gable
rests on it. So the two go together: the gable hangs by its arch on the
fireplace, and lifting the chimney by its cap lifts the gable with it.

The pair is carried with the boom along y (pair_up, pair_north, then
chimney_in, which frees the claw and drives back to W):

pair_up: from W (heading east) south down the old site's west side, east
onto the south strip, back west along it to x 8.55 and north at full lock,
stopping at about (9.63, 4.17) heading 1.14 rad, short of the old gable's
foot (stopped at 4.43 the truck shoved it). The claw, its prongs closing
along y on the cap's ears, takes the chimney 0.9 above its centre (0.42 of
reach to spare), is pressed shut (lever 1.0) and kept pressed all the
carry, and lifts the pair 0.35. Let go or on a light lever, the grip gives
and the pair turns about the prongs (0.19-0.24 rad top west) and falls out
within 100 ticks; pressed shut it hangs within 0.02 of upright across its
plate.

pair_north: the truck drives north onto the line x 9.79 holding the boom's
bearing (slewed against the truck's turn), so the pair, taken from west of
the chimney, rides 0.15-0.2 east of its places and the gable's tabs pass
east of the new walls' ends; it stops 0.2 short (run on to y 6.72 the
truck's front knocked the new south wall over) and the boom brings the pair
north, then west over its places (0.24 of reach to spare), lets it
down, stands it upright across its plate and opens.

Where it stands (development run, both walls and the front gable placed
in the new house; off = distance from the goal's place):

    delay           0       1       2
    chimney       .012    1.09    .684
    back gable    .024    1.04    .629
    north wall    knocked over at every delay

The pair hangs tilted ALONG its plate, 0.10-0.15 top north, and that tilt
is what knocks the walls. It is not the grip's offset on the cap: taken with
the hub 3 cm south or north of the cap's middle the pair still hung 0.09-0.12
top north. Lifted, the claw itself hangs 0.19 top SOUTH in its hinge and
the pair sits 0.3 rad askew in it (the prongs closed at 1.00 and 0.88); the
tilt stays within 0.01 with the hub 0.1 nearer the truck or further. Tilted so, the gable's foot lies south of its centre by half the
tilt and its tabs' tops lean north, and the tabs must pass between the walls'
inner faces (4 cm clear upright): with the centre at 8.06-8.07 the north tab
touched the north wall as the pair came west over its place (the wall
shifted 6 mm, then fell as the pair settled), with the centre brought in
at 7.97 the south tab knocked the south wall; 8.02-8.04 touched one or the
other as the pair swung. Tried and dropped (all at delay 0, one run each):
squaring y east of the walls' ends and then bringing the pair in along x
(held east, the boom's bearing yaws the pair 0.13 rad per 0.2 m and its
south end, nearer the truck, sweeps into the south wall's end); the foot
let down on the floor east of the house (the tilt falls to 0.02, but slid
in west 2 cm up the foot drags over the channel's outer ridge and the pair
tips top west into the walls' ends); the truck's line 4-7 cm further east
(the walls stay up but the crane will not bring the pair back west, or it
drops out of the claw); both prongs opened as wide before closing (the
second still lags and the claw shoves the chimney 15 cm east). The next
step is taking the tilt out in the claw itself: find what sets it (the
hub's hinge or the beam's angle), or carry the pair with its foot on the
floor all the way from outside the walls' ends.

The earlier carry, boom along x from the east line backing north
(chimney_out_along_x, back_gable_along_x, set_pair), is kept behind
LEVEL13_ALONG_X=1: handed over at W heading north it won at delay 2 only
of 0..5 (the pair leans 0.1-0.15 top west in the hinge's free plane and
lands on a ridge); handed over heading east, as now, it lost at delays 0
(landed leaning 0.23) and 2 (the pair not lifted).

usage: python3 tools/solver/drivers/level13_east.py [--delay D]
(development run: places both walls and the front gable in the new house
and the roof aside, at (12.6, 9.6), off every route this stage drives, and
hands over at W heading east as the roof-and-walls stage does)"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin, reverse_to, set_grapple  # noqa: E402
from level13 import (FLOOR, NEW_X, NEW_Y, OLD_Y, STANCE_ROUTE, WALL_AT, calm,  # noqa: E402
                         GABLE_ABOVE, GABLE_IN, GABLE_LET_DOWN, GABLE_OUTSIDE,
                         GABLE_RELEASE_OPEN, creep_to, gentle_to, let_gable_down, open_slowly,
                         settle_turn, square_gable)

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


def take_cap(sim, grip, squeeze, squeeze_lever=None):
    """Lets the open claw down round the chimney's cap at grip and closes it
    there, a little lower at each try: the prongs may miss the cap. True
    once it holds the chimney."""
    log(sim, "chimney margin", reach_margin(sim, grip))
    up_and_over(sim, (grip[0], grip[1], grip[2] + 0.25))
    for k in range(GRIP_TRIES):
        z = grip[2] - k * GRIP_LOWER
        set_grapple(sim, CHIMNEY_OPEN)
        P.hub_over(sim, (grip[0], grip[1], z + 0.1), 0.25, within=0.015)
        P.hub_over(sim, (grip[0], grip[1], z), 0.2, tries=2, within=0.012)
        log(sim, "hub at", sim.pose("grapple").pos, "aim", (grip[0], grip[1], z), "prongs",
            sim.joint("crane", "prong0"), sim.joint("crane", "prong2"))
        if close_gently(sim, "chimney", squeeze, squeeze_lever=squeeze_lever):
            return True
        log(sim, "chimney missed", sim.pose("grapple").pos, sim.pose("chimney").pos)
        set_grapple(sim, CHIMNEY_OPEN)
        P.crane_joints_to(sim, (grip[0], grip[1], z + 0.15), 0.2)
        P.hold_still(sim)
    return False


def lift_pair(sim, grip, squeeze, squeeze_lever, lifts):
    """Takes the chimney by its cap at grip and lifts it by each of lifts in
    turn, the old back gable coming up with it by its arch. True once both
    are up."""
    c, g = sim.pose("chimney").pos, sim.pose("houseback").pos
    if not take_cap(sim, grip, squeeze, squeeze_lever):
        return False
    sim.step(20)
    h = sim.pose("grapple").pos
    for dz in lifts:
        P.crane_joints_to(sim, (h[0], h[1], h[2] + dz), 0.15)
        sim.step(20)
        log(sim, "lift", dz, sim.grasped(), sim.pose("grapple").pos, sim.pose("chimney").pos,
            "gable", sim.pose("houseback").pos, "walls",
            [(round(sim.pose(n).pos[1], 3), round(sim.pose(n).z_axis[1], 3)) for n in ("leftwall", "rightwall")])
    q, b = sim.pose("chimney"), sim.pose("houseback")
    log(sim, "pair up", q.pos, q.z_axis, "gable", b.pos, b.z_axis)
    return q.pos[2] > c[2] + PAIR_UP and b.pos[2] > g[2] + PAIR_UP


def close_gently(sim, name, squeeze=0, ticks=400, every=4, squeeze_lever=None):
    """Closes the claw on a light lever until it holds name (closed at
    once, the first prong to touch shoves the part's top aside), then on
    for squeeze ticks: the prongs lock where they stand when the lever is
    let go, so only closing on presses them into the part."""
    for _ in range(0, ticks, every):
        P.lever(sim, P.GRAPPLE_LEVER, -CLOSE_LEVER)
        if sim.step(every):
            break
        if sim.grasped() == name:
            if squeeze_lever:
                # Left pressed closed: the prongs hold the part by friction alone
                # and, let go, give way slowly under it.
                P.lever(sim, P.GRAPPLE_LEVER, -squeeze_lever)
                sim.step(squeeze)
                return True
            sim.step(squeeze)
            break
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return sim.grasped() == name


def chimney_out_along_x(sim):
    """Onto the east line; takes the chimney by its cap and lifts it, and
    with it the old back gable, which hangs by its arch on the fireplace.
    True once both are up."""
    if not to_east_line(sim):
        return False
    c = sim.pose("chimney").pos
    g = sim.pose("houseback").pos
    return lift_pair(sim, (c[0], c[1], c[2] + CHIMNEY_GRIP), CHIMNEY_SQUEEZE, None, PAIR_LIFT)


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


def back_gable_along_x(sim):
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
    """set_gable from level13 with the chimney held instead of the
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
    let_gable_down(sim, name, aim, place, hang)
    open_slowly(sim, 1.0)
    open_slowly(sim, GABLE_RELEASE_OPEN)
    P.hold_still(sim)
    log(sim, "pair set", sim.pose(name).pos, sim.pose(name).z_axis, "chimney",
        sim.pose("chimney").pos)
    return sim.pose(name).z_axis[2] > 0.995


RIGHT_TRIES = 8
RIGHT_GAIN = 0.7  # of the top's lean taken out at a time: all at once it rocked past upright
UPRIGHT = 0.004


def stand_up(sim, name, along=(1, 1)):
    """The pair let down leaning stands on its foot: the hub, whose height
    over the foot holds the cap at a fixed distance from the hinge, is
    moved toward the lean's opposite side until the gable stands upright
    on its foot, before the claw lets go."""
    for _ in range(RIGHT_TRIES):
        w = sim.pose(name).z_axis
        w = (w[0] * along[0], w[1] * along[1])
        if math.hypot(w[0], w[1]) < UPRIGHT:
            return True
        h = sim.pose("grapple").pos
        tall = h[2] - (sim.pose(name).pos[2] - 0.5)  # the hub over the gable's foot
        gentle_to(sim, (h[0] - RIGHT_GAIN * w[0] * tall, h[1] - RIGHT_GAIN * w[1] * tall, h[2]), name)
        calm(sim, name, 300)
        log(sim, "righting", sim.pose(name).pos, sim.pose(name).z_axis, "hub", sim.pose("grapple").pos)
    w = sim.pose(name).z_axis
    return math.hypot(w[0] * along[0], w[1] * along[1]) < UPRIGHT


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
    # The stage has failed if it knocked what already stood in the new house.
    standing = [min(math.dist(sim.pose(n).pos, g) for g in WALL_GOALS) for n in ("leftwall", "rightwall")]
    standing.append(math.dist(sim.pose("housefront").pos, GOALS["housefront"]))
    if max(standing) > 0.05:
        log(sim, "the house was knocked", standing)
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


ALONG_X = bool(os.environ.get("LEVEL13_ALONG_X"))  # the earlier carry, for comparison


def chimney_out(sim):
    """The chimney and the back gable taken up together from W."""
    return chimney_out_along_x(sim) if ALONG_X else pair_up(sim)


def back_gable(sim):
    """The pair carried north and set in the new house."""
    return back_gable_along_x(sim) if ALONG_X else pair_north(sim)


def stage(sim):
    """The three in turn, from W back to W."""
    return chimney_out(sim) and back_gable(sim) and chimney_in(sim)


# ---- The pair carried with the boom along y: the hub's hinge (its axis
# across the boom, here along x) cannot swing the pair in x, where its
# weight lies off the cap; only the prongs' grip on the cap, pressed shut
# all the way, keeps it from turning about them.
PAIR_LINE = 9.93  # past this the truck leaves full lock and steers up the line
# From W (heading east) the truck turns south down the old site's west
# side and east onto the south strip; from there it cannot turn north onto
# the pair's line at once (at full lock it needs 1.9 m of run), so it backs
# west along the strip first and then swings north onto the line, stopping
# at the top of that turn, short of the old gable's south end.
STRIP_Y = 2.55
PAIR_STANCE = STRIP_Y + TURN
TO_STRIP = ([(5.6, 6.65)] + arc((5.6, 6.7 - TURN), TURN, math.pi / 2, 0)
            + [(5.6 + TURN, PAIR_STANCE)] + arc((5.6 + 2 * TURN, PAIR_STANCE), TURN, math.pi, 1.5 * math.pi)
            + [(5.6 + 2 * TURN + 0.4, STRIP_Y)])
STRIP_BACK = (8.55, STRIP_Y)  # so that the turn stops it west of the chimney (about 9.63)
PAIR_STOP = 4.1  # the truck's front short of the old gable's foot (at 4.43 it shoved it)
PAIR_GRIP = 0.9  # the hub over the chimney's centre: 0.95 and 1.0 slipped as lifted, 0.85 missed
PAIR_SQUEEZE = 200  # ticks pressed shut before the lift
PAIR_RAISE = PAIR_LIFT + (0.25, 0.3, 0.35)  # its foot well clear of the old bars: dragged on them it turned
PAIR_SQUEEZE_LEVER = 1.0  # held shut all the carry: on 0.2, or let go, the pair fell out within 100 ticks
DRIVE_THROTTLE = 0.15


def drive_line(sim, x, y_stop, lookahead=1.0, stop_short=0.04, max_ticks=5000, every=3):
    """Drives the truck forward north along the line x until y_stop with
    the crane's joints held where they stood (let go, the slew gives way
    under the pair as the truck sets off)."""
    hold = {name: sim.joint("crane", name) for name in ("slew", "boom", "extend")}
    levers = (("slew", "rotate", 4.0, 0.15), ("boom", "elevate", 4.0, 0.4),
              ("extend", "extend", 5.0, 0.15))
    heading0 = sim.pose("truck").heading
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        for joint, lever, gain, least in levers:
            err = hold[joint] - sim.joint("crane", joint)
            if joint == "slew":
                # The boom keeps its bearing as the truck comes straight.
                err = P.wrap(err + P.wrap(p.heading - heading0))  # slew counts against the heading
            P.lever(sim, P.TRUCK_LEVERS[lever], P.axis_setting(err, gain, 0.004, least))
        left = y_stop - p.pos[1]
        if left < stop_short:
            ok = P.come_to_rest(sim, "truck")
            P.let_go_crane(sim)
            return ok
        aim = (x, p.pos[1] + lookahead)
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - p.heading)
        sim.post("steer setting=%f" % P.clamp(-2.0 * error))
        sim.post("accelcontrol setting=%f" % (DRIVE_THROTTLE * max(0.3, min(1.0, left))))
        if sim.step(every):
            P.let_go_crane(sim)
            return False
    P.let_go_crane(sim)
    return False


TURN_UNTIL = 1.45  # heading (rad) at full lock, then steered up the line


def turn_onto_line(sim, max_ticks=3000, every=3):
    """From the strip at full lock onto the line, then up it to the stop
    (steered by pursuit the truck cut the turn and stood 35 degrees off
    north at the stop)."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        if p.pos[1] > PAIR_STOP - 0.04:
            return P.come_to_rest(sim, "truck")
        if p.heading < TURN_UNTIL and p.pos[0] < PAIR_LINE:
            steer = -1.0
        else:
            aim = (PAIR_LINE, p.pos[1] + 0.6)
            steer = P.clamp(-2.0 * P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - p.heading))
        sim.post("steer setting=%f" % steer)
        sim.post("accelcontrol setting=%f" % 0.2)
        if sim.step(every):
            return False
    return False


def pair_up(sim):
    """Onto the pair's line heading north, short of the old house; takes
    the chimney by its cap across y and lifts the pair."""
    route = [tuple(sim.pose("truck").pos[:2])] + TO_STRIP
    if not P.follow_path(sim, "truck", route, throttle=0.4):
        return False
    log(sim, "strip", sim.pose("truck").pos, sim.pose("truck").heading)
    if not reverse_to(sim, STRIP_BACK, tolerance=0.1, throttle=0.3):
        return False
    log(sim, "backed", sim.pose("truck").pos, sim.pose("truck").heading)
    if not turn_onto_line(sim):
        return False
    t = sim.pose("truck")
    c = sim.pose("chimney").pos
    g = sim.pose("houseback").pos
    log(sim, "pair line", t.pos, t.heading, "gable", g, "chimney", c, "walls",
        sim.pose("leftwall").pos, sim.pose("rightwall").pos, sim.pose("housefront").pos)
    return lift_pair(sim, (c[0], c[1], c[2] + PAIR_GRIP), PAIR_SQUEEZE, PAIR_SQUEEZE_LEVER,
                     PAIR_RAISE)


CARRY_LINE = 9.79  # the truck's line north: the boom straight ahead sets the gable a cm outside
PAIR_SET = (9.65 + 0.01, NEW_Y)  # a centimetre outside its place (2-3 cm: knocked the walls)
# The truck stops this much short of bringing the pair level with its place
# (run on to 6.72 its front knocked the new south wall's end over) and the
# boom reaches the rest.
CARRY_SHORT = 0.2  # the gable a centimetre outside its place


def pair_north(sim):
    """Drives the pair north and sets it. The truck took the pair standing
    west of the chimney, so that the boom points a little east of north;
    that bearing is held as the truck comes straight onto its line, so the
    pair rides 0.25 east of its places (the gable's tabs pass east of the
    new walls' ends) and the boom slewed straight ahead at the end brings
    it over them square (moved east by the slew after the lift instead, the
    pair swung and leaned 0.15 in the prongs)."""
    t = sim.pose("truck").pos
    if not drive_line(sim, CARRY_LINE, t[1] + (NEW_Y - OLD_Y) - CARRY_SHORT):
        log(sim, "stuck driving north", sim.pose("truck").pos)
        return False
    calm(sim, "houseback", 600)
    q = sim.pose("houseback")
    log(sim, "carried", sim.pose("truck").pos, sim.pose("truck").heading, q.pos, q.z_axis,
        "yaw", q.heading, "chimney", sim.pose("chimney").pos, "walls",
        sim.pose("leftwall").pos, sim.pose("rightwall").pos, sim.pose("housefront").pos)
    if q.pos[2] < CARRIED_LOW or sim.pose("chimney").pos[2] < CARRIED_LOW + 0.1:
        return False
    return set_pair_ahead(sim)


# Let further down than a gable alone: the pair hangs tilted along its plate
# (gripped off the cap's middle) and lands on one end of the gable's foot.
PAIR_LET_DOWN = GABLE_LET_DOWN + (-0.05, -0.07, -0.09)
PRESSED_LEAN = 0.015
SLOW_STEP, SLOW_WAIT = 0.01, 40  # slewed faster with the pair, it leaned in the prongs


def slow_to(sim, point, name):
    """gentle_to at a centimetre a step: the pair, held across y by friction
    alone, turns about the prongs when the hub is slewed under it."""
    h = sim.pose("grapple").pos
    n = max(1, math.ceil(math.dist(h[:2], point[:2]) / SLOW_STEP))
    for i in range(1, n + 1):
        f = i / n
        P.crane_joints_to(sim, [h[k] + f * (point[k] - h[k]) for k in range(3)], 0.1)
        if sim.step(SLOW_WAIT):
            return False
    return sim.grasped() is not None


def set_pair_ahead(sim):
    """Brings the pair over its places with the boom straight ahead, lets
    it down into the gable's channel, stands it upright on its foot and
    opens the claw."""
    name = "houseback"
    g = sim.pose(name).pos
    h = sim.pose("grapple").pos
    hang = h[2] - g[2]
    place = (PAIR_SET[0], PAIR_SET[1], FLOOR + 0.5)
    aim = [place[0] + h[0] - g[0], place[1] + h[1] - g[1]]
    log(sim, "pair margin", reach_margin(sim, (aim[0], aim[1], place[2] + hang)))
    z = place[2] + hang + GABLE_ABOVE
    # North first, then west: moved both at once, the gable's south tab
    # caught the south wall's end and dragged it down.
    if not (slow_to(sim, (h[0], aim[1], z + 0.1), name) and slow_to(sim, (aim[0], aim[1], z + 0.1), name)):
        return False
    P.hold_still(sim)
    calm(sim, name, 600)
    log(sim, "pair over", sim.pose(name).pos, sim.pose(name).z_axis, "yaw", sim.pose(name).heading,
        "walls", sim.pose("leftwall").pos, sim.pose("rightwall").pos, sim.pose("housefront").pos)
    aim = square_gable(sim, name, aim, place[:2], z)
    for dz in PAIR_LET_DOWN:
        P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang + dz), 0.1)
        calm(sim, name, 300)
        log(sim, "pair down", dz, sim.pose(name).pos, sim.pose(name).z_axis, "walls",
            sim.pose("leftwall").pos, sim.pose("rightwall").pos)
        if sim.pose(name).pos[2] < place[2] + 0.005:
            break
        if abs(sim.pose(name).z_axis[0]) > PRESSED_LEAN:
            # Pressed on further it tips across its channel into the walls.
            P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang + dz + 0.02), 0.1)
            calm(sim, name, 300)
            break
    stand_up(sim, name, along=(1, 0))
    log(sim, "pair stood", sim.pose(name).pos, sim.pose(name).z_axis,
        "walls", sim.pose("leftwall").pos, sim.pose("rightwall").pos, sim.pose("housefront").pos)
    open_slowly(sim, 1.0)
    open_slowly(sim, GABLE_RELEASE_OPEN)
    P.hold_still(sim)
    log(sim, "pair set", sim.pose(name).pos, sim.pose(name).z_axis, "chimney",
        sim.pose("chimney").pos, "walls", sim.pose("leftwall").pos, sim.pose("rightwall").pos)
    return sim.pose(name).z_axis[2] > 0.995


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
    # MIDDLE hands over at W heading east, backed there from the stance line.
    if not (P.follow_path(sim, "truck", STANCE_ROUTE[:7], throttle=0.5) and reverse_to(sim, W)):
        print("never reached W")
        return
    log(sim, "at W", sim.pose("truck").pos, sim.pose("truck").heading, "walls",
        sim.pose("leftwall").pos, sim.pose("rightwall").pos, sim.pose("housefront").pos)
    ok = stage(sim)
    print("stage", ok, "tick", sim.tick)
    report(sim)




# ---- experiment: the pair first, into the empty new house
FIRST = bool(os.environ.get("LEVEL13_FIRST"))
TAB_EDGE = (-0.125, -0.5)  # the gable's tabs' west bottom edge, from its centre (x, z)
TAB_PLACE = (9.525 + 0.003, NEW_Y)


def tab_edge(sim):
    q = sim.pose("houseback")
    return [q.pos[k] + TAB_EDGE[0] * q.x_axis[k] + TAB_EDGE[1] * q.z_axis[k] for k in range(3)]


def old_walls(sim):
    return [(round(sim.pose(n).pos[0], 3), round(sim.pose(n).pos[1], 3), round(sim.pose(n).pos[2], 3),
             round(math.hypot(*sim.pose(n).z_axis[:2]), 3)) for n in ("leftwall", "rightwall")]


def still(sim, name, ticks=900, every=10, speed=0.004, spin=0.01):
    """Waits until the part hangs still (the pair never hangs upright)."""
    quiet = 0
    for _ in range(0, ticks, every):
        if sim.step(every):
            return False
        q = sim.pose(name)
        quiet = quiet + 1 if math.hypot(*q.vel) < speed and math.hypot(*q.ang_vel) < spin else 0
        if quiet >= 4:
            return True
    return False


TAB_GAIN = 0.6


def over_tabs(sim, z, tries=6):
    """Moves the hub at height z until the tabs' edge stands over TAB_PLACE."""
    for _ in range(tries):
        e = tab_edge(sim)
        ex, ey = TAB_PLACE[0] - e[0], TAB_PLACE[1] - e[1]
        log(sim, "tabs", [round(v, 4) for v in e], "off", round(ex, 4), round(ey, 4), "tilt",
            [round(v, 3) for v in sim.pose("houseback").z_axis[:2]], "yaw",
            round(math.atan(math.tan(sim.pose("houseback").heading)), 3))
        if math.hypot(ex, ey) < 0.005:
            return True
        h = sim.pose("grapple").pos
        gentle_to(sim, (h[0] + TAB_GAIN * ex, h[1] + TAB_GAIN * ey, z), "houseback")
        still(sim, "houseback")
    return False


TAB_HOVER = 0.06  # the tabs' edge this high over the floor while squared: the ridges are 0.035
TAB_LANDED = 0.03  # landed within this of its mark, the ridges take the plate into its channel
LANDINGS = 6


def tab_miss(sim):
    e = tab_edge(sim)
    return math.hypot(TAB_PLACE[0] - e[0], TAB_PLACE[1] - e[1]), e[2] - FLOOR


def set_pair_first(sim):
    """Lets the pair down into the empty new house. It hangs leaning top
    west, its tabs' west edge lowest, and slips a little in the claw at
    each move, so it is squared over its mark by that edge a few
    centimetres up, let straight down onto the floor and, landed off its
    mark, lifted and squared again. Stood up on that edge, the gable's
    plate comes down into its channel."""
    name = "houseback"
    e = tab_edge(sim)
    h = sim.pose("grapple").pos
    hover = h[2] - (e[2] - FLOOR) + TAB_HOVER
    log(sim, "pair margin", reach_margin(sim, (h[0] + TAB_PLACE[0] - e[0], h[1] + TAB_PLACE[1] - e[1], hover)))
    gentle_to(sim, (h[0] + TAB_PLACE[0] - e[0], h[1] + TAB_PLACE[1] - e[1], hover + 0.1), name)
    P.hold_still(sim)
    still(sim, name)
    for _ in range(LANDINGS):
        h = sim.pose("grapple").pos
        gentle_to(sim, (h[0], h[1], hover), name)
        still(sim, name, 300)
        over_tabs(sim, hover)
        for _ in range(3):
            miss, above = tab_miss(sim)
            if above < 0.004:
                break
            h = sim.pose("grapple").pos
            P.crane_joints_to(sim, (h[0], h[1], h[2] - above + 0.002), 0.1)
            still(sim, name, 300)
        miss, above = tab_miss(sim)
        log(sim, "tabs landed", round(miss, 4), round(above, 4), tab_edge(sim))
        if miss < TAB_LANDED and above < 0.006:
            break
    log(sim, "tabs down", tab_edge(sim), sim.pose(name).pos, sim.pose(name).z_axis,
        "chimney", sim.pose("chimney").pos)
    stand_up(sim, name, along=(1, 0))
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], h[2] - 0.02), 0.1)
    calm(sim, name, 300)
    snug(sim)
    log(sim, "pair stood", sim.pose(name).pos, sim.pose(name).z_axis, "chimney",
        sim.pose("chimney").pos)
    return True


STACK_OFF = 0.127  # the chimney's centre east of the gable's, its stack against the plate
SNUG_WITHIN, SNUGS = 0.006, 3


def snug(sim):
    """The chimney stands on its smooth strip, and stood up on the tabs the
    pair leaves it drawn east of the gable by the claw: it is pushed back
    against the plate by the cap."""
    for _ in range(SNUGS):
        gap = sim.pose("chimney").pos[0] - sim.pose("houseback").pos[0] - STACK_OFF
        log(sim, "chimney gap", round(gap, 4))
        if gap < SNUG_WITHIN:
            return
        h = sim.pose("grapple").pos
        gentle_to(sim, (h[0] - gap, h[1], h[2]), "chimney")
        calm(sim, "chimney", 300)


OLD_GABLE_Y = OLD_Y
TABS_CLEAR_X = float(os.environ.get("TABS_CLEAR_X", "9.70"))  # the tabs' west edge this far east before the carry


class Centred:
    """Moves the hub from where it held the pair after the lift, the y
    corrected a little at a time so that the gable stays on the old house's
    centre line: its tabs stand against both old walls' inner faces, and
    rubbed along one they drag it over. (Aimed at where the hub hangs, the
    arm gives a little more under the pair each time.)"""

    def __init__(self, sim):
        self.sim = sim
        self.base = sim.pose("grapple").pos
        self.dx = self.dy = 0.0

    def step(self):
        g = self.sim.pose("houseback").pos
        self.dy += P.clamp((OLD_GABLE_Y - g[1]) * 0.5, -CENTRE_STEP, CENTRE_STEP)
        b = self.base
        P.crane_joints_to(self.sim, (b[0] + self.dx, b[1] + self.dy, b[2]), 0.12)
        return not self.sim.step(30)


CENTRE_STEP = 0.002


def out_east(sim, hold):
    """Draws the pair east along the old house's centre line until its tabs
    clear the old walls' ends."""
    for _ in range(6):
        need = TABS_CLEAR_X - tab_edge(sim)[0]
        log(sim, "out east", round(need, 3), "dx", round(hold.dx, 3))
        if need < 0:
            return True
        for _ in range(math.ceil(need / OUT_STEP)):
            hold.dx += OUT_STEP
            if not hold.step():
                return False
        calm(sim, "houseback", 300)
    return False


FIRST_SQUEEZE = int(os.environ.get("FIRST_SQUEEZE", "30"))
FIRST_LEVER = float(os.environ.get("FIRST_LEVER", "0")) or None
FIRST_LIFT = PAIR_LIFT


def pair_first(sim):
    if not to_east_line(sim):
        return False
    # Square across from the cap: the claw closes along the boom, and
    # closed on it askew it turns the pair in the arch and its tabs shove
    # the old walls.
    creep_to(sim, sim.pose("chimney").pos[1], axis=1)
    log(sim, "truck at", sim.pose("truck").pos, sim.pose("truck").heading)
    c = sim.pose("chimney").pos
    if not lift_pair(sim, (c[0], c[1], c[2] + CHIMNEY_GRIP), FIRST_SQUEEZE, FIRST_LEVER, FIRST_LIFT):
        return False
    log(sim, "old walls after lift", old_walls(sim))
    hold = Centred(sim)
    for _ in range(10):
        hold.step()
    log(sim, "centred", sim.pose("houseback").pos, old_walls(sim))
    if not out_east(sim, hold):
        return False
    calm(sim, "houseback", 600)
    log(sim, "old walls after out", old_walls(sim), "tabs", tab_edge(sim))
    if not back_up_line(sim, EAST_LINE, NEW_Y):
        return False
    creep_to(sim, GOALS["chimney"][1], axis=1)
    settle_turn(sim, "houseback")
    calm(sim, "houseback", 600)
    q = sim.pose("houseback")
    log(sim, "carried", sim.pose("truck").pos, q.pos, q.z_axis, "yaw", q.heading, old_walls(sim))
    if not set_pair_first(sim):
        return False
    if not free_claw(sim):
        return False
    for name in ("chimney", "houseback"):
        q = sim.pose(name)
        off = math.dist(q.pos, GOALS[name])
        log(sim, name, "stands", q.pos, "off", off)
        if off > 0.05 or q.z_axis[2] < 0.995:
            return False
    if any(w[3] > 0.02 for w in old_walls(sim)):
        log(sim, "the old walls were knocked", old_walls(sim))
        return False
    return to_yard(sim)


def develop_first(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(80)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    sim.place("houseroof", 0, (12.6, 9.6, 0.82))
    sim.step(30)
    if not (P.follow_path(sim, "truck", STANCE_ROUTE[:7], throttle=0.5) and reverse_to(sim, W)):
        print("never reached W")
        return
    ok = pair_first(sim)
    print("stage", ok, "tick", sim.tick, "old walls", old_walls(sim))
    report(sim)


if __name__ == "__main__":
    driver_main.main(LEVEL, develop_first if FIRST else develop)
