"""Level 13, the hearth: the front gable's stage. From the yard point W
(5.0, 6.7), heading east (within START_HEADING_WITHIN), the truck runs on
a little, swings south onto the west line x = WEST_LINE, stops on it south
of the old front gable and backs up it to the gable's y (5.4). The crane,
slewed to point east along x, is let down over the gable's peak with the
prongs opened all but fully until the hub rests on the peak's tab, and
closed for a while: the fingers then hold under the tab, across the plate.
Lifted 0.2 and drawn in 0.18 west of its x-line (its inward foot tabs then
pass 0.1 clear of the new south wall's end), it is backed straight north
with the truck to y 8 (the truck faces south all along, so no turn). There
it is squared 0.14 outside its place by where its FOOT hangs, averaged
over a swing (it hangs a few degrees tilted in the pinch); its turn in the
claw is taken out by moving the truck along its line, the hub held over
the same point (with the gable 0.26 outside); it is stood on the floor there a moment to still its roll
in the claw, then slid in along the boom only, to 2 cm outside its place
(or further out, so that its plate up to the walls' tops, leaning or
turned, stays 4 mm west of the walls' ends), nudged across a few mm at a
time, let down, straightened in its channel and let go with the prongs
wide. A gable landed off its channel is lifted back and squared again (four
times at most; then the stage gives up with it still held). The truck
backs on north to y 8.5, swings south-east round the new house's south-west
corner onto the middle line (y 6.7) heading east and backs west to W, the
claw high ahead of it, open.

Reach to spare (level03's reach_margin): over the pick, the hub on the
peak's tab, 0.62-0.78 from the stance (7.05-7.2, 5.4); over the place,
the hub at its carrying height, 0.44-0.48 from (6.9-7.0, 8.0). Both
stances stand 2.4 m in from the hill top's west edge.

Measured with the walls standing in their channels at the start (the
development set-up below): the gable's distance from (8.35, 8, 1.0) and
the walls' from (9, 8 +- 0.495, 0.9) at the end, and the tick it ends at W:

    delay    gable   north wall  south wall   tick
    0        0.0054   0.0016      0.0018      15506
    1        0.0021   0.0016      0.0015      19946
    2        0.0072   0.0013      0.0038      18993
    3        0.0068   0.0015      0.0015      15475
    4        0.0072   0.0015      0.0037      19153
    5        0.0024   0.0015      0.0016      17989

Delays 6-20 end the same (gable within 0.011, walls within 0.0053) but
for delay 12, where the gable hung leaning east in the claw for long and
the north wall ends 0.011 off (0.029 from its goal place). Started from W
0.3 east, 0.2 west or 0.25 north of it, the same (gable within 0.007).

Started at W heading 0.35-0.47 (tried); heading 1.19 (as the truck first
comes up the hill) it cannot make the swing and is refused.

Rooms used: the west line x 6.75-7.35 from y 3.3 to 8.5 (the truck's
tail reaches 0.6 further) and the swing
from W onto it (x 5.0-7.1, y 4.9-6.7); leaving, the arc from (7.05, 8.5)
to (8.85, 6.7) and the middle line y 6.7 from x 9.25 back to W.

`front_gable(sim)` is the stage; run on its own (`python3
tools/solver/drivers/level13_west.py [--delay D]`) the module drives up to
W, puts both walls standing in the new house and the roof out of the way
by the simulator's `place` (a development aid: such a session does not
replay) and runs the stage, printing where the gable and the walls end.
For trying other starts: WEST_W_OFF=dx,dy stops the truck that far off W,
WEST_ARRIVE_NORTH=1 leaves it on W heading north-east as it first comes up,
WEST_START_STRAIGHT=1 drives it out and back once more, and
WEST_GABLE_SHIFT=dx,dy puts the old front gable that far off its place.
"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin, reverse_to, set_grapple  # noqa: E402
from level13 import (FLOOR, NEW_X, NEW_Y, OLD_Y, STANCE_ROUTE, WALL_AT, calm,  # noqa: E402
                     gentle_to, let_gable_down, release_gable)

LEVEL = 13
DEBUG = os.environ.get("LEVEL13_DEBUG")
W = (5.0, 6.7)  # where the stage starts and ends, heading east
FRONT_X = NEW_X - 0.65  # the gable's x, in the old house and in the new
# The truck's line: the gable 1.3 m out east of it. Reach to spare: 0.70
# over the pick (the hub on the peak's tab), 0.44-0.47 over the place (the
# hub at carrying height), from stances 2.5 m in from the hill top's edge.
WEST_LINE = 7.05
# The truck turns no tighter than about 1.8 m: from W it runs on east a
# little, swings right onto the line heading south and stops south of the
# gable, then backs up the line to it.
TURN_R = 1.8
START_HEADING_WITHIN = 0.6  # radians off east at W: the stage starts no further turned
LINE_FOOT = 3.3  # where it stops heading south, 1.6 m straight, before backing up
FRONT_PEAK = 0.8  # the gable's peak above its centre
# Opened all but fully, the prongs pass the ends of the peak's tab; the hub
# is let down until it rests on the tab (its top 0.07 below the peak).
PICK_OPEN = 1.57
PICK_DOWN = (0.2, 0.1, 0.05, 0.0, -0.06)
PICK_CLOSE_TICKS = 80
LIFT = (0.02, 0.05, 0.1, 0.15, 0.2)  # its foot then clears the bars (0.08) and ridges
# Carried this far west of its place: its inward tabs (0.125 in from its
# centre) then pass 0.1 clear of the new south wall's end at x 8.38.
CARRY_OUTSIDE = 0.18
CARRY_THROTTLE = 0.12
HELD_WITHIN = 1.0  # the held gable's middle from the hub (about 0.75 as gripped)
# Its middle this far up once lifted: its foot then clears the bars. (Taken
# leaning, a gable the far wall nudged 2 cm west came up 0.144.)
LIFTED = 0.12
BACK_THROTTLE = 0.25
LINE_WITHIN = 0.015  # the truck's centre this close to the place's y-line
INCH_TRIES = 4
# Let down just outside its place: let down half a centimetre inside, its
# plate lands on a wall's end.
GABLE_AIM_OUT = 0.02
# Squared with its foot this far outside first: its inward tabs (0.125 in)
# are still west of the walls' ends there.
GABLE_IN = (0.14, 0.08, 0.04, 0.02, GABLE_AIM_OUT)
TOUCH_PRESS, TOUCH_TICKS = 0.01, 120  # stood on the floor outside: pressed, for
YAW_TRIES, YAW_WITHIN, YAW_INCH_WITHIN = 3, 0.01, 0.008
YAW_OUT = 0.26  # its foot this far outside while the truck is nudged: tabs 0.13 clear
LANDINGS, SQUARE_TRIES = 4, 5  # let down again after landing off its channel
LAND_WITHIN = 0.008  # the foot over its aim, let down
ACROSS_NUDGE, ACROSS_DEAD = 0.006, 0.005
SEATED_WITHIN = 0.02  # the foot come down this near its place stands in its channel
HANG_TICKS = 80  # about one swing of the held gable on the hub's hinge
SWING_WAITS, SWAY_WITHIN = 6, 0.012  # the foot's swing along the boom, measured within this
FOOT_BELOW = 0.5  # the foot's bottom below the gable's middle
WALL_END_X = NEW_X - 0.62  # the new side walls' west ends
WALL_HIGH = 0.8  # the walls' tops above the foot's bottom
HALF_THICK, HALF_PLATE, END_SPARE = 0.025, 0.5, 0.004  # the gable's plate
GABLE_ABOVE = 0.05  # its foot just over the channel's ridges (0.035) while it is squared
STRAIGHTEN_TRIES, STRAIGHT = 4, 0.012  # its lean (the axis' x) let go within this
GRIP_ABOVE_FOOT = 1.25  # where the claw holds it, above its foot's bottom
STOW_HUB = 2.35  # above every part of both houses with the prongs hanging
# Away again: south round the new house's south-west corner onto the middle
# line heading east, then backed west to W.
LEAVE_FROM = 8.5


def log(sim, *words):
    if DEBUG:
        walls = [sim.pose(w).pos[1:] for w in ("leftwall", "rightwall")]
        print(sim.tick, *words, "| walls", *walls, file=sys.stderr)


def arc(centre, radius, a0, a1, n=8):
    """Points on a circle from angle a0 to a1 (radians)."""
    return [(centre[0] + radius * math.cos(a0 + (a1 - a0) * i / n),
             centre[1] + radius * math.sin(a0 + (a1 - a0) * i / n)) for i in range(1, n + 1)]


def stow(sim):
    """The claw raised high and drawn in ahead of the truck."""
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], max(h[2], STOW_HUB)), 0.5)
    t = sim.pose("truck")
    P.crane_joints_to(sim, (t.pos[0] + 0.8 * t.x_axis[0], t.pos[1] + 0.8 * t.x_axis[1], STOW_HUB),
                      0.5)
    P.hold_still(sim)


def back_along(sim, line_x, y_goal, throttle, lookahead=1.2, stop_short=0.04, max_ticks=6000,
               every=3):
    """Backs the truck, heading south, north along the line x = line_x until
    its centre reaches y_goal, steering its tail onto the line."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        left = y_goal - p.pos[1]
        if left < stop_short:
            return P.come_to_rest(sim, "truck")
        # Steered for a point on the line well behind: aimed nearer, the
        # tail swings to and fro across the line.
        aim = (line_x, p.pos[1] + lookahead)
        error = P.wrap(math.atan2(aim[1] - p.pos[1], aim[0] - p.pos[0]) - (p.heading + math.pi))
        sim.post("steer setting=%f" % P.clamp(3.0 * error))
        slow = max(0.35, min(1.0, left / 0.8))
        sim.post("accelcontrol setting=%f" % (-throttle * slow))
        if sim.step(every):
            return False
    return False


def inch_to(sim, y_goal, within=LINE_WITHIN):
    """Nudges the stopped truck along its line until its centre stands
    within `within` of y_goal: a short push of the pedal each time."""
    for _ in range(INCH_TRIES):
        p = sim.pose("truck")
        off = y_goal - p.pos[1]
        if abs(off) < within:
            return True
        # Forward moves it north when it heads north, south when it heads south.
        push = 0.12 if off * math.sin(p.heading) > 0 else -0.12
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % push)
        for _ in range(100):
            if sim.step(2):
                return False
            if (y_goal - sim.pose("truck").pos[1]) * off < abs(off) * abs(off) * 0.4:
                break
        P.come_to_rest(sim, "truck")
        log(sim, "inched", sim.pose("truck").pos)
    return abs(y_goal - sim.pose("truck").pos[1]) < 2 * within


def to_west_line(sim):
    """From W onto the west line heading south, then backed up it to the
    old front gable's y."""
    heading = sim.pose("truck").heading
    if abs(heading) > START_HEADING_WITHIN:
        # Turned further, the truck cannot make the swing onto the line in
        # the room west of it and drives into the old front gable instead.
        log(sim, "not heading east at W", heading)
        return False
    t = sim.pose("truck").pos
    start = W[0] + 0.25
    centre = (start, W[1] - TURN_R)
    route = [tuple(t[:2]), (start, W[1])] + arc(centre, TURN_R, math.pi / 2, 0.0)
    route += [(WEST_LINE, LINE_FOOT)]
    if not P.follow_path(sim, "truck", route, throttle=0.4):
        return False
    log(sim, "line foot", sim.pose("truck").pos, sim.pose("truck").heading)
    if not back_along(sim, WEST_LINE, OLD_Y, BACK_THROTTLE):
        return False
    inch_to(sim, OLD_Y)
    log(sim, "pick stance", sim.pose("truck").pos, sim.pose("truck").heading)
    return True


def held(sim, name, above):
    """Whether the claw still carries the part, its middle above `above`.
    By where it hangs, not by the claw's own reading: that drops whenever
    one prong loses touch a moment, the gable still hanging in the pinch."""
    w, h = sim.pose(name).pos, sim.pose("grapple").pos
    return w[2] > above and math.dist(w, h) < HELD_WITHIN


def take(sim):
    """Over the gable's peak with the boom along x, down round it with the
    prongs opened wide and closed under the peak's tab; lifted clear of the
    bars and drawn in west of its x-line."""
    g = sim.pose("housefront").pos
    peak = g[2] + FRONT_PEAK
    log(sim, "pick margin", reach_margin(sim, (g[0], g[1], peak + PICK_DOWN[-1])))
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], STOW_HUB), 0.5)
    P.crane_joints_to(sim, (g[0], g[1], STOW_HUB), 0.4)
    P.hold_still(sim)
    set_grapple(sim, PICK_OPEN)
    P.hub_over(sim, (g[0], g[1], peak + 0.3), 0.3)
    # Down slowly, the prongs wide, until the hub rests on the peak's tab:
    # its fingers then stand below the tab.
    for above in PICK_DOWN:
        P.crane_joints_to(sim, (g[0], g[1], peak + above), 0.15, max_ticks=300)
        P.hold_still(sim)
    log(sim, "grip at", sim.pose("grapple").pos, sim.pose("grapple").z_axis)
    # Closed for a while, not just until held: the open prongs already
    # touch the gable, and would be let go of there.
    P.work_grapple(sim, -1.0, PICK_CLOSE_TICKS)
    if sim.grasped() != "housefront":
        log(sim, "missed", sim.pose("grapple").pos, g)
        return False
    sim.step(20)
    h = sim.pose("grapple").pos
    for dz in LIFT:
        P.crane_joints_to(sim, (h[0], h[1], h[2] + dz), 0.2)
    P.hold_still(sim)
    calm(sim, "housefront", 600)
    h = sim.pose("grapple").pos
    gentle_to(sim, (h[0] - CARRY_OUTSIDE, h[1], h[2]), "housefront")
    P.hold_still(sim)
    calm(sim, "housefront", 600)
    f = sim.pose("housefront")
    log(sim, "front up", f.pos, f.z_axis, "yaw", f.heading)
    return held(sim, "housefront", g[2] + LIFTED)


def carry(sim):
    """Backs the truck straight north up the line to the new house's y."""
    if not back_along(sim, WEST_LINE, NEW_Y, CARRY_THROTTLE):
        return False
    inch_to(sim, NEW_Y)
    calm(sim, "housefront", 900)
    f = sim.pose("housefront")
    log(sim, "carried", sim.pose("truck").pos, f.pos, f.z_axis, "yaw", f.heading)
    return held(sim, "housefront", FLOOR + 0.55)


def foot(sim, name):
    """Where the gable's foot stands (x, y): held by its peak it hangs a
    few degrees tilted, its foot east of its middle."""
    w = sim.pose(name)
    return (w.pos[0] - FOOT_BELOW * w.z_axis[0], w.pos[1] - FOOT_BELOW * w.z_axis[1])


def hang_point(sim, name, ticks=None, every=4):
    """Where the gable's foot hangs (x, y), averaged over a swing, and how
    far it swings along the boom: held by its peak it swings to and fro on
    the hub's hinge for long after each move."""
    xs, ys = [], []
    for _ in range(0, ticks or HANG_TICKS, every):
        if sim.step(every):
            break
        f = foot(sim, name)
        xs.append(f[0])
        ys.append(f[1])
    return sum(xs) / len(xs), sum(ys) / len(ys), max(xs) - min(xs)


def furthest_in(w):
    """The furthest east the gable's foot may hang, as it hangs (pose w):
    its plate, up to the walls' tops, and its turned ends must stay west of
    the walls' ends. Leaning east, its upper plate stands east of its foot."""
    lean = max(0.0, WALL_HIGH * w.z_axis[0])
    return WALL_END_X - END_SPARE - HALF_THICK - lean - HALF_PLATE * abs(math.sin(w.heading))


def square_gable(sim, name, aim, target, z, tries=3, across=True):
    """Moves the hub until the gable's foot hangs over target (x, y);
    returns the aim. The foot, not the middle: squared by its middle, the
    tilted gable's foot stood past its place and caught the south wall's end.
    Not across: once its tabs are between the walls, moved across the boom
    it rolls in the claw and a tab knocks a wall, so it is then only slid
    along the boom; across a float, it is nudged across by at most that,
    and only when it hangs further than ACROSS_DEAD off."""
    for _ in range(tries):
        gentle_to(sim, (aim[0], aim[1], z), name)
        for _ in range(SWING_WAITS):
            fx, fy, sway = hang_point(sim, name)
            if sway < SWAY_WITHIN:
                break
        w = sim.pose(name)
        ex, ey = min(target[0], furthest_in(w)) - fx, target[1] - fy
        log(sim, "gable aim", [round(v, 3) for v in aim], "off", round(ex, 3), round(ey, 3),
            "sway", round(sway, 3), "tilt", [round(v, 3) for v in w.z_axis[:2]], "yaw",
            round(w.heading, 3))
        if across is False:
            ey = 0.0
        elif across is not True:
            ey = max(-across, min(across, ey)) if abs(ey) > ACROSS_DEAD else 0.0
        if math.hypot(ex, ey) < 0.005:
            break
        aim[0] += ex
        aim[1] += ey
    return aim


def straighten(sim, name, aim, z):
    """Stood in its channel but leaning as it hung in the claw: let go so,
    it stays leaning on a ridge's flank. The claw is moved against the
    lean, its top over its foot, until it stands upright."""
    for _ in range(STRAIGHTEN_TRIES):
        tilt = sim.pose(name).z_axis
        if abs(tilt[0]) < STRAIGHT:
            break
        aim[0] -= 0.8 * GRIP_ABOVE_FOOT * tilt[0]
        P.crane_joints_to(sim, (aim[0], aim[1], z), 0.1)
        calm(sim, name, 300)
        log(sim, "straightened", sim.pose(name).pos, sim.pose(name).z_axis)


def set_down(sim, place):
    """Squares the held gable outside its place by where it hangs, slides it
    in along the boom to a centimetre outside, lets it down into its channel
    and lets go of it, the prongs opened wide (opened only as for a wall,
    the fingers lift it back out by the peak's tab)."""
    name = "housefront"
    g = sim.pose(name).pos
    h = sim.pose("grapple").pos
    hang = h[2] - g[2]
    log(sim, "set margin", reach_margin(sim, (place[0], place[1], place[2] + hang)))
    z = place[2] + hang + GABLE_ABOVE
    aim = [place[0] - GABLE_IN[0] + h[0] - g[0], place[1] + h[1] - g[1]]
    gentle_to(sim, (aim[0], aim[1], z), name)
    P.hold_still(sim)
    calm(sim, name, 600)
    aim = square_gable(sim, name, aim, (place[0] - GABLE_IN[0], place[1]), z, tries=4)
    for _ in range(YAW_TRIES):
        # Turned in the claw, its end stands against a wall's end once its
        # foot is in the channel: the truck moved along its line turns the
        # boom, and the gable with it, about the hub kept where it is. Done
        # further out: the truck's nudges swing the gable along the boom by
        # up to 9 cm, and from 0.14 out a tab swung into the north wall's end.
        yaw = sim.pose(name).heading
        if abs(yaw) < YAW_WITHIN:
            break
        aim = square_gable(sim, name, aim, (place[0] - YAW_OUT, place[1]), z, tries=2)
        t, h = sim.pose("truck").pos, sim.pose("grapple").pos
        inch_to(sim, t[1] + math.tan(yaw) * (h[0] - t[0]), YAW_INCH_WITHIN)
        aim = square_gable(sim, name, aim, (place[0] - YAW_OUT, place[1]), z, tries=3)
        log(sim, "turned", sim.pose(name).heading, "truck", sim.pose("truck").pos)
    aim = square_gable(sim, name, aim, (place[0] - GABLE_IN[0], place[1]), z, tries=4)
    # Stood on the floor outside its place a while: held by its peak it rolls
    # across the boom for long, its foot swaying a few centimetres, enough
    # for a tab to knock a wall once between them. Its foot's drag stills it.
    P.crane_joints_to(sim, (aim[0], aim[1], place[2] + hang - TOUCH_PRESS), 0.1)
    calm(sim, name, 300)
    sim.step(TOUCH_TICKS)
    log(sim, "touched", sim.pose(name).pos, sim.pose(name).z_axis)
    P.crane_joints_to(sim, (aim[0], aim[1], z), 0.1)
    sim.step(30)
    for inside in GABLE_IN[1:]:
        aim = square_gable(sim, name, aim, (place[0] - inside, place[1]), z, across=False)
    target = (place[0] - GABLE_IN[-1], place[1])
    for _ in range(LANDINGS):
        # Moved along the boom, it turns a little in the pinch and its foot
        # swings with it: squared until its foot hangs within LAND_WITHIN.
        # Let down more than half a centimetre across, its end lands on the
        # ridge that holds it in y and, pressed on, knocks the wall over: so
        # nudged across here, a little at a time.
        aim = square_gable(sim, name, aim, target, z, tries=SQUARE_TRIES, across=ACROSS_NUDGE)
        if abs(foot(sim, name)[0] - target[0]) > LAND_WITHIN:
            continue
        dz = let_gable_down(sim, name, aim, place, hang)
        if abs(foot(sim, name)[0] - place[0]) < SEATED_WITHIN:
            break
        # Landed on a ridge's flank and sliding off it: lifted back over.
        log(sim, "landed off", foot(sim, name))
        P.crane_joints_to(sim, (aim[0], aim[1], z), 0.1)
    else:
        return False
    straighten(sim, name, aim, place[2] + hang + dz)
    release_gable(sim, name)
    return sim.grasped() is None


def leave(sim):
    """Claw stowed; backed a little further north, swung south-east round
    the new house's south-west corner onto the middle line heading east and
    backed west to W."""
    h = sim.pose("grapple").pos
    P.crane_joints_to(sim, (h[0], h[1], STOW_HUB), 0.5)
    P.crane_joints_to(sim, (h[0] - 0.4, h[1], STOW_HUB), 0.5)
    stow(sim)
    if not back_along(sim, WEST_LINE, LEAVE_FROM, 0.3):
        return False
    t = sim.pose("truck").pos
    centre = (WEST_LINE + TURN_R, t[1])
    route = [tuple(t[:2])] + arc(centre, TURN_R, math.pi, 1.5 * math.pi)
    route += [(centre[0] + 0.4, t[1] - TURN_R)]
    log(sim, "leaving from", sim.pose("truck").pos, sim.pose("grapple").pos)
    if not P.follow_path(sim, "truck", route, throttle=0.3):
        return False
    log(sim, "on the middle line", sim.pose("truck").pos, sim.pose("grapple").pos, sim.grasped())
    ok = reverse_to(sim, W, tolerance=0.15, throttle=0.3)
    log(sim, "at W", sim.pose("truck").pos, sim.pose("truck").heading)
    return ok


def front_gable(sim):
    """The old front gable into its place in the new house; the truck back
    at W. True when the gable stands within 2 cm of its place."""
    place = (FRONT_X, NEW_Y, FLOOR + 0.5)
    stow(sim)
    if not (to_west_line(sim) and take(sim) and carry(sim) and set_down(sim, place)):
        return False
    left = leave(sim)
    g = sim.pose("housefront").pos
    return left and math.dist(g, (FRONT_X, NEW_Y, FLOOR + 0.5)) < 0.02


# Development set-up: walls standing in the new house, the roof parked away.
ROOF_PARK = (5.3, 9.5, 0.82)
WALLS = {"rightwall": (NEW_X, NEW_Y + WALL_AT, FLOOR + 0.403),
         "leftwall": (NEW_X, NEW_Y - WALL_AT, FLOOR + 0.403)}


def up_to_w(sim):
    """Up the hill as the full run comes and onto W heading east."""
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(80)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])
    if os.environ.get("WEST_ARRIVE_NORTH"):
        # As the truck first comes up the hill: onto W heading north-east.
        return P.follow_path(sim, "truck", STANCE_ROUTE[:6], throttle=0.5)
    if not P.follow_path(sim, "truck", STANCE_ROUTE[:7], throttle=0.5):
        return False
    off = os.environ.get("WEST_W_OFF")
    w = W if not off else tuple(W[k] + float(v) for k, v in enumerate(off.split(",")))
    if not reverse_to(sim, w, tolerance=0.15, throttle=0.3):
        return False
    if os.environ.get("WEST_START_STRAIGHT"):
        # Out and back once more: onto W nearer due east.
        t = sim.pose("truck").pos
        P.follow_path(sim, "truck", [tuple(t[:2]), (6.0, 6.7), (7.0, 6.7)], throttle=0.4)
        return reverse_to(sim, W, tolerance=0.15, throttle=0.3)
    return True


def report(sim):
    g = sim.pose("housefront").pos
    print("front gable", [round(v, 3) for v in g], "off",
          round(math.dist(g, (FRONT_X, NEW_Y, FLOOR + 0.5)), 4))
    for name, at in WALLS.items():
        q = sim.pose(name).pos
        print(name, [round(v, 3) for v in q], "off", round(math.dist(q, (at[0], at[1], 0.9)), 4))
    t = sim.pose("truck")
    print("truck", [round(v, 2) for v in t.pos], "heading", round(t.heading, 3), "tick", sim.tick)


def develop(sim):
    if not up_to_w(sim):
        print("did not reach W")
        return
    sim.place("houseroof", 0, ROOF_PARK)
    for name, at in WALLS.items():
        sim.place(name, 0, at)
    shift = os.environ.get("WEST_GABLE_SHIFT")
    if shift:
        # As the walls' removal may leave it: shifted on its bars.
        dx, dy = (float(v) for v in shift.split(","))
        sim.place("housefront", 0, (FRONT_X + dx, OLD_Y + dy, FLOOR + 0.503))
    sim.step(100)
    log(sim, "W", sim.pose("truck").pos, sim.pose("truck").heading)
    log(sim, "roof", sim.pose("houseroof").pos, sim.pose("houseroof").z_axis)
    print("stage", front_gable(sim))
    report(sim)


if __name__ == "__main__":
    driver_main.main(LEVEL, develop)
