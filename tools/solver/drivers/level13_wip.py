"""Level 13, the hearth (unfinished): the house stands assembled on its old
plot by the road, the roof resting on the walls and gables, so it comes
apart from the top. This much is done: the truck draws up south of the
house, takes the roof by its ridge (the wide claw's prongs close across
the ridge, square to the crane's beam, so the roof hangs along the
house's length) and carries it up the hill's west slope to a stance south
of the new foundation, heading east, and lays it down on the hill top
south-west of the foundation. Then it drives round by the east slope to
the old house's west side, takes the front gable by the block on its peak,
draws it out from between the walls, carries it up to the stance west of
the new foundation and lets it down into its channel, squared by where the
gable itself hangs, and opens the claw flat and slides it off the block
before it rises. The other four parts are not done.

Not yet reliable: drawing the front gable out knocks the side walls over
on the old plot; the gable is left in its place at start delays 0 and 4
only. Standing alone it is top-heavy: at other delays opening the claw
tips it, or sliding the open claw off its block does, and at 3 and 5 the
roof, hanging tilted, is laid down on one eave and the truck runs into
the wreck. The gable needs the walls to lean on, so the walls must go up
first. A side wall is taken
and lifted cleanly from the south stance (haul with BACK_TO_OLD_SOUTH and
OLD_SOUTH_TO_NEW_SOUTH) but slips out of the two prongs in the bends of
the drive, carried ahead or at the side, squeezed or not.

Where to go next (measured with primitives.within_reach, the truck's
centre 0.4 above the ground it stands on; not built yet): the long carries
are what fail, so the old house belongs on the hill top beside the new
foundation (the hill top made wider), with the truck working both from
stances between them. With the hub 0.4 above the truck's centre (a wall's
beam on the hill top) the straight arm reaches only 1.18 to 1.95 m out;
folded to -0.8, 1.07 to 1.84. Stood 1.4 m south of the new house's centre,
heading east, the kit gives a gable's peak 0.32 to spare, the roof's ridge
0.24, the chimney about 0.19 (its top's height guessed) and the far wall
0.07 only, while the near wall, 0.93 out, is inside the crane's shortest
reach. So each wall needs a stance of its own, 1.4 to 1.7 m from it.
Because the part turns with the slew, an old house rebuilt as the new one
turned half a turn about a stance keeps every part's turn when it is
swung straight across. A slot on each foundation's centre line (two
ridges like the walls' channels) would give a wall somewhere to wait, so
that the order of the parts stops mattering.

The prongs hang square to the beam: a part keeps its turn while the crane
points the same way over the ground when it takes the part and when it
sets it down.

usage: python3 tools/solver/drivers/level13_wip.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin  # noqa: E402

LEVEL = 13
DEBUG = os.environ.get("LEVEL13_DEBUG")
# South of the old house, heading east: 1.4 m from the roof's ridge, 0.36 m
# of reach to spare with the hub over it (reach_margin, from the stance as
# reached).
OLD_STANCE_ROUTE = [(-2.0, -8.6), (-0.8, -9.4), (0.2, -9.4), (1.0, -9.4)]
# North along x = 1.5 clear of the old house's east end, round onto y = 6.6
# west of the hill and east up its slope to the stance south of the new
# foundation.
HILL_ROUTE = [(1.0, -9.4), (2.8, -9.2), (3.0, -8.0), (3.0, -6.0), (1.2, -3.0), (1.0, 0.0),
              (1.0, 4.6), (1.6, 5.9), (3.0, 6.6), (5.0, 6.6), (9.0, 6.6)]
# Carried this far ahead of the truck's centre while it drives: turned with
# the slew, the roof turns back when the crane swings round again.
CARRY_AHEAD = 0.95
NEW_X, NEW_Y = 9.0, 8.0  # the new foundation's centre
ROOF_RIDGE = 0.37  # the ridge's axis above the roof's centre
# The hub over the ridge when the prongs close on it: from 0.18 the closing
# prongs already lift the roof, and its eave pushes the front gable over.
ROOF_HUB_ABOVE = 0.12
# Lifted off in slow steps: quicker, the roof swings and drags a gable.
LIFT_OFF = (0.02, 0.05, 0.1, 0.2, 0.35)
LIFT_OFF_LEVER = 0.2
# Drawn in this close to the truck and this high, the roof swings round
# clear of the chimney's cap and the gables.
SWING_OUT, SWING_HUB = 0.95, 2.38
ROOF_PLACE_Z = 1.5
ROOF_CARRY_HUB = 2.1  # the roof carried with its eaves over the walls' tops
# Laid down on the hill top south of the stance, this far out at this
# bearing from the truck's heading, so that taken again from the same
# stance at the same bearing it hangs turned as it was.
LAYDOWN_OUT, LAYDOWN_BEARING = 1.25, -1.75
ROOF_REST = 0.31  # the roof's centre above the ground it rests on by its eaves
HILL_TOP = 0.5
APPROACH = 0.5
LOWER_STEPS = (0.25,)


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def standing(sim):
    return [[round(v, 2) for v in sim.pose(n).pos] for n in
            ("rightwall", "leftwall", "houseback", "housefront", "chimney")]


# Where each part is taken: its top above its centre and the hub's height
# over that top when the prongs close. Tried on the old plot with the roof
# off: the front gable by the block on its peak from a stance west of it
# (0.42 m of reach to spare), lifted 0.4 m within a degree of level with the
# rest of the house left standing; a side wall by its top beam from the
# south (0.52 to spare) holds from 0.05 over it, tilted 7 degrees, but
# lifting it drags the front gable and the far wall over, so the gables
# come out before the walls.
TAKE = {
    "houseroof": (ROOF_RIDGE, ROOF_HUB_ABOVE),
    "housefront": (0.73, 0.08),
    "houseback": (0.73, 0.08),
    "leftwall": (0.35, 0.05),
    "rightwall": (0.35, 0.05),
}


def take_from_above(sim, name):
    """Over the part's top with the prongs wide open, down round it in
    settled steps and closed; True once the grapple holds it."""
    c = sim.pose(name).pos
    top_above, hub_above = TAKE[name]
    top = c[2] + top_above
    if not (P.raise_hub_to(sim, top + APPROACH + 0.1) and P.work_grapple(sim, 1.0, 90)):
        return False
    P.hub_over(sim, (c[0], c[1], top + APPROACH))
    for above in LOWER_STEPS:
        P.hub_over(sim, (c[0], c[1], top + above), 0.4)
    P.hub_over(sim, (c[0], c[1], top + hub_above), 0.25, tries=2)
    log(sim, "margin", reach_margin(sim, (c[0], c[1], top + hub_above)))
    P.lever(sim, P.GRAPPLE_LEVER, -1.0)
    for _ in range(30):
        if sim.step(5):
            return False
        if sim.grasped() == name:
            break
    sim.step(30)
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    log(sim, "grasped", sim.grasped())
    return sim.grasped() == name


def take_roof_to_hill(sim):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(80)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if not P.follow_path(sim, "truck", OLD_STANCE_ROUTE, throttle=0.4):
        return
    log(sim, "old stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not take_from_above(sim, "houseroof"):
        return
    hub = sim.pose("grapple").pos
    for up in LIFT_OFF:
        P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + up), LIFT_OFF_LEVER)
    log(sim, "lifted off", sim.pose("houseroof").pos, standing(sim))
    t = sim.pose("truck")
    drawn_in = (t.pos[0] + SWING_OUT * (hub[0] - t.pos[0]) / math.hypot(hub[0] - t.pos[0], hub[1] - t.pos[1]),
                t.pos[1] + SWING_OUT * (hub[1] - t.pos[1]) / math.hypot(hub[0] - t.pos[0], hub[1] - t.pos[1]),
                SWING_HUB)
    ahead = (t.pos[0] + CARRY_AHEAD * t.x_axis[0], t.pos[1] + CARRY_AHEAD * t.x_axis[1], SWING_HUB)
    if not P.crane_joints_to(sim, drawn_in, 0.4):
        return
    log(sim, "drawn in", sim.pose("houseroof").pos, standing(sim))
    if not (P.crane_joints_to(sim, ahead, 0.4) and P.hub_settle(sim)):
        return
    log(sim, "ahead", sim.pose("houseroof").pos, standing(sim))
    log(sim, "roof up", sim.pose("houseroof").pos, sim.grasped())
    if not P.follow_path(sim, "truck", HILL_ROUTE, throttle=0.3):
        log(sim, "stuck", sim.pose("truck").pos, sim.pose("truck").heading)
        return
    t = sim.pose("truck")
    log(sim, "new stance", t.pos, t.heading, "roof", sim.pose("houseroof").pos, sim.grasped())
    place = (NEW_X, NEW_Y, ROOF_PLACE_Z + ROOF_RIDGE + ROOF_HUB_ABOVE)
    log(sim, "place margin", reach_margin(sim, place), "carry margin",
        reach_margin(sim, (NEW_X, NEW_Y, ROOF_CARRY_HUB)))
    P.crane_joints_to(sim, (t.pos[0] + CARRY_AHEAD * t.x_axis[0],
                            t.pos[1] + CARRY_AHEAD * t.x_axis[1], SWING_HUB), 0.4)
    P.hub_over(sim, (NEW_X, NEW_Y, ROOF_CARRY_HUB), 0.4)
    r = sim.pose("houseroof")
    log(sim, "over place", r.pos, "x_axis", r.x_axis, sim.grasped())
    a = t.heading + LAYDOWN_BEARING
    lay = (t.pos[0] + LAYDOWN_OUT * math.cos(a), t.pos[1] + LAYDOWN_OUT * math.sin(a),
           HILL_TOP + ROOF_REST + ROOF_RIDGE + ROOF_HUB_ABOVE + 0.02)
    log(sim, "laydown margin", reach_margin(sim, lay))
    if (P.crane_joints_to(sim, (lay[0], lay[1], SWING_HUB - 0.3), 0.4)
            and P.hub_over(sim, lay, 0.3)):
        P.work_grapple(sim, 1.0, 60)
        sim.step(60)
    log(sim, "laid", sim.pose("houseroof").pos, sim.pose("houseroof").z_axis)
    sim.step(30)
    return True


# From the roof's stance on the hill round its east end, down the east slope,
# round the old plot's east and south sides and up to the stance west of
# the old house, heading north.
BACK_TO_OLD_WEST = [(8.9, 6.6), (10.6, 6.4), (11.4, 5.2), (11.0, 2.0), (8.0, -2.0), (4.0, -5.0),
                    (3.6, -8.0), (3.0, -11.0), (0.0, -11.6), (-1.1, -10.5), (-1.1, -9.0),
                    (-1.1, -8.0)]


# Where each part stands in the new house (the goal's places).
PLACE = {
    "housefront": (NEW_X - 0.65, NEW_Y, 1.0),
    "houseback": (NEW_X + 0.65, NEW_Y, 1.0),
    "rightwall": (NEW_X, NEW_Y - 0.475, 0.9),
    "leftwall": (NEW_X, NEW_Y + 0.475, 0.9),
}
# Up the valley from the old house's west side onto the hill top west of the
# new foundation, heading north: the front gable taken and set down from the
# west.
OLD_WEST_TO_NEW_WEST = [(-1.1, -8.0), (-1.1, -5.5), (0.5, -2.5), (1.0, 0.0), (1.0, 4.0), (3.0, 5.2),
                        (5.5, 5.4), (6.9, 6.2), (6.9, 7.2), (6.9, 8.0)]
DRAW_OUT_LEVER = 0.4
# A part lifted this far out of its channel, its foot above the walls' tops,
# before it is drawn in and swung round for the drive.
LIFT_CLEAR = 0.9


# Carried where it was drawn in, at the truck's side, rather than swung round
# ahead: turned across the heading the wall swings along its length in a
# bend and slips out of the prongs.
STOW_AT_SIDE = ("rightwall", "leftwall")


def lift_and_stow(sim, name):
    """Lifts the held part straight up in slow steps, draws it in and swings
    it ahead of the truck for the drive."""
    hub = sim.pose("grapple").pos
    for up in (0.02, 0.05, 0.1, 0.2, 0.45):
        P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + up), LIFT_OFF_LEVER)
    t = sim.pose("truck")
    z = max(SWING_HUB, hub[2] + LIFT_CLEAR)
    out = math.hypot(hub[0] - t.pos[0], hub[1] - t.pos[1])
    ux, uy = (hub[0] - t.pos[0]) / out, (hub[1] - t.pos[1]) / out
    # Drawn out from between the walls slowly, level, so that it does not
    # swing its foot into them, and only then up and in.
    for k in range(1, 4):
        P.crane_joints_to(sim, (hub[0] - 0.1 * k * ux, hub[1] - 0.1 * k * uy, hub[2] + 0.45),
                          DRAW_OUT_LEVER)
        P.hold_still(sim)
        log(sim, "drawing out", k, standing(sim))
    drawn_in = (t.pos[0] + SWING_OUT * ux, t.pos[1] + SWING_OUT * uy, z)
    ahead = (t.pos[0] + CARRY_AHEAD * t.x_axis[0], t.pos[1] + CARRY_AHEAD * t.x_axis[1], z)
    log(sim, "lifted", sim.pose("grapple").pos, standing(sim))
    ok = P.crane_joints_to(sim, drawn_in, 0.4)
    log(sim, "drawn in", sim.pose("grapple").pos, standing(sim))
    if name not in STOW_AT_SIDE:
        ok = ok and P.crane_joints_to(sim, ahead, 0.4)
    log(sim, "ahead", sim.pose("grapple").pos, standing(sim))
    return ok and P.hub_settle(sim)


# Let go with the prongs opened nearly flat and slid north off the peak's
# block before they rise: less open, or lifted straight, they catch the
# block and lift the part out of its channel again.
RELEASE_OPEN = 1.4


RELEASE_SLIDES = (0.25, -0.25, 0.4)


OPEN_LEVER = 0.15


def open_slowly(sim, angle, max_ticks=600, every=2):
    """Opens the claw on a light lever until its first prong stands angle
    out: flung open, the prongs' tips knock the part's top over."""
    for _ in range(0, max_ticks, every):
        if sim.joint("crane", "prong0") >= angle:
            break
        P.lever(sim, P.GRAPPLE_LEVER, OPEN_LEVER)
        if sim.step(every):
            break
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)


def rise_clear(sim, name, point):
    """Raises the open claw to point; False when the part rose with it."""
    z = sim.pose(name).pos[2]
    P.crane_joints_to(sim, point, 0.2)
    log(sim, "rise", point[2], sim.pose(name).pos)
    return sim.pose(name).pos[2] < z + 0.01


def set_down(sim, name):
    """Brings the held part over its place, squares the hub by where the part
    itself hangs, lets it down into its channel and opens the claw."""
    place = PLACE[name]
    top_above, hub_above = TAKE[name]
    aim = [place[0], place[1], place[2] + top_above + hub_above]
    P.hub_over(sim, (aim[0], aim[1], aim[2] + 0.3), 0.4)
    for above in (0.15, 0.06):
        for _ in range(3):
            P.hub_over(sim, (aim[0], aim[1], aim[2] + above), 0.3, tries=2, within=0.015)
            part = sim.pose(name).pos
            ex, ey = place[0] - part[0], place[1] - part[1]
            log(sim, "squaring", name, round(ex, 3), round(ey, 3))
            if math.hypot(ex, ey) < 0.01:
                break
            aim[0] += ex
            aim[1] += ey
    P.hub_over(sim, (aim[0], aim[1], aim[2] - 0.01), 0.2, tries=1)
    sim.step(60)
    log(sim, "let down", name, sim.pose(name).pos, "off", [round(a - b, 3) for a, b in zip(sim.pose(name).pos, place)])
    open_slowly(sim, RELEASE_OPEN)
    P.hold_still(sim)
    log(sim, "opened", sim.grasped(), sim.joint("crane", "prong0"), sim.pose(name).pos)
    # Worked from where the joints were set, not from where the swinging hub
    # happens to be: chasing the swing drags the prongs across the block.
    base = (aim[0], aim[1], aim[2] - 0.01)
    for slide in RELEASE_SLIDES:
        for f in (0.3, 0.6, 1.0):
            P.crane_joints_to(sim, (base[0], base[1] + f * slide, base[2] + 0.01), 0.2)
        P.hold_still(sim)
        if all(rise_clear(sim, name, (base[0], base[1] + slide, base[2] + up))
               for up in (0.03, 0.08, 0.2, 0.4)):
            break
        # Caught and lifted: back down, and off along the other way.
        P.hub_over(sim, (base[0], base[1] + slide, base[2]), 0.2, tries=1)
        P.open_grapple(sim, RELEASE_OPEN)
    sim.step(60)
    p = sim.pose(name).pos
    log(sim, "stands", name, p, "off", [round(a - b, 3) for a, b in zip(p, place)])
    return math.dist(p, place) < 0.05


# The right wall: from the hill round by the east and south of the old plot
# to the stance south of it, heading east, and from there back up the
# valley to the stance south of the new foundation.
BACK_TO_OLD_SOUTH = [(8.9, 6.6), (10.6, 6.4), (11.4, 5.2), (11.0, 2.0), (8.0, -2.0), (4.5, -5.0),
                     (4.0, -8.0), (3.4, -11.0), (1.0, -12.4), (-3.0, -12.6), (-5.5, -12.0),
                     (-6.3, -10.8), (-5.2, -9.93), (-3.0, -9.93), (1.0, -9.93)]
OLD_SOUTH_TO_NEW_SOUTH = [(1.0, -9.93), (2.8, -9.8), (3.4, -8.0), (3.2, -6.0), (1.2, -3.0),
                          (1.0, 0.0), (1.0, 4.6), (1.6, 5.8), (3.0, 6.15), (5.0, 6.15), (9.0, 6.15)]


CARRY_THROTTLE, CARRY_LOOKAHEAD = 0.3, 0.8


def haul(sim, to_pick, name, to_place):
    """Drives to the stance by the old house, takes the part, carries it to
    the stance by the new foundation and sets it in its place."""
    if not P.follow_path(sim, "truck", to_pick, throttle=0.4):
        log(sim, "stuck", sim.pose("truck").pos)
        return False
    t = sim.pose("truck")
    log(sim, "at", name, t.pos, t.heading, standing(sim))
    if not (take_from_above(sim, name) and lift_and_stow(sim, name)):
        return False
    log(sim, "up", name, sim.pose(name).pos, standing(sim))
    if not P.follow_path(sim, "truck", to_place, throttle=CARRY_THROTTLE, lookahead=CARRY_LOOKAHEAD):
        log(sim, "stuck", sim.pose("truck").pos)
        return False
    place = PLACE[name]
    t = sim.pose("truck")
    log(sim, "over", name, t.pos, t.heading, "margin",
        reach_margin(sim, place[:2] + (place[2] + sum(TAKE[name]),)))
    return set_down(sim, name)


def stow_crane(sim):
    """Raises the empty claw and swings it ahead of the truck for the drive."""
    P.raise_hub_to(sim, SWING_HUB)
    t = sim.pose("truck")
    P.crane_joints_to(sim, (t.pos[0] + CARRY_AHEAD * t.x_axis[0], t.pos[1] + CARRY_AHEAD * t.x_axis[1],
                            SWING_HUB), 0.6)


def drive(sim):
    if not take_roof_to_hill(sim):
        return
    stow_crane(sim)
    if not haul(sim, BACK_TO_OLD_WEST, "housefront", OLD_WEST_TO_NEW_WEST):
        return
    stow_crane(sim)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
