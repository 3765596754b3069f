"""Level 16, the clean-up yard: tip the dump truck's bed until control
passes to the skid loader, then drive the loader south along the gutter with
the arm and bucket lowered, pushing the spheres into the pit; spheres left
behind are rounded outside the gutter and pushed again from their north side.

usage: python3 tools/solver/drivers/level16.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402

LEVEL = 16
SOUTH = -math.pi / 2
PIT_EDGE_STOP = 1.7  # loader centre north of this: its front wheels stay out of the pit
ROUND_X = -1.9  # the track outside the gutter used to get back north
PUSH_SPEED = 0.2  # slow enough that the pushed row stays in the bucket


class Levers:
    """The session with its lever settings posted only when they change,
    rounded to what a hand on the HUD would set."""

    def __init__(self, sim):
        self.sim, self.settings = sim, {}

    def lever(self, n, v):
        v = round(max(-1.0, min(1.0, v)), 2)
        if self.settings.get(n) != v:
            self.sim.post("leverSet leverNr=%d setting=%f" % (n, v))
            self.settings[n] = v

    def step(self, k=1):
        self.sim.step(k)

    def pose(self, name, i=0):
        return self.sim.pose(name, i)

    def joint(self, machine, name):
        return self.sim.joint(machine, name)

    @property
    def ends(self):
        return self.sim.end_games


def place(s):
    p = s.pose("skidLoader")
    return p.pos[0], p.pos[1], p.heading


def loader_heading(s):
    return s.pose("skidLoader").heading


def wrap(a):
    return (a + math.pi) % (2 * math.pi) - math.pi


def clamp(v, lo, hi):
    return max(lo, min(hi, v))


class Loader:
    """Lever 0 drives the left wheels, lever 4 the right; turn > 0 turns right."""

    def __init__(self, sim):
        self.s = sim

    def drive(self, speed, turn):
        self.s.lever(0, speed + turn)
        self.s.lever(4, speed - turn)

    def halt(self):
        self.drive(0, 0)
        self.s.step(15)

    def face(self, heading):
        for _ in range(400):
            e = wrap(heading - loader_heading(self.s))
            if abs(e) < 0.03:
                break
            self.drive(0, clamp(-1.5 * e, -0.4, 0.4))
            self.s.step(2)
        self.halt()

    def goto(self, x, y):
        for _ in range(1500):
            px, py, h = place(self.s)
            d = math.hypot(x - px, y - py)
            if d < 0.1:
                break
            e = wrap(math.atan2(y - py, x - px) - h)
            if abs(e) > 0.4:
                self.drive(0, clamp(-1.5 * e, -0.4, 0.4))
            else:
                self.drive(min(0.5, 0.3 + d), clamp(-2 * e, -0.3, 0.3))
            self.s.step(2)
        self.halt()

    def along(self, lane, yStop, speed, back=False):
        """Facing south on the lane x = lane: forward to yStop, or back to it."""
        k = -1 if back else 1
        for _ in range(3000):
            x, y, h = place(self.s)
            if (not back and y < yStop) or (back and y > yStop):
                break
            want = SOUTH - k * clamp(1.5 * (x - lane), -0.3, 0.3)
            self.drive(k * speed, clamp(-2 * wrap(want - h), -0.3, 0.3))
            self.s.step(2)
        self.halt()


def spheresLeft(s):
    out = []
    for i in range(4):
        x, y, z = s.pose('sphere', i).pos
        if z > -0.8:
            out.append((x, y))
    return out


def drive(sim):
    s = Levers(sim)
    s.step(2)
    s.lever(1, 1)  # tip until the hand-over
    while s.joint("dumpTruck", "bed") < 0.66:
        s.step(1)
    s.lever(1, 0)
    s.step(150)
    loader = Loader(s)
    loader.face(SOUTH)
    s.lever(1, -1)  # arm down
    s.step(20)
    s.lever(1, 0)
    s.lever(2, -1)  # bucket lip down to the gutter's floor
    s.step(10)
    s.lever(2, 0)
    s.step(10)
    for _ in range(8):
        s.step(1)  # a look round before each push
        rest = spheresLeft(s)
        if not rest or s.ends:
            break
        tx, ty = max(rest, key=lambda q: q[1])
        lane = clamp(tx, -0.75, 0.3 if ty < 4.6 else -0.05)  # clear of the pen's wall
        x, y, _ = place(s)
        if y < ty + 1.2:
            loader.goto(ROUND_X, y)
            loader.goto(ROUND_X, ty + 1.3)
            loader.goto(lane, ty + 1.3)
            loader.face(SOUTH)
        elif abs(x - lane) > 0.08:
            loader.goto(lane, y)
            loader.face(SOUTH)
        loader.along(lane, PIT_EDGE_STOP, PUSH_SPEED)
        s.step(60)
    s.step(100)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
