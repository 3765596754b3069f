"""Level 12, the desert compound: carry the six prison-wall sections from
the store slot into the wall slot. The truck drives round into the lane
between the two slots, squares up on its line and stops abreast of each
wall in turn. It grips the wall by its top bar, lifts it straight out of
the store slot, swings it round behind the truck and out beside the wall
slot. Held out there a wall swings out and in for seconds, so its foot
is set down on the sand to still it, twice, the second time just short of
the slot; it is then lifted clear, moved across over the slot in two
halves half a swing apart, and let down in steps until the foot is down in
the slot (a foot jammed on a chamfer's edge is nudged over). Only then is
it let go; a wall that did not go in is lifted and tried again.

usage: python3 tools/solver/drivers/level12.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 12
DEBUG = os.environ.get("LEVEL12_DEBUG")
WALL = "prisonwall"
WALLS = 6
STORE_X, SLOT_X = -8.3, -5.5
# Set in the slot wider apart than they are stored (1.0, for walls 0.98
# wide): a wall let down 2 cm from the last one catches on it.
PLACE_SPACING = 1.04
BESIDE = 0.6  # how far south of its place a wall is swung out beside the slot
BEHIND = 1.1  # and how far south of it the hub passes behind the truck
WALL_Z = 0.6
SEATED = 0.025  # how near x = -5.5 and z = 0.6 a wall must stand
# Midway between the slots' base plates; the reach to spare from here is
# written beside the slots' positions in the level.
LANE_X = -6.85
# Out east, round the south of the yard and back north into the lane
# between the slots: turned on the spot the truck would sweep a wall. The
# last turn is a wide arc onto the lane's line with a straight run after it,
# so the truck stands square in the lane, not slewed off it.
TURN_RADIUS, TURN_Y = 1.6, -5.9
ROUND = [(-5.5, 0.0), (-4.3, -0.2), (-3.1, -1.1), (-2.7, -2.6), (-2.8, -4.6), (-3.4, -6.6),
         (-4.3, -7.4)] + [
    (LANE_X + TURN_RADIUS * (1 + math.cos(a)), TURN_Y + TURN_RADIUS * math.sin(a))
    for a in (-math.pi / 2 - k * math.pi / 8 for k in range(5))] + [(LANE_X, -2.5)]
STANCE_AHEAD = 0.05  # the truck stops this far north of the wall it works
# The hub over the top bar when the prongs close under it.
GRIP_HEIGHTS = (0.83, 0.8, 0.86)
# Pulled in and swung round behind the cab this high.
SWING_HUB = 2.1
STRAIGHT_UP = 0.3  # the foot reaches 0.2 down into a slot
CLOSE_TICKS = 90  # closing on after the first touch, so the bar sits deep
FOOT_DROP = 0.7  # the foot's middle below the wall's centre
# The foot is hung this high over the slot (clear of the funnel's lips) and
# lined up within FOOT_WITHIN (the funnel catches one that far off).
FOOT_CLEAR = 0.15
FOOT_WITHIN = 0.04
# A swinging wall is stilled by setting its foot down on the sand this far
# short of the slot's line (clear of the funnel's lip), lowered in steps
# until the foot's middle is this low, and left there a moment.
TOUCH_OFF = 0.25
TOUCH_STEP, TOUCH_STEPS = 0.04, 10
FOOT_RESTING = 0.115
TOUCH_TICKS = 60
# The hub is let down PRESS further than the wall drops, so that its base
# plate surely lands on the sand, and eased up EASE before the prongs open.
PRESS = 0.08
EASE = 0.05
RELEASE_TRIES = 3
LET_DOWN_STEPS = 6  # in steps, so the hub comes down straight
NUDGES, NUDGE_RISE = 2, 0.06
PLACE_GOES = 3
FOOT_IN = -0.03  # the foot's middle when it is well down in the slot
RISE_STEP, RISE_STEPS = 0.05, 8
SWING_TICKS = 105  # the held wall's swing out and in
SWING_LEFT = 0.04
LEAN_SHIFT = 0.25  # metres the hub moves over per unit of lean
LOWER_LEVER = 0.5
GRIP_LEVER = 0.4
# A loaded boom sinks on a soft lever and hardly rises below this one.
LIFT_LEAST = 0.6
PLACE_TRIES = 3


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, file=sys.stderr)


def wall(sim, i):
    return sim.pose(WALL, i).pos


def seated(sim, i):
    w = wall(sim, i)
    return abs(w[0] - SLOT_X) < SEATED and abs(w[2] - WALL_Z) < SEATED


def holding(sim, i):
    """Whether the wall hangs from the claw (the grasp reading drops out
    while a wall hangs in the prongs)."""
    w = wall(sim, i)
    return w[2] > WALL_Z + 0.2 and math.dist(w, sim.pose("grapple").pos) < 1.0


def stance(sim, y):
    """Along the lane until the truck is abreast of y."""
    p = sim.pose("truck").pos
    if abs(p[1] - y) < 0.3:
        return True
    return P.follow_path(sim, "truck", [(p[0], p[1]), (LANE_X, y)], throttle=0.3, stop_short=0.05)


def grip(sim, i, h):
    """Opened over the top bar, down round it on the joints' readings and
    closed on it; whether the grapple holds the wall. False also when the
    game ended (the callers then stop at their next move)."""
    c = wall(sim, i)
    over = (c[0], c[1], c[2] + h + 0.3)
    if not (P.raise_hub_to(sim, over[2]) and arm_to(sim, over, 0.6, max_ticks=600)):
        return False
    P.open_grapple(sim)
    if not P.hub_settle(sim):
        return False
    P.hub_over(sim, (c[0], c[1], c[2] + h), GRIP_LEVER)
    return P.close_until_grasped(sim, WALL) and P.work_grapple(sim, -1.0, CLOSE_TICKS)


def pick(sim, i):
    """Grips the wall and lifts it, the closing lever held so the bar stays
    deep in the prongs: straight up until the foot is out of its slot (the
    boom alone would draw the hub in toward the truck with the foot still
    held), then at full lever (half a lever hardly lifts a wall). A wall
    that comes up badly held is set down again and gripped afresh, at
    another height."""
    for h in GRIP_HEIGHTS:
        if not grip(sim, i, h):
            log(sim, "missed at", h, sim.pose("grapple").pos)
            continue
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        hub, z = sim.pose("grapple").pos, wall(sim, i)[2]
        arm_to(sim, (hub[0], hub[1], hub[2] + STRAIGHT_UP), max_ticks=400)
        # Came up with the hub (the grasp reading drops out while a wall
        # hangs in the prongs, so it is no guide here).
        held = wall(sim, i)[2] > z + STRAIGHT_UP / 2
        if held and P.raise_hub_to(sim, SWING_HUB) and P.hub_settle(sim):
            sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
            return True
        sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
        log(sim, "lost the grip at", h, [round(v, 3) for v in wall(sim, i)])
        arm_to(sim, hub, LOWER_LEVER, max_ticks=400)
        P.work_grapple(sim, 1.0, 60)
    return False


def foot(sim, i):
    """The middle of the wall's foot, which goes into the slot."""
    w = sim.pose(WALL, i)
    return [w.pos[k] - FOOT_DROP * w.z_axis[k] for k in range(3)]


def foot_rest_point(sim, i, every=5, periods=6):
    """Where the foot hangs: its mean over one swing, once the swing out
    and in (seconds long after a move) is down to SWING_LEFT."""
    for _ in range(periods):
        samples = []
        for _ in range(0, SWING_TICKS, every):
            if sim.step(every):
                return None
            samples.append(foot(sim, i))
        xs = [p[0] for p in samples]
        if max(xs) - min(xs) < SWING_LEFT:
            break
    return [sum(p[k] for p in samples) / len(samples) for k in range(3)]


def arm_to(sim, point, limit=1.0, within=0.01, max_ticks=300, every=2):
    """The kit's joint-reading crane move, loosened for a loaded arm: the
    boom sags under a wall, so the joints are only brought within within
    and the move gives up after max_ticks; the caller corrects from where
    the load then hangs."""
    bend = sim.joint("crane", "bend")
    for _ in range(0, max_ticks, every):
        goal = P.crane_joint_targets(sim, point, bend)
        if goal is None:
            return False
        errs = (P.wrap(goal[0] - sim.joint("crane", "slew")), goal[1] - sim.joint("crane", "boom"),
                goal[2] - sim.joint("crane", "extend"))
        if all(abs(e) < within for e in errs):
            break
        lift_least = LIFT_LEAST if errs[1] > 0 else 0.3
        for name, err, gain, least in (("rotate", errs[0], 4.0, 0.15),
                                       ("elevate", errs[1], 4.0, lift_least),
                                       ("extend", errs[2], 5.0, 0.15)):
            top = max(limit, least)
            setting = P.axis_setting(err, gain, within / 2, least)
            P.lever(sim, P.TRUCK_LEVERS[name], P.clamp(setting, -top, top))
        if sim.step(every):
            return False
    P.let_go_crane(sim)
    return True


def set_foot_down(sim, i, aim):
    """Lets the hub down from aim in short steps until the wall's foot
    rests on the sand (which stops its swing dead); the hub's aim then."""
    aim = list(aim)
    for _ in range(TOUCH_STEPS):
        if foot(sim, i)[2] < FOOT_RESTING:
            break
        aim[2] -= TOUCH_STEP
        if not arm_to(sim, aim, LOWER_LEVER, max_ticks=150) or sim.step(10):
            return None
    return None if sim.step(TOUCH_TICKS) else aim


def shaped_move(sim, aim, dx, dy):
    """Moves the hub's aim by (dx, dy) in two equal halves, the second
    started half a swing after the first: the swing each half sets going
    cancels the other's, where one move would leave the wall swinging."""
    start = sim.tick
    aim = [aim[0] + dx / 2, aim[1] + dy / 2, aim[2]]
    if not arm_to(sim, aim):
        return None
    if sim.tick < start + SWING_TICKS // 2 and sim.step(start + SWING_TICKS // 2 - sim.tick):
        return None
    aim = [aim[0] + dx / 2, aim[1] + dy / 2, aim[2]]
    return aim if arm_to(sim, aim) else None


def foot_over_slot(sim, i, y, tries=3):
    """The held wall hung with its foot FOOT_CLEAR over the slot's line and
    nearly still: set down on the sand, lifted clear and moved across by a
    shaped move, then corrected by the mean of what swing is left. The
    hub's aim that put it there, or None."""
    # Set down first straight under where it hangs, then again (after a
    # shaped move, so swinging far less) TOUCH_OFF short of the slot.
    aim = list(sim.pose("grapple").pos)
    for off in (None, TOUCH_OFF):
        if off is not None:
            aim = shaped_move(sim, aim, SLOT_X - off - f[0], y - f[1])
        aim = None if aim is None else set_foot_down(sim, i, aim)
        if aim is None:
            return None
        f = foot(sim, i)
        log(sim, "foot set down", [round(v, 3) for v in f])
        aim[2] += FOOT_CLEAR
        if not arm_to(sim, aim, max_ticks=200):
            return None
    err = (SLOT_X - f[0], y - f[1])
    for _ in range(tries):
        aim = shaped_move(sim, aim, *err)
        rest = None if aim is None else foot_rest_point(sim, i, periods=4)
        if rest is None:
            return None
        err = (SLOT_X - rest[0], y - rest[1])
        log(sim, "foot off by", [round(v, 3) for v in err], "turned",
            round(sim.pose(WALL, i).x_axis[1], 3))
        if math.hypot(*err) < FOOT_WITHIN:
            return aim
    return None


def down_in_slot(sim, i):
    """The foot deep enough in the slot that, let go, the wall cannot fall
    over (it may lean in the claw a little)."""
    f = foot(sim, i)
    return f[2] < FOOT_IN and abs(f[0] - SLOT_X) < 0.02


def let_down(sim, i, aim):
    """Lets the held wall down from aim in steps, a little further than it
    drops so that its base plate surely lands on the sand. A foot jammed on
    a chamfer's edge is lifted a little and moved over by what it is off;
    the hub's last aim, or None when a move failed."""
    drop = wall(sim, i)[2] - WALL_Z + PRESS
    down = list(aim)
    for _ in range(NUDGES + 1):
        for k in range(1, LET_DOWN_STEPS + 1):
            down[2] = aim[2] - drop * k / LET_DOWN_STEPS
            if not arm_to(sim, down, LOWER_LEVER, max_ticks=150) or sim.step(10):
                return None
        f = foot(sim, i)
        log(sim, "let down", [round(v, 3) for v in wall(sim, i)], [round(v, 3) for v in f])
        if down_in_slot(sim, i):
            break
        aim = [aim[0] + SLOT_X - f[0], aim[1], aim[2] - drop + NUDGE_RISE]
        drop = NUDGE_RISE
        down = list(aim)
        if not arm_to(sim, down, max_ticks=200):
            return None
    return down


def lower_onto_slot(sim, i, y):
    """Lines the foot up over the slot and lets the wall down into it; lets
    go only once it stands there (let go beside the slot it would fall
    over), else lifts it again and has another go. Then eases off so the
    tilted grapple stands up again (tilted, one prong stays hooked under
    the bar when it opens), lets go and rises straight out of it. False
    when a move failed on the way."""
    for _ in range(PLACE_GOES):
        aim = foot_over_slot(sim, i, y)
        if aim is None:
            log(sim, "foot not lined up", [round(v, 3) for v in foot(sim, i)])
            aim = sim.pose("grapple").pos
        down = let_down(sim, i, aim)
        if down is None:
            return False
        if down_in_slot(sim, i):
            break
        if not arm_to(sim, aim, max_ticks=400):
            return False
    else:
        return False
    for _ in range(RELEASE_TRIES):
        if not stand_up_and_open(sim, i, down):
            return False
        if rise_clear(sim, i, down, WALL_Z):
            return not sim.step(SWING_TICKS)
        log(sim, "the wall came up with the prongs", [round(v, 3) for v in wall(sim, i)])
        # Closed on the bar again before it goes back down: let down on
        # one hooked prong the open grapple folds over sideways and the
        # next opening lifts the wall out of the slot on it.
        if not (P.work_grapple(sim, -1.0, CLOSE_TICKS)
                and arm_to(sim, down, LOWER_LEVER, max_ticks=400) and not sim.step(30)):
            return False
    return True


def rise_clear(sim, i, down, resting):
    """Straight up out of the wall with the opening lever held, a step at
    a time; False as soon as the wall comes up too (a prong still under its
    bar), while it can still be set back down."""
    P.lever(sim, P.GRAPPLE_LEVER, 1.0)
    for k in range(1, RISE_STEPS + 1):
        arm_to(sim, (down[0], down[1], down[2] + RISE_STEP * k), max_ticks=100)
        if wall(sim, i)[2] > resting + 0.02:
            break
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return wall(sim, i)[2] <= resting + 0.02


def stand_up_and_open(sim, i, down):
    """With the wall down the grapple leans on its bar; the hub is moved
    over until it hangs upright, or a prong stays jammed under the bar."""
    aim = [down[0], down[1], down[2] + EASE]
    for _ in range(4):
        if not (arm_to(sim, aim, max_ticks=200) and not sim.step(20)):
            return False
        lean = sim.pose("grapple").z_axis
        log(sim, "lean", [round(v, 3) for v in lean])
        if math.hypot(lean[0], lean[1]) < 0.08:
            break
        aim = [aim[0] - LEAN_SHIFT * lean[0], aim[1] - LEAN_SHIFT * lean[1], aim[2]]
    return P.work_grapple(sim, 1.0, 90)


def move_wall(sim, i):
    y, to = wall(sim, i)[1], PLACE_SPACING * (i - (WALLS - 1) / 2)
    # Abreast of where the wall goes, which is near where it stands: from
    # abreast of its store place a wall set 0.2 along came round turned
    # 0.15 rad, enough to jam on the slot's edges.
    if not stance(sim, to + STANCE_AHEAD):
        return False
    log(sim, "stance", i, sim.pose("truck").pos, P.reach_margin(sim, (STORE_X, y, 1.43)),
        P.reach_margin(sim, (SLOT_X, to, 1.43)))
    for _ in range(PLACE_TRIES):
        if seated(sim, i):
            break
        if not (holding(sim, i) or pick(sim, i)):
            log(sim, "no grip", i)
            return False
        log(sim, "lifted", i, sim.grasped(), [round(v, 3) for v in wall(sim, i)])
        # Swung across behind the truck first, then out beside the slot and
        # along it: the wall held far out both ways tilts the truck off its
        # reach; swung round in front, its swing out and in knocks it on the
        # next wall still in store (those behind are gone); and swung
        # straight across past the truck's corner it catches on the truck.
        t = sim.pose("truck").pos
        if not all(P.crane_joints_to(sim, (x, yy, z), 0.6) and P.hub_settle(sim)
                   for x, yy, z in ((STORE_X + 0.55, y, SWING_HUB), (t[0], to - BEHIND, SWING_HUB),
                                    (SLOT_X - 0.5, to - BESIDE, SWING_HUB - 0.2),
                                    (SLOT_X - 0.5, to, SWING_HUB - 0.2))):
            log(sim, "not over the slot", sim.pose("grapple").pos, sim.pose("truck").pos)
            if sim.ended:
                return False
        # A wall that did not go in is picked up again where it lies.
        lower_onto_slot(sim, i, to)
        if sim.ended or not P.raise_hub_to(sim, SWING_HUB):
            return False
        log(sim, "placed", i, [round(v, 3) for v in wall(sim, i)], seated(sim, i))
    return seated(sim, i)


def drive(sim):
    if not P.follow_path(sim, "truck", ROUND, throttle=0.5):
        return
    for i in range(WALLS):
        if not move_wall(sim, i):
            log(sim, "gave up on", i)
            return
    sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
