"""Level 24, the gold claim: the truck stands in the creek against the
bench's face and swings the gravel stones, one by one, from the row in the
creek up into the tray on the bench. Once the tray holds more stones than
the creek, the skid loader takes over: bucket down, it drives east along the
tray and pushes what lies there onto the belt, which carries it through the
guides past the wash point; then it backs out west and the truck goes on.

Not yet won. Its last run from the start: eleven stones loaded, all
eleven pushed onto the belt and washed, the truck back on the job; it gave
up at tick 126850 with four stones collected in the tray (x -5.5..-2.2),
one resting in it but not yet asleep, one knocked out of the row to
(-11.4, -4.6) and one to (-6.05, -1.22), both out of reach of the stance.
At ~4800 ticks a pick the full job would replay far past a minute.
Earlier, not every run got as far: a run of this driver against a tray narrowed to 1.0 m
stopped at tick 43000 with five stones in the tray, two missed in the row,
one knocked 0.7 m toward the creek's middle, and the truck standing north
of the row at y -3.5, where the path back to the stance left it.

The push, tried on eleven stones laid in the tray:
- Bucket flat, arm on its low stop: the lip rides 4 cm over the floor, the
  first stone it meets does not move, the loader's front climbs it and the
  stone passes under the chassis (centre 0.66-0.69 up).
- Bucket tipped lip down to -0.24: the lip drags on the floor and a single
  stone goes ahead of it. In this 1.5 m tray the stones then roll round the
  bucket's ends and are left behind; in a 1.0 m tray (south wall at -7.1,
  middle line -6.6) they stay ahead, but a row of four or more lifts the
  lip and the loader rides over them again (centre 0.68-0.73 up), pushing
  the row only slowly (x stalling near -8 after 90k ticks).
- Steeper (-0.45 at arm 0, -0.6 at arm 0.1, drive 0.2-0.3): the same.
- In steps (push_by_steps), lip down at -0.24 in this 1.5 m tray: pushed
  1.0 m from where it stands, then backed 0.4 m with the arm up, the loader
  drove all eleven stones as one heap from x -13..-7 to -0.3..1.9 (tick
  ~17000 after the hand-over) without climbing them; only there, with the
  heap packed 0.8 m deep, does it ride up (centre 0.68-0.72) and stall.
  With 0.8 m / 0.5 m steps it never climbs but creeps (x -6 at 32000).
  With 0.7 m / 0.4 m steps (the setting here) all eleven went onto the
  belt and were washed, 41600 ticks after the hand-over; with 1.0 / 0.4 a
  second run washed six and spilled the rest.
Still to do: the three later rounds (the truck loads 5, 3, then 1 more),
a steadier truck half, and the recording with its robustness runs.

usage: python3 tools/solver/drivers/level24.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 24
STANCE_Y = -5.13  # the truck's centre, its side against the bench's face
DROP_Y = -6.45  # over the tray, just inside its north wall
# From the start east of the row, round north of it and back along the
# bench's face to the row's west end.
TO_THE_ROW = [(0.5, -3.5), (2.0, -3.3), (3.0, -2.4), (2.5, -1.4), (1.0, -1.2), (-12.0, -1.2),
              (-14.3, -2.0), (-14.8, -3.5), (-14.0, -4.9), (-13.0, STANCE_Y)]
REACH_ALONG = 0.7  # stones this far either side of the truck are in reach
DROPS_ALONG = (-0.6, 0.0, 0.6)
GRIP_OVER = (0.16, 0.12, 0.2)  # hub heights over a stone's centre, tried in turn
OPEN = 1.2
CARRY_Z = 0.8  # the hub carrying a stone over the tray's wall
SAFE_Z = 0.0  # the empty hub swinging over the row

TRAY_Y = -6.85  # the tray's middle line, where its stones roll to
# The bucket's lip stops at 2.95, short of where the belt's guides close in
# on it; a stone pushed ahead of it lies on the belt.
PUSH_FROM_X, PUSH_TO_X = -15.5, 2.05
PUSH_SPEED = 0.2
PUSH_STEP, BACK_STEP, PUSH_STEPS = 0.7, 0.4, 120  # metres, metres, at most
EAST = 0.0
# The loader comes to the job with its arm at the top stop (1.42 rad). With
# the arm on its low stop and the bucket flat, the lip rides 4 cm over the
# floor and a stone it meets wedges under it, lifting the loader's front
# over it; tipped lip down to -0.24 the lip drags on the floor and pushes
# the stone ahead. Backing out, the arm is raised clear of the stones.
ARM_LOW, BUCKET_LOW, ARM_CLEAR = 0.0, -0.24, 0.3


def stones(sim, name):
    return [pos for n, _, pos in sim.objects() if n == name]


def skid_turn(sim):
    """Whether the tray holds more stones than the creek: the game has then
    handed the job to the skid loader."""
    return len(stones(sim, "collectedgravel")) > len(stones(sim, "gravel"))


def pick(sim, stone):
    """Scoops up the stone at the given position; True when it comes up."""
    bend = P.bend_for(sim, [(stone[0], stone[1], stone[2] + h) for h in (0.45, GRIP_OVER[0])])
    if bend is None:
        return False
    for over in GRIP_OVER:
        P.open_grapple(sim, OPEN)
        if not (P.grapple_to(sim, (stone[0], stone[1], SAFE_Z)) and P.bend_to(sim, bend)
                and P.grapple_to(sim, (stone[0], stone[1], stone[2] + 0.45))):
            return False
        P.grapple_to(sim, (stone[0], stone[1], stone[2] + 0.3), tolerance=0.05)
        P.grapple_to(sim, (stone[0], stone[1], stone[2] + over), tolerance=0.05)
        P.lever(sim, P.GRAPPLE_LEVER, -1.0)
        sim.step(80)
        P.raise_hub_to(sim, CARRY_Z, max_ticks=600)
        if near_hub(sim):
            return True
        sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return False


def near_hub(sim):
    hub = sim.pose("grapple").pos
    return any(math.dist(hub, s) < 0.2 for s in stones(sim, "gravel"))


def drop(sim, x):
    """Swings the held stone over the tray at x and lets it fall in."""
    ok = P.grapple_to(sim, (x, DROP_Y, CARRY_Z), tolerance=0.1)
    P.open_grapple(sim, OPEN)
    sim.step(20)
    P.raise_hub_to(sim, CARRY_Z + 0.1, max_ticks=300)
    return ok


def wait_collected(sim, ticks=240, every=10):
    """Steps until no stone in the tray is still rolling into place."""
    for _ in range(0, ticks, every):
        if sim.step(every):
            return False
        loose = [s for s in stones(sim, "gravel") if s[1] < -6.0 and s[2] > 0]
        if not loose:
            return True
    return True


def truck_phase(sim):
    """Loads stones into the tray until the skid loader's turn; False when
    no stone in the creek is left or the truck cannot go on."""
    missed = []
    while not skid_turn(sim):
        creek = sorted((s for s in stones(sim, "gravel") if s[2] < 0
                        and not any(math.dist(s, m) < 0.05 for m in missed)), key=lambda s: s[0])
        if not creek:
            return False
        x = creek[0][0] + REACH_ALONG - 0.1
        here = sim.pose("truck").pos
        if abs(here[0] - x) > 0.15:
            P.raise_hub_to(sim, SAFE_Z + 0.3, max_ticks=300)
            path = TO_THE_ROW if here[1] > STANCE_Y + 0.6 else [tuple(here[:2])]
            if not P.follow_path(sim, "truck", path + [(x, STANCE_Y)], throttle=0.4):
                return False
        here = sim.pose("truck").pos
        batch = [s for s in creek if abs(s[0] - here[0]) < REACH_ALONG][:len(DROPS_ALONG)]
        if not batch:
            return False
        for stone, along in zip(batch, DROPS_ALONG):
            if pick(sim, stone):
                drop(sim, here[0] + along)
                wait_collected(sim)
            else:
                missed.append(stone)
            if skid_turn(sim):
                return True
    return True


def skid_joint_to(sim, joint, angle, max_ticks=600, every=2, tolerance=0.02):
    """Sets the loader's arm or bucket to an angle on its lever; returns the
    angle it came to."""
    name = "elevate" if joint == "arm" else joint
    for _ in range(0, max_ticks, every):
        error = angle - sim.joint("skidLoader", joint)
        if abs(error) < tolerance:
            break
        P.lever(sim, P.SKIDLOADER_LEVERS[name], P.clamp(8 * error, -1, 1))
        if sim.step(every):
            break
    P.lever(sim, P.SKIDLOADER_LEVERS[name], 0)
    return sim.joint("skidLoader", joint)


def skid_along(sim, to_x, speed):
    """Along the tray's middle facing east, forward (speed > 0) or back to to_x."""
    for _ in range(0, 6000, 3):
        p = sim.pose("skidLoader")
        if (speed > 0 and p.pos[0] > to_x) or (speed < 0 and p.pos[0] < to_x):
            break
        want = EAST + (1 if speed > 0 else -1) * P.clamp(1.5 * (TRAY_Y - p.pos[1]), -0.3, 0.3)
        turn = P.clamp(2.0 * P.wrap(want - p.heading), -0.3, 0.3)
        P.lever(sim, P.SKIDLOADER_LEVERS["left"], speed - turn)
        P.lever(sim, P.SKIDLOADER_LEVERS["right"], speed + turn)
        if sim.step(3):
            return False
    P.lever(sim, P.SKIDLOADER_LEVERS["left"], 0)
    P.lever(sim, P.SKIDLOADER_LEVERS["right"], 0)
    return P.come_to_rest(sim, "skidLoader")


def skid_face(sim, heading, max_ticks=900, every=2):
    """Turns the skid loader on the spot until it faces heading."""
    for _ in range(0, max_ticks, every):
        error = P.wrap(heading - sim.pose("skidLoader").heading)
        if abs(error) < 0.02:
            break
        turn = P.clamp(1.5 * error, -0.4, 0.4)
        P.lever(sim, P.SKIDLOADER_LEVERS["left"], -turn)
        P.lever(sim, P.SKIDLOADER_LEVERS["right"], turn)
        if sim.step(every):
            return False
    P.lever(sim, P.SKIDLOADER_LEVERS["left"], 0)
    P.lever(sim, P.SKIDLOADER_LEVERS["right"], 0)
    return P.come_to_rest(sim, "skidLoader")


def push_by_steps(sim):
    """Pushes the stones ahead of the bucket east in short steps, backing off
    between them: a long push lets the growing row lift the lip and the
    loader climbs onto the stones."""
    for _ in range(PUSH_STEPS):
        skid_joint_to(sim, "arm", ARM_LOW)
        skid_joint_to(sim, "bucket", BUCKET_LOW)
        x = sim.pose("skidLoader").pos[0]
        if x >= PUSH_TO_X - 0.05:
            return True
        if not skid_along(sim, min(x + PUSH_STEP, PUSH_TO_X), PUSH_SPEED):
            return False
        skid_joint_to(sim, "arm", ARM_CLEAR)
        if not skid_along(sim, sim.pose("skidLoader").pos[0] - BACK_STEP, -PUSH_SPEED):
            return False
    return False


def skid_phase(sim):
    """Pushes the tray's stones onto the belt until none is left in it."""
    for _ in range(3):
        # Left standing, the loader creeps a little: lined up afresh on the
        # tray's middle line, west of it, each time.
        skid_joint_to(sim, "arm", ARM_CLEAR)
        P.skid_drive_to(sim, (PUSH_FROM_X, TRAY_Y), tolerance=0.15, throttle=0.4)
        skid_face(sim, EAST)
        push_by_steps(sim)
        sim.step(200)
        skid_joint_to(sim, "arm", ARM_CLEAR)
        skid_along(sim, PUSH_FROM_X, -PUSH_SPEED)
        if not stones(sim, "collectedgravel"):
            return True
    return False


def drive(sim):
    while not sim.ended:
        if skid_turn(sim):
            if not skid_phase(sim):
                return
        elif not truck_phase(sim) and not skid_turn(sim):
            return
    sim.step(120)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
