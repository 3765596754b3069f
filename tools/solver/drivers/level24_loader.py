"""Level 24, the gold claim, the skid loader's turn: once the tray holds more
stones than the creek the game hands the job to the skid loader, which
pushes what lies in the tray east onto the belt, backs off west of the tray
to a place the truck's crane never reaches, and waits there until the belt
has carried the round's stones past the wash point and the game hands the
job back to the truck.

`push_round(sim)` is that turn, called right after the hand-over.

Run on its own it is a development aid: `python3 level24_loader.py
[--round N ...] [--seed S]` lays N stones (11, 5, 3, 1 by default) in the
tray where the truck lets them go (with a seed, scattered up to 0.3 m off
them), by the simulator's `place`, and times the loader's turn on each.
Such a session does not replay; the level's solution is the recording of
the whole driver."""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import primitives as P  # noqa: E402

LEFT, RIGHT = P.SKIDLOADER_LEVERS["left"], P.SKIDLOADER_LEVERS["right"]
ARM, BUCKET = P.SKIDLOADER_LEVERS["elevate"], P.SKIDLOADER_LEVERS["bucket"]

TRAY_X0, TRAY_X1 = -7.7, -0.6  # the tray's walls; the belt starts at its east end
TRAY_Y0, TRAY_Y1 = -7.6, -6.1
TRAY_Y = -6.85  # the tray's middle line, where its stones slide to
BELT_X0 = TRAY_X1
EAST = 0.0
GRAVEL_RADIUS = 0.1
# Where the loader starts and waits out the truck's turns, on the tray's
# middle line west of it: the truck's crane, working from the lane north of
# the bench, never comes within a metre of it.
PARK_X = -10.0

# The bucket tipped forward against its stop stands its floor upright
# ahead of the loader: a blade, which pushes the tray's stones ahead of it
# as one heap. (Pushed with the bucket's lip, a stone rides under it and
# the loader climbs onto the heap.) The arm holds the blade's foot just
# over the tray's floor, and lifts it when the loader's nose rises.
BUCKET_TIPPED = -1.3  # radians; its stop is at -1.32
FOOT_OVER_FLOOR = 0.03
TRAY_FLOOR_Z = 0.3
# The bucket's floor, in the bucket's own frame: back and front edges,
# underside and top.
BUCKET_FLOOR = [(x, 0.0, z) for x in (0.05, 0.35) for z in (-0.16, -0.14)]
ARM_TRAVEL = 0.45  # the blade clear of a stone's top, backing off or parked

PUSH_SPEED = 0.3  # lever setting: about 0.4 m/s
# A stone on the belt rolls off at about 0.2 m/s: the heap's front reaching
# the belt, the blade slows to that, or the heap squeezed against the stones
# already on the belt spills round the blade's ends onto the wheels' line.
ONTO_BELT_SPEED, HEAP_AHEAD = 0.14, 1.0
BACK_SPEED = 0.6
PUSH_ONTO_BELT = 0.35  # the blade stops this far onto the belt
NOSE_UP = 0.03  # the loader's pitch, nose up, above which the arm lifts the blade
STALL_TICKS = 240  # no headway for this long: back off and push again
PASSES = 4  # pushes along the tray before a stone left in it is given up
WASH_WAIT = 3600  # ticks the belt may take to wash the round once the tray is empty


def log(sim, text):
    print("%6d %s" % (sim.tick, text), file=sys.stderr, flush=True)


def stones(sim, name):
    return [pos for n, _, pos in sim.objects() if n == name]


def in_the_tray(sim):
    """The collected stones not yet on the belt, west first."""
    return sorted((s for s in stones(sim, "collectedgravel")
                   if s[0] < BELT_X0 + GRAVEL_RADIUS and TRAY_Y0 - 0.2 < s[1] < TRAY_Y1 + 0.2),
                  key=lambda s: s[0])


def loose_in_the_tray(sim):
    return [s for s in stones(sim, "gravel")
            if s[0] < BELT_X0 and TRAY_Y0 - 0.2 < s[1] < TRAY_Y1 + 0.2 and s[2] > 0]


def lever(sim, number, setting):
    """A lever moved only when its setting (to a hundredth, as a hand on the
    HUD sets it) changes: the recording stays short."""
    setting = round(P.clamp(setting), 2)
    held = sim.__dict__.setdefault("_loader_levers", {})
    if held.get(number) != setting:
        P.lever(sim, number, setting)
        held[number] = setting


def drive(sim, speed, turn):
    """Both track levers: speed forward, turn > 0 to the left."""
    lever(sim, LEFT, speed - turn)
    lever(sim, RIGHT, speed + turn)


def halt(sim):
    drive(sim, 0, 0)
    for _ in range(40):
        if sim.step(5) or sim.pose("skidLoader").speed < 0.03:
            break


def world_point(pose, v):
    return [pose.pos[i] + pose.x_axis[i] * v[0] + pose.y_axis[i] * v[1] + pose.z_axis[i] * v[2]
            for i in range(3)]


def blade(sim):
    """(front x, foot z) of the bucket's floor."""
    b = sim.pose("bucket")
    points = [world_point(b, v) for v in BUCKET_FLOOR]
    return max(p[0] for p in points), min(p[2] for p in points)


def pitch(sim):
    return sim.pose("skidLoader").x_axis[2]


def joint_to(sim, joint, angle, max_ticks=600, every=2, tolerance=0.02):
    """The arm ("arm") or the bucket to an angle on its lever; returns the
    angle it came to."""
    number = ARM if joint == "arm" else BUCKET
    for _ in range(0, max_ticks, every):
        error = angle - sim.joint("skidLoader", joint)
        if abs(error) < tolerance:
            break
        lever(sim, number, P.clamp(8 * error))
        if sim.step(every):
            break
    lever(sim, number, 0)
    return sim.joint("skidLoader", joint)


def steer(p, speed, lane=TRAY_Y):
    """The turn that brings the loader, facing east, onto a line along the
    tray (its middle unless told), forward or backing."""
    sign = 1 if speed > 0 else -1
    want = EAST + sign * P.clamp(1.5 * (lane - p.pos[1]), -0.3, 0.3)
    return P.clamp(2.0 * P.wrap(want - p.heading), -0.3, 0.3)


def along(sim, to_x, speed, max_ticks=4000, every=3):
    """Along the tray's middle line facing east, forward (speed > 0) or
    back to to_x."""
    for _ in range(0, max_ticks, every):
        p = sim.pose("skidLoader")
        if (speed > 0 and p.pos[0] > to_x) or (speed < 0 and p.pos[0] < to_x):
            break
        drive(sim, speed, steer(p, speed))
        if sim.step(every):
            return False
    halt(sim)
    return True


def blade_down(sim):
    """Tips the bucket into a blade with the arm raised (tipped on the floor
    it would lift the loader's nose) and lets the blade's foot down."""
    joint_to(sim, "arm", ARM_TRAVEL)
    joint_to(sim, "bucket", BUCKET_TIPPED)
    lever(sim, BUCKET, -0.3)  # held against its stop from here on
    for _ in range(0, 600, 3):
        _, foot = blade(sim)
        error = foot - (TRAY_FLOOR_Z + FOOT_OVER_FLOOR)
        if abs(error) < 0.005:
            break
        lever(sim, ARM, P.clamp(-20 * error, -0.5, 0.5))
        if sim.step(3):
            return False
    lever(sim, ARM, 0)
    return True


def push(sim, lane=TRAY_Y, every=3):
    """Pushes east along the lane until the blade stands on the belt; False
    when it makes no headway (the heap has wedged) or the game ends."""
    best, since = -99.0, 0
    for _ in range(0, 6000, every):
        p = sim.pose("skidLoader")
        sim.__dict__["loader_least_upright"] = min(p.z_axis[2],
                                                   sim.__dict__.get("loader_least_upright", 1.0))
        front, foot = blade(sim)
        if front > BELT_X0 + PUSH_ONTO_BELT:
            break
        nose = p.x_axis[2]
        lever(sim, ARM, P.clamp(-20 * (foot - TRAY_FLOOR_Z - FOOT_OVER_FLOOR)
                                + 10 * max(0.0, nose - NOSE_UP), -0.5, 0.5))
        speed = ONTO_BELT_SPEED if front > BELT_X0 - HEAP_AHEAD else PUSH_SPEED
        drive(sim, speed, steer(p, speed, lane))
        if sim.step(every):
            return False
        if front > best + 0.02:
            best, since = front, 0
        else:
            since += every
            if since > STALL_TICKS:
                log(sim, "the heap wedged at %.2f" % front)
                halt(sim)
                return False
    halt(sim)
    lever(sim, ARM, 0)
    return True


def settle(sim, max_ticks=600, every=20):
    """Waits while a stone the heap shoved aside slides back down the tray's
    floor to its middle line, where the blade meets it square. One that
    stopped on the slope (and fell asleep there) stays where it is."""
    for _ in range(0, max_ticks, every):
        moving = [s for s in tray_stones(sim) if abs(s.pos[1] - TRAY_Y) > 0.08 and s.speed > 0.005]
        if not moving or sim.step(every):
            return


def tray_stones(sim):
    """Poses of the collected stones not yet on the belt."""
    return [sim.pose(n, i) for n, i, p in sim.objects() if n == "collectedgravel"
            and p[0] < BELT_X0 + GRAVEL_RADIUS and TRAY_Y0 - 0.2 < p[1] < TRAY_Y1 + 0.2]


# A stone shoved aside by the heap may stop on the floor's slope beside the
# wheels' line, out of the blade's reach from the middle line. The loader
# then pushes along a line this far to that side: the blade's end passes
# close enough to the wall that the stone cannot slip past it.
# A stone left behind by a push along the middle lay off it, past the
# blade's end: it is pushed again from beside the middle line even if it
# lies only a little off it.
LANE_ASIDE, ASIDE_FROM, ASIDE_AGAIN = 0.25, 0.3, 0.1


def lane_for(tray, aside_from=ASIDE_FROM):
    """The line to push along: the middle, or beside it towards the stone
    lying furthest off it."""
    off = max((s[1] - TRAY_Y for s in tray), key=abs)
    return TRAY_Y + (math.copysign(LANE_ASIDE, off) if abs(off) > aside_from else 0.0)


def park(sim):
    joint_to(sim, "arm", ARM_TRAVEL)
    along(sim, PARK_X, -BACK_SPEED)


def push_round(sim):
    """The skid loader's turn: every stone in the tray pushed onto the belt,
    the loader parked west of the tray, and the round's stones washed. True
    once the game has handed the job back to the truck (or the job is won);
    False, with a line on stderr, when a stone is left that it cannot get or
    the belt does not wash the round."""
    start = sim.tick
    # A stone still sliding in the tray counts as the creek's until it
    # settles; pushed onto the belt like that it is never washed and the bin
    # strands it.
    for _ in range(0, 900, 30):
        if not loose_in_the_tray(sim) or sim.step(30):
            break
    for attempt in range(PASSES):
        tray = in_the_tray(sim)
        if not tray or sim.ended:
            break
        # Behind the westmost stone (further to change lanes), blade down,
        # and push the lot.
        lane = lane_for(tray, ASIDE_FROM if attempt == 0 else ASIDE_AGAIN)
        x = sim.pose("skidLoader").pos[0]
        front = blade(sim)[0]
        behind = x - (front - tray[0][0]) - GRAVEL_RADIUS - (0.25 if lane == TRAY_Y else 1.2)
        if x > behind:
            joint_to(sim, "arm", ARM_TRAVEL)
            along(sim, behind, -BACK_SPEED)
        if not blade_down(sim):
            break
        pushed = push(sim, lane)
        log(sim, "push %d along y %.2f: %d stones in the tray, %s (the westmost at %.2f, %.2f)" % (
            attempt + 1, lane, len(tray), "onto the belt" if pushed else "wedged", tray[0][0], tray[0][1]))
        joint_to(sim, "arm", ARM_TRAVEL)
        along(sim, sim.pose("skidLoader").pos[0] - 0.4, -BACK_SPEED)
        settle(sim)
    left = in_the_tray(sim)
    park(sim)
    if left:
        log(sim, "gave up on %d stones in the tray: %s" % (
            len(left), " ".join("(%.2f, %.2f)" % s[:2] for s in left)))
        return False
    log(sim, "tray empty and loader parked after %d ticks, leaning at most to upright %.3f" % (
        sim.tick - start, sim.__dict__.get("loader_least_upright", 1.0)))
    for _ in range(0, WASH_WAIT, 30):
        if sim.ended or not stones(sim, "collectedgravel"):
            return sim.won or not sim.ended
        sim.step(30)
    stray = stones(sim, "collectedgravel")
    log(sim, "the belt did not wash %d stones: %s" % (
        len(stray), " ".join("(%.2f, %.2f, %.2f)" % s for s in stray)))
    return False


# ---------------------------------------------------------------- development

# Where the truck lets stones go over the tray: from each of its three
# stances, 0.6 east of it, abeam and 0.6 west, east stance first.
DROPS = [x + d for x in (-2.5, -4.6, -6.7) for d in (0.6, 0.0, -0.6)]
DROP_Y, DROP_Z = -6.3, 1.1


def lay_round(sim, count, rng=None):
    """Lets count of the creek's stones fall into the tray where the truck
    drops them, a later one a little off an earlier one's place (with rng,
    each up to 0.3 off along the tray and 0.1 across), and waits until the
    game has collected them all."""
    for k in range(count):
        x = DROPS[k % len(DROPS)] + 0.25 * (k // len(DROPS))
        y = DROP_Y
        if rng:
            x, y = x + rng.uniform(-0.3, 0.3), y + rng.uniform(-0.1, 0.1)
        # One at a time, as the truck lets them go, each from its pocket.
        bar = [i for i, (n, _, p) in enumerate(o for o in sim.objects() if o[0] == "gravel")
               if p[1] > -5.0]
        sim.place("gravel", bar[0], (max(x, TRAY_X0 + 0.3), y, DROP_Z))
        sim.step(60)
    for _ in range(100):
        sim.step(20)
        if len(stones(sim, "collectedgravel")) >= count:
            return True
    return False


def main():
    import argparse
    import random
    from serve_client import Sim
    parser = argparse.ArgumentParser()
    parser.add_argument("--round", type=int, action="append", help="stones in a round")
    parser.add_argument("--seed", type=int, help="stones let go off the truck's drops at random")
    args = parser.parse_args()
    rounds = args.round or [11, 5, 3, 1]
    rng = random.Random(args.seed) if args.seed is not None else None
    with Sim(level=24) as sim:
        sim.step(2)
        for count in rounds:
            before = len(stones(sim, "washedgravel"))
            if not lay_round(sim, count, rng):
                log(sim, "the tray did not collect %d stones" % count)
                return 1
            start = sim.tick
            ok = push_round(sim)
            washed = len(stones(sim, "washedgravel")) - before
            log(sim, "round of %d: %s, %d washed in %d ticks, ends %s" %
                (count, "done" if ok else "FAILED", washed, sim.tick - start, sim.end_games))
            if not ok or (sim.ended and not sim.won):
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
