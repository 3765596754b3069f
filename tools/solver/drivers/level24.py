"""Level 24, the gold claim: the truck drives round the gravel bar into
the lane between it and the bench's face, heading east, and lifts the
stones one by one from their pockets on the bar into the tray, west first,
each from abeam it. Once the tray holds more stones than the bar, the game
hands the job to the skid loader, which pushes them onto the belt that
carries them past the wash point (level24_loader.push_round); when the
tray is empty the truck goes on with the stones left (11, 5, 3 and 1).

The pick is the tower crane's: the crane worked on its joints' readings
(slew, boom and extension solved for a point, the slew about the truck's
centre), the prongs opened against their stops let down over the stone in
settled steps on gentle levers, centred on it while they still clear it,
closed with the hub 0.12 over its centre and lifted slowly on the closing
lever until the fingers are under it.

What held the hub up in earlier drivers, found with the probe:
- Chasing the swinging hub (grapple_to), with the slew taken about a point
  0.37 ahead of the truck's centre: the crane ends slewed 0.14 rad off the
  line to the stone while the hub hangs over it, and the boom lever alone
  then hardly lowers it (0.008 rad in 60 ticks at -0.7), the hub stuck
  0.33 over the stone. Worked on its joints about the truck's centre, the
  same crane lets the hub down to 0.12 over the stone from the same
  stance. Nothing in the layout held it there.
- The open prongs' fingers reach 0.33 from the hub's axis, hanging about
  0.09 under the hub, along the crane and across it: with stones 0.3
  apart in one row, the prong across the crane comes down on a neighbour
  (and rests on it) unless the crane meets the row at more than about 30
  degrees. So the pockets now lie in two staggered rows.
- Over the far row, 1.395 out, the straight outer beam comes down on the
  bar's south kerb before the hub is low enough (stuck 0.19 over the
  stone); folded 0.4 down it clears the kerb.
- The crane's swings shove the truck south a centimetre or two each time;
  6 cm off the lane's line, a far-row stone slips out of the prongs as it
  is lifted. The truck backs and comes in again onto the line.

With --truck-only it takes the lazy way, kept as a wrong way: the truck
loads its first round and then nobody drives the skid loader, so the stones
lie collected in the tray and are never washed.

usage: python3 tools/solver/drivers/level24.py [--delay D] [--record FILE] [--truck-only]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import level24_loader  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 24
DEBUG = os.environ.get("LEVEL24_DEBUG")
STANCE_Y = -5.225  # the lane's middle line, between the bench's face and the bar
# The crane slews about the truck's centre. The truck works each stone from
# abeam it: the open prongs point along the crane and across it, at none of
# the neighbours, which stand 0.6 along the bar or 0.4 on the diagonal.
LANE_X = (-7.7, -1.5)  # where along the lane the truck's centre may stand
ABEAM = 0.08  # how near abeam the truck's centre must stand
DRIFT = 0.3  # the truck further than this off the lane's line is out of it
SHOVED, REALIGN = 0.03, 0.8
NEAR_ROW_Y, FAR_ROW_Y = -4.1, -3.83
# Over the far row the straight outer beam comes down onto the bar's kerb
# before the hub is low enough; folded a little, it clears it.
BEND_NEAR, BEND_FAR = 0.0, -0.4
DROP_Y = -6.3  # over the tray, inside its north wall
TRAY_X0 = -7.7  # where its walls begin
# Along the tray from the truck's centre, east first (the loader has less to
# push): spread out, so that a stone let go does not land on the last one.
DROPS_ALONG = (0.6, 0.0, -0.6)
# The belt starts at the tray's east end: a stone let go nearer it than
# this might roll onto it before it is collected.
DROP_X_MAX = -1.6
# Let go nearer the tray's west end, a stone can roll on into the corner
# there, where the skid loader's blade cannot get behind it.
DROP_X_MIN = TRAY_X0 + 1.0
# The parked skid loader's bucket lip stands this far ahead of its centre and
# its tail this far behind: no stone is let go onto it.
LIP_AHEAD, LOADER_BEHIND = 0.9, 0.65
# From the start round north of the gravel bar, west past its end and back
# east into the lane between it and the bench's face.
TO_THE_LANE = [(0.5, -3.5), (2.0, -3.3), (3.0, -2.4), (2.5, -1.4), (1.0, -1.2), (-7.95, -1.2),
               (-10.25, -2.0), (-10.75, -3.5), (-9.95, -4.9), (-8.95, STANCE_Y)]
# The pick, as the tower crane takes its bearings: the prongs opened against
# their stops come down over the stone in settled steps on gentle levers,
# centred on it while they still clear it, and close with the hub this far
# over its centre; lifted on the closing lever, the fingers come in under it.
OPEN_TICKS = 90
APPROACH = 0.4
LOWER_STEPS = (0.3, 0.22)
LOWER_LEVER, FINAL_LEVER = 0.4, 0.25
HUB_ABOVE = 0.12
CENTRED = 0.015
CENTRE_TRIES = 3
MOVED = 0.03  # a stone nudged further on the way down is picked again where it lies
CLOSE_TICKS = 120
LIFT_STEPS = (0.05, 0.1, 0.2)
HELD_WITHIN = 0.3
PICK_TRIES = 3
CARRY_Z = 0.8  # the hub carrying a stone over the tray's wall
LEAST_SPARE = 0.2  # reach to spare wanted over a stone, where the hub grips it
BAR_TOP = 0.3
ON_THE_BAR = (-7.95, -1.1, -4.35, -3.55)  # x0, x1, y0, y1


def log(sim, *words):
    if DEBUG:
        print("%6d" % sim.tick, *words, file=sys.stderr, flush=True)


def stones(sim, name):
    return [pos for n, _, pos in sim.objects() if n == name]


def skid_turn(sim):
    """Whether the tray holds more stones than the creek: the game has then
    handed the job to the skid loader."""
    return len(stones(sim, "collectedgravel")) > len(stones(sim, "gravel"))


def over(stone, height):
    return (stone[0], stone[1], stone[2] + height)


def on_the_bar(sim):
    """The stones still to load, west first: the truck works the lane
    heading east."""
    x0, x1, y0, y1 = ON_THE_BAR
    bar = [s for s in stones(sim, "gravel") if x0 < s[0] < x1 and y0 < s[1] < y1 and s[2] > BAR_TOP]
    return sorted(bar, key=lambda s: s[0])


def spare_from(x, y, z, stone):
    """The crane's reach to spare over the stone, where the hub grips it,
    from a truck whose centre stands at (x, y, z)."""
    return P.spare_reach(math.hypot(stone[0] - x, stone[1] - y), stone[2] + HUB_ABOVE - z)


def workable(sim, stone):
    t = sim.pose("truck").pos
    return (abs(stone[0] - t[0]) <= ABEAM + 0.02 and abs(t[1] - STANCE_Y) < DRIFT
            and spare_from(t[0], t[1], t[2], stone) >= LEAST_SPARE)


def bend_for(stone):
    return BEND_FAR if stone[1] > (NEAR_ROW_Y + FAR_ROW_Y) / 2 else BEND_NEAR


def the_stone(sim, near):
    """Where the stone last seen at near lies now (None once it is no longer
    gravel on the bar)."""
    bar = on_the_bar(sim)
    best = min(bar, key=lambda s: math.dist(s, near), default=None)
    return best if best is not None and math.dist(best, near) < 0.25 else None


def holding(sim, stone):
    hub = sim.pose("grapple").pos
    return any(math.dist(hub, s) < HELD_WITHIN and s[2] > stone[2] + 0.15
               for s in stones(sim, "gravel"))


def travel(sim, point):
    """Up from where the hub is, across at that height to over point."""
    return (P.raise_hub_to(sim, point[2], max_ticks=600) and P.hub_settle(sim)
            and P.crane_joints_to(sim, point))


def pick(sim, stone):
    """Grips the stone and lifts it to the carrying height; True when it
    comes up held."""
    for _ in range(PICK_TRIES):
        c = the_stone(sim, stone)
        if c is None or sim.ended or skid_turn(sim):
            return False
        if not (P.work_grapple(sim, 1.0, OPEN_TICKS) and P.raise_hub_to(sim, CARRY_Z, max_ticks=300)
                and P.bend_to(sim, bend_for(c)) and travel(sim, over(c, APPROACH))):
            return False
        P.hub_over(sim, over(c, APPROACH))
        for above in LOWER_STEPS:
            P.hub_over(sim, over(c, above), LOWER_LEVER)
        # Centred while the prongs still clear it: closed off-centre they
        # squeeze it out sideways.
        for _ in range(CENTRE_TRIES):
            b, hub = the_stone(sim, c) or c, P.hub_rest_point(sim, 30)
            if math.hypot(hub[0] - b[0], hub[1] - b[1]) < CENTRED:
                break
            P.hub_over(sim, (b[0], b[1], c[2] + LOWER_STEPS[-1]), LOWER_LEVER, within=CENTRED)
        b = the_stone(sim, c)
        if b is None or math.dist(b, c) > MOVED:
            stone = b or c
            continue  # knocked on the way down: again from above, where it lies
        P.hub_over(sim, (b[0], b[1], c[2] + HUB_ABOVE), FINAL_LEVER, tries=2, within=2 * CENTRED)
        now = the_stone(sim, b)
        if now is not None and math.dist(now, b) < MOVED:
            if not P.close_and_lift(sim, b[0], b[1], c[2] + HUB_ABOVE, CLOSE_TICKS, LIFT_STEPS, LOWER_LEVER):
                return False
            if holding(sim, c):
                return P.raise_hub_to(sim, CARRY_Z, max_ticks=600)
        log(sim, "missed", c, "hub", [round(v, 3) for v in sim.pose("grapple").pos])
        stone = the_stone(sim, c) or c
        P.raise_hub_to(sim, c[2] + APPROACH, max_ticks=300)
    return False


def drop(sim, x):
    """Swings the held stone over the tray at x and lets it fall in."""
    ok = P.crane_joints_to(sim, (x, DROP_Y, CARRY_Z), 0.6) and P.hub_settle(sim, 300)
    P.work_grapple(sim, 1.0, 40)
    return ok


def wait_collected(sim, ticks=600, every=10):
    """Steps until no stone in the tray is still rolling into place: the
    game may hand the job to the skid loader when it settles, and the
    truck's crane stands still from then on."""
    for _ in range(0, ticks, every):
        if sim.step(every):
            return False
        if not loose_in_tray(sim):
            return True
    return True


def turn_coming(sim):
    """Whether the stones in the tray, once settled, outnumber those left:
    the truck then waits for the hand-over rather than start a pick that the
    game would freeze half way."""
    loose = len(loose_in_tray(sim))
    return len(stones(sim, "collectedgravel")) + loose > len(stones(sim, "gravel")) - loose


def loose_in_tray(sim):
    """The stones let go into the tray that have not yet come to rest."""
    return [s for s in stones(sim, "gravel") if s[1] < -6.0 and s[2] > 0]


def along_lane(sim, x, max_ticks=1500, every=3):
    """Creeps the truck east or west along the lane until it stands at x,
    steering (forward only) back onto the lane's line."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("truck")
        ahead = x - p.pos[0]
        if abs(ahead) < 0.04:
            break
        if ahead > 0:
            want = P.clamp(3.0 * (STANCE_Y - p.pos[1]), -0.3, 0.3)
            sim.post("steer setting=%f" % P.clamp(-2.0 * P.wrap(want - p.heading)))
        else:
            sim.post("steer setting=0.000000")
        sim.post("accelcontrol setting=%f" % math.copysign(P.clamp(0.15 + 0.3 * abs(ahead), 0, 0.4), ahead))
        if sim.step(every):
            return False
    sim.post("accelcontrol setting=0.000000")
    return P.come_to_rest(sim, "truck")


def go_to_stance(sim, x):
    """Into the lane (round the bar, the crane folded in over the truck, the
    first time) and along it to x."""
    if not P.raise_hub_to(sim, CARRY_Z, max_ticks=300):
        return False
    here = sim.pose("truck").pos
    if here[1] > STANCE_Y + 0.5:
        return (stow(sim) and P.follow_path(sim, "truck", TO_THE_LANE + [(x, STANCE_Y)], throttle=0.4)
                and along_lane(sim, x))
    # Along the lane the hub, carried high over the tray or the bar, clears
    # both: no need to fold it in.
    return along_lane(sim, x)


def stow(sim):
    """The hub over the truck's front, high: a crane swung out while the
    truck moves knocks what it passes."""
    t = sim.pose("truck")
    ahead = (t.pos[0] + 1.0 * t.x_axis[0], t.pos[1] + 1.0 * t.x_axis[1], t.pos[2] + 1.5)
    return P.crane_joints_to(sim, ahead, 0.6)


def drop_x(sim, x, drops):
    """Where along the tray to let the next stone go: the next of the drops
    in turn clear of the skid loader, and never near the tray's west end
    (a stone let go there rolls into the corner, out of the blade's way)."""
    loader = sim.pose("skidLoader").pos[0]
    turn = [DROPS_ALONG[(drops + k) % len(DROPS_ALONG)] for k in range(len(DROPS_ALONG))]
    spots = [P.clamp(x + d, DROP_X_MIN, DROP_X_MAX) for d in turn]
    clear = [s for s in spots if not loader - LOADER_BEHIND - 0.3 < s < loader + LIP_AHEAD + 0.3]
    return (clear or spots)[0]


def truck_phase(sim):
    """Loads stones into the tray until the skid loader's turn, west first,
    each from abeam it; False when no stone is left to load or the truck
    cannot go on."""
    missed = []
    drops = 0
    while not skid_turn(sim) and not sim.ended:
        bar = [s for s in on_the_bar(sim) if not any(math.dist(s, m) < 0.05 for m in missed)]
        if not bar:
            # The last stone of a round may still be rolling into place.
            if loose_in_tray(sim):
                wait_collected(sim)
                continue
            return False
        stone = bar[0]
        x = P.clamp(stone[0], *LANE_X)
        t = sim.pose("truck").pos
        if abs(t[1] - STANCE_Y) > SHOVED and abs(t[1] - STANCE_Y) < DRIFT:
            # The crane's swings shove the truck off the lane's line, a
            # centimetre or two each time; over the far row the hub then
            # hangs too far out to hold a stone. Back and in again, steering
            # onto the line.
            if not (P.raise_hub_to(sim, CARRY_Z, max_ticks=300) and along_lane(sim, x - REALIGN)):
                return False
        if abs(t[0] - x) > ABEAM or abs(sim.pose("truck").pos[1] - STANCE_Y) > SHOVED:
            if not go_to_stance(sim, x):
                return False
        if not workable(sim, stone):
            log(sim, "out of reach", stone, "truck", sim.pose("truck").pos)
            missed.append(stone)  # never drive back and forth for ever
            continue
        start = sim.tick
        if pick(sim, stone):
            x = drop_x(sim, sim.pose("truck").pos[0], drops)
            drop(sim, x)
            drops += 1
            if turn_coming(sim):
                wait_collected(sim)
            log(sim, "loaded", [round(v, 2) for v in stone], "at", round(x, 2), "in", sim.tick - start)
        else:
            log(sim, "missed", [round(v, 2) for v in stone], "in", sim.tick - start)
            missed.append(stone)
    return True


def drive(sim):
    while not sim.ended:
        if skid_turn(sim):
            if not level24_loader.push_round(sim):
                return
        elif not truck_phase(sim) and not skid_turn(sim):
            return
    sim.step(120)


def drive_truck_only(sim):
    """The first round loaded, then a minute's wait with the loader idle."""
    if truck_phase(sim) and skid_turn(sim):
        sim.step(3600)


if __name__ == "__main__":
    if "--truck-only" in sys.argv:
        sys.argv.remove("--truck-only")
        driver_main.main(LEVEL, drive_truck_only)
    driver_main.main(LEVEL, drive)
