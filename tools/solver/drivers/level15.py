"""Level 15, the quarry: the truck backs west along the bay's edge to stand
between the pyramid of granite blocks and the dump truck waiting in the bay
below, lifts the blocks one by one off the pyramid, top first, and sets them
down in the dump truck's bed in one layer of three by two; it backs a little
further west for the last, sets it down on the floor off its nose, picks it
afresh there, sets it down in the bed and lifts the claws clear at once.
The sixth block hands control to
the dump truck, which drives east along the bay and up the haul road, round
onto the plateau and west along it, turns north onto the tray's line, backs
past the stance line onto the tray's edge, tips its load out slowly onto the
tray and pulls forward. A block knocked or dropped onto the floor is
loaded once the pyramid is cleared: from further along the parapet, or,
lying north of the pyramid, set down on the pyramid's ground from a lane
north of it and loaded from there.

usage: python3 tools/solver/drivers/level15.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import set_grapple  # noqa: E402

LEVEL = 15
DEBUG = os.environ.get("LEVEL15_DEBUG")

# Backed straight west along the bay's parapet to between the pyramid and
# the bed, level with the bed's middle, the wheels 0.2 m from the parapet.
# The truck rolls on 0.1 m once the pedal is let go.
STANCE = (-11.7, -9.62)
ROLL_ON = 0.1
# The pyramid's west corner block, last to go, is picked from further west:
# from the first stance the outer beam, straightening under the reach,
# knocks it off the floor out of reach.
LAST_STANCE_X = -12.0
# Pyramid, top block first: what a block stood on comes after it.
PICK_ORDER = (5, 4, 3, 2, 1, 0)
# The dump truck's bed, from its centre, as the blocks go in: the far row
# first, so that no block is carried low over one already in.
# The last one is set down (see load) in the middle of the corner the
# others leave free.
BED_SLOTS = [(-0.34, -0.155), (0.0, -0.155), (0.34, -0.155), (-0.34, 0.155), (0.0, 0.155), (0.36, 0.14)]
BED_FROM_CHASSIS = (-0.2, 0.0)
# A block's centre stays this far inside the bed's walls, and this far from
# another's.
BED_HALF = (0.4, 0.27)
SLOT_CLEAR = 0.28
BED_FLOOR_ABOVE_CHASSIS = 0.02
BED_ABOVE_CHASSIS = 0.2  # the bed's centre, lowered
LOAD_TRIES = 3
HAND_OVER_WAIT = 90  # ticks: the game hands over a second after the last hold
# The last block set down, the hub is lifted at once this far above it,
# within that second: claws frozen round it would drag it out of the bed as
# the dump truck drives off.
LAST_CLEAR = 0.4  # beyond HELD_WITHIN of it
LAST_LOW = 0.1  # let go no higher than this over its place
FLOOR_Z = -0.7
# Off the truck's nose, (distance from its centre, bearing from its
# heading): 0.2 m of reach to spare picking and setting down there (bent
# 0.8 or 1.2).
ASIDE = (1.3, 0.35)
ASIDE_WITHIN = 0.3
BLOCK_HALF = 0.125
# The grapple opened this far passes round a block; the hub this far above a
# block's centre closes the claws round its upper half (lower, the open
# claws push a block off the pyramid's top).
BLOCK_OPEN = 0.6
HUB_ABOVE = 0.12
OPEN_WIDE = 1.2  # round a block with no neighbour beside it
CLAW_CLEAR = 0.02  # the open fingers pass this far outside a block
CLAW_MORE = 0.02
NEIGHBOUR = 0.6
HELD_WITHIN = 0.35
APPROACH = 0.3
LOWER_STEPS = 5
PICK_TRIES = 3
# A carried block hangs this far below the hub; carried this high over the
# pyramid and the bed's walls.
CARRY_HUB = 0.3
# Let go with the block's foot this far over the bed's floor.
RELEASE_ABOVE = 0.03
SET_WITHIN = 0.13  # metres across from its slot
HANG_ABOVE = 0.1
LET_DOWN = 0.25  # the boom's lever letting a block down onto the floor
SWING_LIMIT = 0.3
# Swung across faster: the claws hold a smooth block for only a few seconds
# before it has slid out of them.
CARRY_LIMIT = 0.5
RAMP = 0.05  # lever travel per correction
# How near the hub must hang over a block: the open claws clear it, and its
# neighbours, by about 3 cm a side.
ALIGN = 0.025
LOW_ROW_Z = -0.5  # a block's centre below this stands on the quarry floor
HUB_LIMIT = 0.4  # lever travel, working the crane over a block


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def back_along(sim, lane_y, stop_x, throttle=0.3, max_ticks=2000, every=3):
    """Backs the truck west along the line y = lane_y, facing east, and
    stops with its centre at stop_x: the tail is steered onto the line a
    metre behind."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = p.pos[0] - stop_x
        if left < 0.12:
            return P.come_to_rest(sim, "truck")
        # Backing, turning the wheel right swings the tail to the left.
        want = math.atan2(lane_y - p.pos[1], -1.0) - math.pi
        error = P.wrap(want - p.heading)
        sim.post("steer setting=%f" % P.clamp(2.0 * error))
        sim.post("accelcontrol setting=%f" % (-throttle * max(0.3, min(1.0, left))))
        if sim.step(every):
            return False
    return False


def hub_over(sim, index, height, tries=3):
    """Brings the hub to hang height over block index on the crane's joint
    readings, aimed afresh at where the block lies after each try: the open
    claws clear a block and its neighbours by only a few centimetres."""
    for _ in range(tries):
        c = sim.pose("block", index).pos
        if P.hub_over(sim, (c[0], c[1], c[2] + height), limit=HUB_LIMIT, tries=2, within=ALIGN):
            return True
        if sim.ended:
            return False
    return False


def squarely_over(sim, index):
    """Whether the hub hangs over block index closely enough that the claws
    close round it: let down onto the block, it stops short of its height."""
    c, hub = sim.pose("block", index).pos, sim.pose("grapple").pos
    return math.hypot(hub[0] - c[0], hub[1] - c[1]) < ALIGN and hub[2] - c[2] < HUB_ABOVE + 0.05


def claw_opening(sim, index, clear=CLAW_CLEAR):
    """How far to open the claws round block index: the prongs face the
    crane's beam, and a block standing askew to it reaches further out
    toward them than its half width, to its corners."""
    b, g = sim.pose("block", index).x_axis, sim.pose("grapple").x_axis
    askew = (math.atan2(b[1], b[0]) - math.atan2(g[1], g[0])) % (math.pi / 2)
    reach = BLOCK_HALF * (abs(math.cos(askew)) + abs(math.sin(askew))) + clear
    opening = BLOCK_OPEN
    # The finger's inner edge stands this far from the hub's axis.
    while opening < OPEN_WIDE and 0.15 - (0.105 * math.cos(opening) - 0.16 * math.sin(opening)) < reach:
        opening += 0.02
    return opening


def has_neighbour(sim, index):
    """Whether another block lies level with block index close enough for
    a wide-open claw to land on it."""
    c = sim.pose("block", index).pos
    for other in range(6):
        o = sim.pose("block", other).pos
        if other != index and abs(o[2] - c[2]) < 0.05 and math.hypot(o[0] - c[0], o[1] - c[1]) < NEIGHBOUR:
            return True
    return False


def pick_bend(sim, points, low):
    """The bend for a pick: the first that reaches every point, and for the
    pyramid's bottom row the steepest, which leaves the boom clear of its
    low stop (at that stop the outer beam folds up and the hub hangs short)."""
    for bend in reversed(P.BENDS) if low else P.BENDS:
        if all(P.crane_can_reach(sim, p, bend) for p in points):
            return bend
    return None


def pick(sim, index, place, wider=0):
    """Lowers the open grapple round block index and closes on it. The outer
    beam is bent first as far as setting the block down at place needs:
    bent under a load, it throws the block about."""
    for attempt in range(PICK_TRIES):
        c = sim.pose("block", index).pos
        at = (c[0], c[1], c[2] + HUB_ABOVE)
        above = (c[0], c[1], c[2] + HUB_ABOVE + APPROACH)
        down = (place[0], place[1], place[2] + HUB_ABOVE)
        bend = pick_bend(sim, (above, at, down, (down[0], down[1], down[2] + APPROACH)), c[2] < LOW_ROW_Z)
        log(sim, "pick", index, c, "bend", bend)
        if bend is None:
            return False
        # Up first, then across: swung in low, the claws knock the top block
        # off the pyramid.
        if not (P.bend_to(sim, bend) and P.raise_hub_to(sim, CARRY_HUB)):
            return False
        hub = sim.pose("grapple").pos
        if not carry_to(sim, (c[0], c[1], max(hub[2], CARRY_HUB))):
            return False
        if not hub_over(sim, index, HUB_ABOVE + APPROACH):
            log(sim, "not over", index, sim.pose("grapple").pos)
            return False
        # Wide open round the top block, which has none beside it: closed
        # from there, the claws take it by its upper half.
        lone_top = c[2] > LOW_ROW_Z and not has_neighbour(sim, index)
        # A claw that came down on the block's top edge last time is
        # opened a little wider each time after.
        clear = CLAW_CLEAR + CLAW_MORE * (attempt + wider)
        if not set_grapple(sim, OPEN_WIDE if lone_top else claw_opening(sim, index, clear)):
            return False
        for k in range(1, LOWER_STEPS + 1):
            # The outer beam folds back up when the hub bears on anything;
            # bent again before each step down.
            if sim.joint("crane", "bend") > bend + 0.05 and not P.bend_to(sim, bend):
                return False
            if not hub_over(sim, index, HUB_ABOVE + APPROACH * (1 - k / LOWER_STEPS)) and not squarely_over(sim, index):
                log(sim, "not lowered", index, k, sim.pose("grapple").pos, [round(sim.joint("crane", j), 2) for j in ("boom", "bend", "extend")])
                return False
        if P.close_until_grasped(sim, "block"):
            # Locked claws hold a smooth block only by their squeeze: the
            # lever stays on closing until the block is let go.
            P.lever(sim, P.GRAPPLE_LEVER, -1.0)
            log(sim, "grasped", index, sim.grasped())
            return True
        log(sim, "missed", index, sim.pose("grapple").pos, sim.pose("block", index).pos)
        set_grapple(sim, BLOCK_OPEN)
        hub = sim.pose("grapple").pos
        P.grapple_to(sim, (hub[0], hub[1], hub[2] + APPROACH))
    return False


def ramped(sim, name, setting):
    """Moves the crane lever name toward setting by at most RAMP a
    correction: a slew started or stopped at once sets the hub swinging."""
    last = sim.__dict__.setdefault("crane_settings", {}).get(name, 0.0)
    setting = last + P.clamp(setting - last, -RAMP, RAMP)
    sim.crane_settings[name] = setting
    P.lever(sim, P.TRUCK_LEVERS[name], setting)


def release_crane(sim):
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
    sim.__dict__["crane_settings"] = {}


def swing_toward(sim, target, limit):
    """One correction of the crane toward target for the hub, the slew and
    the extension held to limit: swung fast, a block held by its upper half
    swings out of the claws."""
    if handed_over(sim):
        return 0.0
    bearing, reach, hub = P.slew_errors(sim, target)
    out = math.hypot(hub[0] - sim.pose("truck").pos[0], hub[1] - sim.pose("truck").pos[1])
    ramped(sim, "rotate", -P.clamp(P.axis_setting(bearing, 1.5, 0.02, 0.15), -limit, limit))
    ramped(sim, "extend", P.clamp(P.axis_setting(reach, 2.0, 0.02, 0.15), -limit, limit))
    rise = target[2] - hub[2]
    if rise > 0:
        P.lever(sim, P.TRUCK_LEVERS["elevate"], P.axis_setting(rise, 4.0, 0.02, 0.5))
    else:
        # Down gently: let down fast, a held block lands hard and slips out.
        P.lever(sim, P.TRUCK_LEVERS["elevate"], P.clamp(P.axis_setting(rise, 3.0, 0.02, 0.1), -0.35, 0))
    return math.hypot(bearing * out, reach, rise)


def holding(sim, index):
    """Whether block index hangs in the claws: the grapple's hold flickers
    as one claw after another slips on a smooth face, so this goes by where
    the block is."""
    return math.dist(sim.pose("block", index).pos, sim.pose("grapple").pos) < HELD_WITHIN


def carry_to(sim, target, near=0.1, index=None, limit=None, max_ticks=900, every=5):
    """Swings the hub slowly until it is within near of target across;
    False when block index, held, was dropped on the way."""
    for _ in range(0, max_ticks, every):
        if swing_toward(sim, target, limit or SWING_LIMIT) < near:
            break
        if sim.step(every):
            return False
        if index is not None and not holding(sim, index):
            return False
    release_crane(sim)
    return index is None or holding(sim, index)


def slot_point(sim, slot, placed=()):
    """Where block slot goes in the bed, moved off any block already set
    down askew in the way (placed: their indices)."""
    d = sim.pose("dumpTruck")
    sx, sy = BED_SLOTS[slot]
    for other in placed:
        o = sim.pose("block", other).pos
        ox = (o[0] - d.pos[0]) * d.x_axis[0] + (o[1] - d.pos[1]) * d.x_axis[1] - BED_FROM_CHASSIS[0]
        oy = (o[0] - d.pos[0]) * d.y_axis[0] + (o[1] - d.pos[1]) * d.y_axis[1] - BED_FROM_CHASSIS[1]
        if abs(ox - sx) < SLOT_CLEAR and abs(oy - sy) < SLOT_CLEAR:
            # Along the axis where the two stand furthest apart.
            if abs(ox - sx) > abs(oy - sy):
                sx = ox + math.copysign(SLOT_CLEAR, sx - ox)
            else:
                sy = oy + math.copysign(SLOT_CLEAR, sy - oy)
    sx = P.clamp(sx, -BED_HALF[0], BED_HALF[0])
    sy = P.clamp(sy, -BED_HALF[1], BED_HALF[1])
    fx, fy = BED_FROM_CHASSIS[0] + sx, BED_FROM_CHASSIS[1] + sy
    x = d.pos[0] + fx * d.x_axis[0] + fy * d.y_axis[0]
    y = d.pos[1] + fx * d.x_axis[1] + fy * d.y_axis[1]
    return x, y, d.pos[2] + BED_FLOOR_ABOVE_CHASSIS + BLOCK_HALF


def hang_over(sim, index, place, tries=3, max_ticks=300, every=4, within=SET_WITHIN):
    """Brings block index, hanging from the hub, over place (its centre; or
    standing on the floor there) and waits until it is still."""
    def there():
        load = sim.pose("block", index).pos
        return math.hypot(load[0] - place[0], load[1] - place[1]) < within and load[2] < place[2] + 0.05

    for _ in range(tries):
        if not holding(sim, index):
            return False
        hub, load = sim.pose("grapple").pos, sim.pose("block", index).pos
        target = tuple(place[i] + hub[i] - load[i] for i in range(3))
        for _ in range(0, max_ticks, every):
            if swing_toward(sim, target, SWING_LIMIT) < 0.04:
                break
            if sim.step(every):
                return False
        release_crane(sim)
        # Not for long: the block creeps down out of the claws.
        P.hold_still(sim, max_ticks=120)
        log(sim, "hanging", index, sim.pose("block", index).pos, place, "hub", sim.pose("grapple").pos)
        if there():
            return True
        if sim.ended:
            return False
    return there()


def let_down(sim, index, z, max_ticks=300, every=3):
    """Lowers the held block straight down, on the boom alone, until its
    centre is at z."""
    elevate = P.TRUCK_LEVERS["elevate"]
    for _ in range(0, max_ticks, every):
        if sim.pose("block", index).pos[2] <= z or handed_over(sim):
            break
        P.lever(sim, elevate, -LET_DOWN)
        if sim.step(every):
            return False
    sim.post("leverUp leverNr=%d" % elevate)
    return sim.pose("block", index).pos[2] <= z + 0.01


def pick_again(sim, index, place, tries=3):
    """Picks block index; when the claws knocked it off instead, lifts the
    open grapple clear and picks it where it lies now."""
    for attempt in range(tries):
        if pick(sim, index, place, attempt):
            return True
        if sim.ended:
            return False
        P.lever(sim, P.GRAPPLE_LEVER, 0)
        if not (set_grapple(sim, OPEN_WIDE) and P.raise_hub_to(sim, CARRY_HUB)):
            return False
        P.work_grapple(sim, -1.0, 40)
    return False


def in_bed(sim, index):
    """Whether block index lies in the dump truck's bed, as the level
    counts it."""
    b, p = sim.pose("dumpTruck"), sim.pose("block", index).pos
    q = [p[i] - b.pos[i] for i in range(3)]
    local = [sum(q[i] * axis[i] for i in range(3)) for axis in (b.x_axis, b.y_axis, b.z_axis)]
    lx, ly, lz = local[0] - BED_FROM_CHASSIS[0], local[1], local[2] - BED_ABOVE_CHASSIS
    return abs(lx) <= 0.9 and abs(ly) <= 0.45 and -0.08 <= lz <= 0.8


def over_bed(sim, index):
    """Whether block index hangs over the bed's floor, clear of its walls."""
    b, p = sim.pose("dumpTruck"), sim.pose("block", index).pos
    q = [p[i] - b.pos[i] for i in range(2)]
    lx = q[0] * b.x_axis[0] + q[1] * b.x_axis[1] - BED_FROM_CHASSIS[0]
    ly = q[0] * b.y_axis[0] + q[1] * b.y_axis[1]
    return abs(lx) <= BED_HALF[0] + 0.05 and abs(ly) <= BED_HALF[1]


def handed_over(sim):
    """Whether all six blocks lie in the bed with the claws lifted clear of
    them: the game then hands control to the dump truck a second after the
    claws last held one, and lever 1 works its bed, not the boom."""
    return all(in_bed(sim, i) and not holding(sim, i) for i in range(6))


def aside_point(sim):
    """Where the last block is set down on the way, on the quarry floor off
    the truck's nose, ASIDE from where the truck stands."""
    t = sim.pose("truck")
    bearing = t.heading + ASIDE[1]
    return t.pos[0] + ASIDE[0] * math.cos(bearing), t.pos[1] + ASIDE[0] * math.sin(bearing), FLOOR_Z + BLOCK_HALF


def load(sim, index, slot, placed=None):
    """Loads block index into its slot in the bed (placed: the blocks
    already in it, by default those before it in the picking order). The
    last goes by way of the floor off the truck's nose: held all the way
    round from the pyramid's far corner, it slides out of the claws before
    it is over the bed."""
    placed = PICK_ORDER[:slot] if placed is None else placed
    place = slot_point(sim, slot, placed)
    last = len(placed) == len(PICK_ORDER) - 1
    if last:
        aside = aside_point(sim)
        c = sim.pose("block", index).pos
        if math.hypot(c[0] - aside[0], c[1] - aside[1]) > ASIDE_WITHIN and not carry_block(sim, index, aside, False):
            return False
        log(sim, "aside", index, sim.pose("block", index).pos)
    return carry_block(sim, index, place, last)


def carry_block(sim, index, place, last):
    """Picks block index and sets it down at place (the centre it is to
    have); last, the sixth in the bed, the claws are lifted clear of it at
    once."""
    if not pick_again(sim, index, place):
        return False
    if not P.raise_hub_to(sim, CARRY_HUB):
        return False
    if not carry_to(sim, (place[0], place[1], CARRY_HUB), index=index, limit=CARRY_LIMIT):
        log(sim, "dropped", index, sim.pose("block", index).pos)
        return False
    # Over the slot with the block well clear of the floor first, then
    # straight down: brought down and across at once it drags on the floor
    # and tips in the claws.
    if not hang_over(sim, index, (place[0], place[1], place[2] + HANG_ABOVE)):
        log(sim, "not over the slot", index)
        # The last may go down wherever it hangs over the bed's floor: taken
        # off again, it slips out of the claws on the way.
        if not (last and over_bed(sim, index)):
            return False
    if not let_down(sim, index, place[2] + RELEASE_ABOVE):
        log(sim, "not let down", index)
        # The last is let go from a little higher rather than carried off
        # again.
        low = sim.pose("block", index).pos[2] < place[2] + LAST_LOW
        if not (last and low and over_bed(sim, index)):
            return False
    if last:
        # Opened and lifted at once: the game hands over a second after the
        # claws last held it, and freezes the crane where it is.
        top = sim.pose("block", index).pos[2]
        P.lever(sim, P.GRAPPLE_LEVER, 1.0)
        P.raise_hub_to(sim, top + LAST_CLEAR, max_ticks=120)
        sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
        log(sim, "last set down", index, sim.pose("block", index).pos, sim.pose("grapple").pos, handed_over(sim))
        return True
    if not set_grapple(sim, BLOCK_OPEN):
        return False
    sim.step(20)
    if sim.grasped() == "block":
        # A claw still bears on it: lifted now, it would drag the block up
        # and drop it on its neighbours.
        set_grapple(sim, OPEN_WIDE)
        sim.step(20)
    log(sim, "set down", index, sim.pose("block", index).pos, sim.pose("block", index).z_axis, place, sim.grasped())
    hub = sim.pose("grapple").pos
    if handed_over(sim):
        return True
    up = P.raise_hub_to(sim, CARRY_HUB)
    log(sim, "up", up, sim.pose("grapple").pos, sim.pose("block", index).pos)
    return up


# A block knocked off the pyramid onto the floor is fetched from further
# along the parapet, from a stance with this much reach to spare over it and
# over its slot in the bed.
FETCH_SPARE = 0.2
FETCH_RANGE = (-14.0, -10.6)  # the stances along the parapet tried
FETCH_STEP = 0.05
# Where a block started on the pyramid, by index: one still there is picked
# from the stance as before.
PYRAMID_SPOTS = [(-11.91, -8.17), (-11.5, -8.17), (-11.09, -8.17), (-11.705, -8.17), (-11.295, -8.17), (-11.5, -8.17)]
ON_PYRAMID = 0.1
# The truck's wheels stand this far out from its centre, along and across;
# a block lying closer than this to its lane stops it.
TRUCK_HALF = (0.7, 0.45)
# Folded right in, the hub hangs no nearer the truck's centre than about a
# metre: a block this near is out of reach too.
NEAREST_OUT = 1.15


def forward_along(sim, lane_y, stop_x, throttle=0.3, max_ticks=2000, every=3):
    """Drives the truck east along the line y = lane_y, facing east, and
    stops with its centre at stop_x."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = stop_x - p.pos[0]
        if left < 0.12:
            return P.come_to_rest(sim, "truck")
        error = P.wrap(math.atan2(lane_y - p.pos[1], 1.0) - p.heading)
        sim.post("steer setting=%f" % P.clamp(-2.0 * error))
        sim.post("accelcontrol setting=%f" % (throttle * max(0.3, min(1.0, left))))
        if sim.step(every):
            return False
    return False


def move_along(sim, stop_x):
    """Brings the truck along the parapet to stand at stop_x."""
    x = sim.pose("truck").pos[0]
    if abs(x - stop_x) < 0.05:
        return True
    if stop_x < x:
        return back_along(sim, STANCE[1], stop_x - ROLL_ON)
    return forward_along(sim, STANCE[1], stop_x + ROLL_ON)


def spare_from(sim, x, point, lane_y=STANCE[1]):
    """The crane's reach to spare over point with the truck standing on the
    lane along y = lane_y (by default the parapet's) at x."""
    truck = sim.pose("truck").pos
    out = math.hypot(point[0] - x, point[1] - lane_y)
    if out < NEAREST_OUT:
        return 0.0
    return P.spare_reach(out, point[2] - truck[2])


def lane_clear(sim, x0, x1):
    """Whether the truck can move along its lane from x0 to x1 without
    running into a block lying on the floor ahead of it."""
    if x1 > x0:
        lo, hi = x0 + TRUCK_HALF[0], x1 + TRUCK_HALF[0]
    else:
        lo, hi = x1 - TRUCK_HALF[0], x0 - TRUCK_HALF[0]
    for other in range(6):
        o = sim.pose("block", other).pos
        if in_bed(sim, other) or o[2] > LOW_ROW_Z + 0.3:
            continue
        if lo - BLOCK_HALF < o[0] < hi + BLOCK_HALF and abs(o[1] - STANCE[1]) < TRUCK_HALF[1] + BLOCK_HALF:
            return False
    return True


def needs_fetching(sim, index, slot, placed=None):
    """Whether block index, off the pyramid, lies where the crane cannot
    lift it into its slot from where the truck stands."""
    if on_pyramid(sim, index):
        return False
    x = sim.pose("truck").pos[0]
    return fetch_spare(sim, index, slot, x, placed) < FETCH_SPARE


def fetch_spare(sim, index, slot, x, placed=None):
    """The least reach to spare, from the lane at x, over block index where
    it lies (hub over it and the approach above) and over its slot."""
    c = sim.pose("block", index).pos
    place = slot_point(sim, slot, PICK_ORDER[:slot] if placed is None else placed)
    points = [(c[0], c[1], c[2] + HUB_ABOVE), (c[0], c[1], c[2] + HUB_ABOVE + APPROACH),
              (place[0], place[1], place[2] + HUB_ABOVE + HANG_ABOVE)]
    least = 1.0
    for p in points:
        # The kit's figure is slow to reckon: stop at the first short one.
        least = min(least, spare_from(sim, x, p))
        if least < FETCH_SPARE:
            break
    return least


def fetch_stance(sim, index, slot, placed=None):
    """The stance along the lane nearest the truck from which block index
    can be lifted into its slot, or None."""
    here = sim.pose("truck").pos[0]
    steps = int(round((FETCH_RANGE[1] - FETCH_RANGE[0]) / FETCH_STEP))
    stances = sorted((FETCH_RANGE[0] + k * FETCH_STEP for k in range(steps + 1)), key=lambda x: abs(x - here))
    for x in stances:
        if lane_clear(sim, here, x) and fetch_spare(sim, index, slot, x, placed) >= FETCH_SPARE:
            return x
    return None


# A block knocked north of the pyramid lies beyond reach of the parapet's
# lane: the truck drives round the pyramid (east, north, then west along a
# lane as far north of the pyramid as the parapet's is south of it), sets
# the block down on the cleared pyramid's ground and drives on round
# (south past its west end and east along the parapet) to pick it again.
NORTH_LANE_Y = 2 * PYRAMID_SPOTS[0][1] - STANCE[1]
NORTH_RANGE = (-14.0, -9.6)
ROUND_EAST_X, ROUND_WEST_X = -8.0, -14.95
REACH_OUT = 1.8  # no stance or spot further than this from a point is in reach
# The set-down spot is looked for in this box, the pyramid's ground.
DEPOT_BOX = ((-12.6, -10.4), (-8.5, -7.9))
DEPOT_STEP = 0.1
DEPOT_CLEAR = 0.45  # from any other block lying on the floor
ROUND_THROTTLE = 0.35


def north_stance(sim, index, home_x):
    """(stance x on the north lane, set-down spot) for block index, both
    with FETCH_SPARE to spare from there and the spot as much from home_x
    on the parapet's lane, or None."""
    c = sim.pose("block", index).pos
    pick_points = [(c[0], c[1], c[2] + HUB_ABOVE), (c[0], c[1], c[2] + HUB_ABOVE + APPROACH)]
    steps = int(round((NORTH_RANGE[1] - NORTH_RANGE[0]) / FETCH_STEP))
    stances = sorted((NORTH_RANGE[0] + k * FETCH_STEP for k in range(steps + 1)), key=lambda x: abs(x - c[0]))
    others = [sim.pose("block", i).pos for i in range(6) if i != index and not in_bed(sim, i)]
    for x in stances:
        if math.hypot(c[0] - x, c[1] - NORTH_LANE_Y) > REACH_OUT:
            continue
        if any(abs(o[0] - x) < TRUCK_HALF[0] + BLOCK_HALF and abs(o[1] - NORTH_LANE_Y) < TRUCK_HALF[1] + BLOCK_HALF
               for o in others):
            continue
        if min(spare_from(sim, x, p, NORTH_LANE_Y) for p in pick_points) < FETCH_SPARE:
            continue
        spot = depot(sim, x, home_x, others)
        if spot:
            return x, spot
    return None


def depot(sim, x, home_x, others):
    """A spot on the pyramid's ground in reach, with FETCH_SPARE to spare,
    from x on the north lane and from home_x on the parapet's."""
    (x0, x1), (y0, y1) = DEPOT_BOX
    for i in range(int((x1 - x0) / DEPOT_STEP) + 1):
        for j in range(int((y1 - y0) / DEPOT_STEP) + 1):
            spot = (x0 + i * DEPOT_STEP, y0 + j * DEPOT_STEP, FLOOR_Z + BLOCK_HALF)
            if any(math.hypot(o[0] - spot[0], o[1] - spot[1]) < DEPOT_CLEAR for o in others):
                continue
            outs = (math.hypot(spot[0] - x, spot[1] - NORTH_LANE_Y), math.hypot(spot[0] - home_x, spot[1] - STANCE[1]))
            if not all(NEAREST_OUT <= out <= REACH_OUT for out in outs):
                continue
            low, high = (spot[0], spot[1], spot[2] + HUB_ABOVE), (spot[0], spot[1], spot[2] + HUB_ABOVE + APPROACH)
            if all(spare_from(sim, x, p, NORTH_LANE_Y) >= FETCH_SPARE and spare_from(sim, home_x, p) >= FETCH_SPARE
                   for p in (low, high)):
                return spot
    return None


def fetch_from_north(sim, index, home_x):
    """Brings block index, knocked north of the pyramid, round to a spot in
    reach of home_x on the parapet's lane, where the truck ends up again."""
    found = north_stance(sim, index, home_x)
    log(sim, "north", index, sim.pose("block", index).pos, found)
    if not found:
        return False
    x, spot = found
    P.lever(sim, P.GRAPPLE_LEVER, 0)
    if not (set_grapple(sim, OPEN_WIDE) and P.raise_hub_to(sim, CARRY_HUB)):
        return False
    here = sim.pose("truck").pos
    round_north = [(here[0], STANCE[1]), (ROUND_EAST_X, STANCE[1]), (ROUND_EAST_X + 1.4, PYRAMID_SPOTS[0][1]),
                   (ROUND_EAST_X, NORTH_LANE_Y), (x, NORTH_LANE_Y)]
    if not P.follow_path(sim, "truck", round_north, throttle=ROUND_THROTTLE, lookahead=1.0, max_ticks=6000):
        return False
    log(sim, "north stance", sim.pose("truck").pos, sim.pose("truck").heading)
    carried = carry_block(sim, index, spot, False)
    log(sim, "at the spot", carried, sim.pose("block", index).pos, spot)
    if sim.ended:
        return False
    P.lever(sim, P.GRAPPLE_LEVER, 0)
    set_grapple(sim, OPEN_WIDE)
    P.raise_hub_to(sim, CARRY_HUB)
    here = sim.pose("truck").pos
    # Half a circle between the lanes, hardly wider than the truck turns
    # on full lock: steered for points on the arc, not cutting its corner.
    r, mid = (NORTH_LANE_Y - STANCE[1]) / 2, (NORTH_LANE_Y + STANCE[1]) / 2
    arc = [(ROUND_WEST_X + r - r * math.sin(a), mid + r * math.cos(a)) for a in (0, 0.4, 0.8, 1.2, 1.57, 1.97, 2.37, 2.77, 3.14)]
    round_south = [(here[0], NORTH_LANE_Y)] + arc + [(home_x - 1.0, STANCE[1])]
    P.follow_path(sim, "truck", round_south, throttle=ROUND_THROTTLE, lookahead=0.6, max_ticks=4000)
    # Come round short of the parapet still facing it: backed off on full
    # lock, which swings the nose east, and then on.
    for _ in range(0, 900, 5):
        if abs(P.wrap(sim.pose("truck").heading)) < 0.6:
            break
        sim.post("steer setting=1")
        sim.post("accelcontrol setting=-0.3")
        if sim.step(5):
            return False
    P.come_to_rest(sim, "truck")
    return forward_along(sim, STANCE[1], home_x + ROLL_ON)


def load_fetching(sim, index, slot, home_x, placed=None):
    """Loads block index into its slot; a block lying out of reach on the
    floor is loaded from a stance further along the parapet, and the truck
    comes back to home_x after."""
    if not needs_fetching(sim, index, slot, placed):
        return load(sim, index, slot, placed)
    x = fetch_stance(sim, index, slot, placed)
    log(sim, "fetch", index, sim.pose("block", index).pos, "from", x)
    if x is None:
        if not fetch_from_north(sim, index, home_x) or needs_fetching(sim, index, slot, placed):
            return False
        return load(sim, index, slot, placed)
    P.lever(sim, P.GRAPPLE_LEVER, 0)
    if not (set_grapple(sim, OPEN_WIDE) and P.raise_hub_to(sim, CARRY_HUB) and move_along(sim, x)):
        return False
    loaded = load(sim, index, slot, placed)
    if not (handed_over(sim) or sim.ended):
        P.raise_hub_to(sim, CARRY_HUB)
        move_along(sim, home_x)
    return loaded


RECOVER_TRIES = 6


def on_pyramid(sim, index):
    c = sim.pose("block", index).pos
    return math.hypot(c[0] - PYRAMID_SPOTS[index][0], c[1] - PYRAMID_SPOTS[index][1]) < ON_PYRAMID


def free_slot(sim, placed):
    """The bed's slot furthest from every block in it."""
    def room(slot):
        x, y, _ = slot_point(sim, slot)
        return min((math.hypot(sim.pose("block", i).pos[0] - x, sim.pose("block", i).pos[1] - y) for i in placed),
                   default=1.0)

    return max(range(len(BED_SLOTS)), key=room)


def recover(sim):
    """Loads one block that is neither in the bed nor in the claws, knocked
    or dropped onto the floor, into the bed's freest slot; False when there
    is none left or the game is over."""
    strays = [i for i in range(6) if not in_bed(sim, i)]
    if not strays or sim.ended or handed_over(sim):
        return False
    if abs(sim.pose("truck").pos[1] - STANCE[1]) > 0.3:
        return False  # lost its way round the pyramid
    index = strays[0]
    placed = [i for i in range(6) if i != index and in_bed(sim, i)]
    slot = free_slot(sim, placed)
    log(sim, "recover", index, sim.pose("block", index).pos, "slot", slot, "truck", sim.pose("truck").pos, sim.pose("truck").heading)
    if not load_fetching(sim, index, slot, LAST_STANCE_X, placed):
        sim.step(60)
        if sim.ended:
            return False
        P.lever(sim, P.GRAPPLE_LEVER, 0)
        set_grapple(sim, OPEN_WIDE)
        P.raise_hub_to(sim, CARRY_HUB)
    return True


def drive(sim):
    if not back_along(sim, STANCE[1], STANCE[0] - ROLL_ON):
        return
    log(sim, "stance", sim.pose("truck").pos, sim.pose("truck").heading)
    home_x = STANCE[0]
    for slot, index in enumerate(PICK_ORDER):
        if slot == len(PICK_ORDER) - 1:
            home_x = LAST_STANCE_X
            if not back_along(sim, STANCE[1], LAST_STANCE_X - ROLL_ON):
                return
            log(sim, "last stance", sim.pose("truck").pos, sim.pose("truck").heading)
        for _ in range(LOAD_TRIES):
            if load_fetching(sim, index, slot, home_x) or sim.ended:
                break
            # Dropped on the way: where it came to rest decides.
            sim.step(60)
            log(sim, "load failed", index, slot, sim.pose("block", index).pos, sim.end_games)
            if in_bed(sim, index):
                break
            P.lever(sim, P.GRAPPLE_LEVER, 0)
            set_grapple(sim, OPEN_WIDE)
            P.raise_hub_to(sim, CARRY_HUB)
        # One still on the pyramid holds up those under it; one lying
        # elsewhere is fetched once the pyramid is cleared.
        if sim.ended or (not in_bed(sim, index) and on_pyramid(sim, index)):
            return
    for _ in range(RECOVER_TRIES):
        if not recover(sim):
            break
    if sim.ended or not handed_over(sim) and any(not in_bed(sim, i) for i in range(6)):
        return
    log(sim, "loaded", [sim.pose("block", i).pos for i in range(6)], sim.end_games)
    # The game hands over a second after the claws last held a block.
    sim.step(HAND_OVER_WAIT)
    # The last block may still be dropping out of the frozen claws.
    for _ in range(20):
        if all(in_bed(sim, i) for i in range(6)) or sim.step(10):
            break
    if not all(in_bed(sim, i) for i in range(6)):
        return
    haul(sim)


# The dump truck's way: east along the bay's middle and up the haul road,
# round south onto the plateau and west along it, then a right turn that
# leaves it facing north on the tray's line, from where it backs up to the
# stance line.
UP_AND_ROUND = [(-10.5, -11.2), (8.5, -11.2), (11.8, -11.6), (12.8, -13.2), (11.8, -16.5), (9.5, -17.0),
                (0.4, -17.0), (-0.95, -16.45), (-1.5, -15.4), (-1.625, -14.6), (-1.625, -13.3)]
TRAY_X = -1.625  # the unloading box's middle line
# The dump truck's centre stands this far ahead of its rear tyres' backs.
REAR_OVERHANG = 0.624 + 0.25
# Backed past the stance line, up on the tray's edge.
BACK_PAST = 0.2
BACK_TO_Y = -18.42 - BACK_PAST + REAR_OVERHANG
BACK_SPEED = 0.12  # pedal: backing at about a third of a metre a second
BACK_ROLL = 0.05  # it rolls on this far once the pedal is let go
BACK_AIM = 1.2  # metres behind the rear axle, on the line
BACK_GAIN = 2.5  # pure pursuit: the wheels turn 0.6 rad at a full lock
REAR_AXLE = 0.624  # behind the dump truck's centre
TIP_ANGLE = 1.4
TIP_LEVER = 0.15
TIPPED_WAIT = 600
PULL_FORWARD = (0.3, 60)  # pedal and ticks: clear of the last blocks on the lip


def back_down(sim, x, stop_y, max_ticks=3000, every=3):
    """Backs the dump truck south along the line at x, facing north, until
    its centre is at stop_y. The rear axle, which the wheels do not steer,
    is steered for a point on the line BACK_AIM behind it."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("dumpTruck")
        left = p.pos[1] - stop_y
        if left < BACK_ROLL:
            return P.come_to_rest(sim, "dumpTruck")
        rear = (p.pos[0] - REAR_AXLE * math.cos(p.heading), p.pos[1] - REAR_AXLE * math.sin(p.heading))
        aim = (x, rear[1] - BACK_AIM)
        tail = p.heading + math.pi
        error = P.wrap(math.atan2(aim[1] - rear[1], aim[0] - rear[0]) - tail)
        # Backing, the wheel turned right swings the tail anticlockwise.
        sim.post("steer setting=%f" % P.clamp(BACK_GAIN * error))
        sim.post("accelcontrol setting=%f" % (-BACK_SPEED * max(0.4, min(1.0, left))))
        if sim.step(every):
            return False
    return False


def tip_gently(sim, angle, max_ticks=2400, every=5):
    """Raises the bed at TIP_LEVER until its hinge reads angle: tipped
    faster, the load slides out in a heap and a block lands on another."""
    for _ in range(0, max_ticks, every):
        if sim.joint("dumpTruck", "bed") >= angle:
            sim.post("leverUp leverNr=%d" % P.DUMPTRUCK_BED_LEVER)
            return True
        P.lever(sim, P.DUMPTRUCK_BED_LEVER, TIP_LEVER)
        if sim.step(every):
            return sim.joint("dumpTruck", "bed") >= angle
    return False


def haul(sim):
    log(sim, "haul from", sim.pose("dumpTruck").pos)
    if not P.follow_path(sim, "dumpTruck", UP_AND_ROUND, throttle=0.5, lookahead=1.2, max_ticks=8000):
        log(sim, "not round", sim.pose("dumpTruck").pos)
        return
    log(sim, "round", sim.pose("dumpTruck").pos, sim.pose("dumpTruck").heading)
    if not back_down(sim, TRAY_X, BACK_TO_Y):
        log(sim, "not backed", sim.pose("dumpTruck").pos)
        return
    log(sim, "at the tray", sim.pose("dumpTruck").pos, sim.pose("dumpTruck").heading)
    if DEBUG:
        d = sim.pose("dumpTruck")
        for i in range(6):
            b = sim.pose("block", i)
            q = [b.pos[k] - d.pos[k] for k in range(3)]
            loc = [round(sum(q[k] * ax[k] for k in range(3)), 4) for ax in (d.x_axis, d.y_axis, d.z_axis)]
            log(sim, "in bed", i, loc, round(P.wrap(b.heading - d.heading), 3))
    if not tip_gently(sim, TIP_ANGLE):
        return
    # Slowly tipped, the last blocks are still sliding off the tail.
    sim.step(TIPPED_WAIT)
    pedal, ticks = PULL_FORWARD
    sim.post("accelcontrol setting=%f" % pedal)
    sim.step(ticks)
    P.come_to_rest(sim, "dumpTruck")
    sim.step(120)
    log(sim, "tipped", [sim.pose("block", i).pos for i in range(6)], sim.end_games)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
