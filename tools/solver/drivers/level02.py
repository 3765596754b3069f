"""Level 2, lockdown: roll up to the gate wall, lift the arm over it, pull
the south pin up out of the staples and the door's eyelets and drop it
inside, then the north one, fold the arm over the nose and push the door out.

The moves run on a timeline of ticks counted from the first input. Every
ten ticks of an approach the grapple's place is read and slew, extension
and bend are set toward the pin's handle, so a pin is gripped where it
stands, not where a fixed script expects it.

usage: python3 tools/solver/drivers/level02.py [--delay D] [--record FILE]
                                               [--one-pin | --north-pin]
--one-pin plays the lazy way instead (the south pin pulled, the door rammed
again and again), --north-pin another (the north pin pulled, the door
pushed at full throttle and held there). Neither must win: they are
tests/levels/wrongways/level02_onepin.txt and level02_northpin.txt."""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 2
CRANE_BASE = (-0.86, 0.0)  # the slew axis with the truck against the gate wall
PIN_SOUTH, PIN_NORTH = (0.45, -0.70), (0.45, 0.70)
GRIP_Z = 0.5  # grapple height that puts the fingers under a pin's handle
ROTATE, ELEVATE, BEND, EXTEND, GRAPPLE = (P.TRUCK_LEVERS[k] for k in
                                          ("rotate", "elevate", "bend", "extend", "grapple"))


class Timeline:
    """Inputs at ticks counted from the first one, posted in tick order."""

    def __init__(self, sim):
        self.sim, self.start, self.pending = sim, sim.tick, []

    def lever(self, t, number, setting):
        self.pending.append((t, "leverSet leverNr=%d setting=%f" % (number, setting)))

    def message(self, t, text):
        self.pending.append((t, text))

    def run_to(self, t):
        """Posts every input before tick t, each at its own tick; stops at t."""
        self.pending.sort(key=lambda e: e[0])
        while self.pending and self.pending[0][0] < t:
            when, text = self.pending.pop(0)
            self.step_to(when)
            self.sim.post(text)
        self.step_to(t)

    def step_to(self, t):
        ahead = self.start + t - self.sim.tick
        if ahead > 0:
            self.sim.step(ahead)

    def grapple(self, t):
        self.run_to(t)
        return self.sim.pose("grapple").pos


def approach(line, t, target, z, steps):
    """Every 10 ticks: slew and extension toward the target, bend down to z."""
    tx, ty = target
    bx, by = CRANE_BASE
    for _ in range(steps):
        gx, gy, gz = line.grapple(t)
        heading = math.atan2(-(gy - by), gx - bx)
        wanted = math.atan2(-(ty - by), tx - bx)
        reach = math.hypot(gx - bx, gy - by)
        needed = math.hypot(tx - bx, ty - by)
        line.lever(t, ROTATE, P.clamp(3 * (wanted - heading)))
        line.lever(t, EXTEND, P.clamp(4 * (needed - reach)))
        line.lever(t, BEND, -0.5 * P.clamp(4 * (gz - z)))
        t += 10
    return t


def grip_and_lift(line, t, lift_ticks):
    for nr in (ROTATE, EXTEND, BEND):
        line.lever(t, nr, 0)
    line.lever(t, GRAPPLE, -1)
    line.lever(t + 60, GRAPPLE, 0)
    line.lever(t + 70, ELEVATE, 1)
    line.lever(t + 70 + lift_ticks, ELEVATE, 0)
    return t + 80 + lift_ticks


def swing_and_drop(line, t, slew, ticks):
    line.lever(t, ROTATE, slew)
    line.lever(t + ticks, ROTATE, 0)
    line.lever(t + ticks + 10, GRAPPLE, 1)
    line.lever(t + ticks + 50, GRAPPLE, 0)
    return t + ticks + 70


def pull_first_pin(line, pin=PIN_SOUTH, side=1):
    """Up to the gate wall, the arm raised over it; a pin pulled and dropped
    inside (side 1 slews toward the south pin, -1 toward the north one)."""
    line.message(0, "accelcontrol setting=0.5")
    line.message(140, "accelcontrol setting=0")
    for t, nr, s in ((150, ELEVATE, 1), (210, ELEVATE, 0), (220, ROTATE, side), (247, ROTATE, 0),
                     (250, EXTEND, 1), (288, EXTEND, 0), (430, GRAPPLE, 1), (485, GRAPPLE, 0)):
        line.lever(t, nr, s)
    t = approach(line, 510, pin, GRIP_Z, 16)
    t = grip_and_lift(line, t, 150)
    return swing_and_drop(line, t, side, 63)


def fold_over_the_nose(line, t, slew):
    line.lever(t, ROTATE, slew)
    line.lever(t + 84, ROTATE, 0)
    line.lever(t, ELEVATE, -1)
    line.lever(t + 60, ELEVATE, 0)


def drive(sim):
    line = Timeline(sim)
    t = pull_first_pin(line)
    # Arm back down over the north pin, claw closed and opened half way.
    line.lever(t, ELEVATE, -1)
    line.lever(t + 85, ELEVATE, 0)
    line.lever(t, ROTATE, -1)
    line.lever(t + 105, ROTATE, 0)
    t += 115
    for dt, s in ((0, -1), (60, 0), (70, 1), (125, 0)):
        line.lever(t + dt, GRAPPLE, s)
    t = approach(line, t + 70, PIN_NORTH, GRIP_Z, 18)
    t = grip_and_lift(line, t, 150)
    t = swing_and_drop(line, t, -1, 60)
    line.lever(t, GRAPPLE, 1)
    line.lever(t + 60, GRAPPLE, 0)
    t += 80
    # Fold the arm over the nose and push the door out.
    fold_over_the_nose(line, t, 1)
    line.message(t + 100, "accelcontrol setting=1.00")
    line.run_to(t + 101)
    for _ in range(30):  # until the truck is through the gate
        if sim.step(10):
            break


def lazy(sim, pin, side, moves):
    """One pin pulled, the arm folded, then (ticks, throttle, steer) moves."""
    line = Timeline(sim)
    t = pull_first_pin(line, pin, side)
    line.lever(t, GRAPPLE, 1)
    line.lever(t + 60, GRAPPLE, 0)
    t += 80
    fold_over_the_nose(line, t, -side)
    t += 100
    for ticks, accel, steer in moves:
        line.message(t, "accelcontrol setting=%.2f" % accel)
        line.message(t, "steer setting=%.2f" % steer)
        t += ticks
    line.run_to(t)


def drive_one_pin(sim):
    """The south pin pulled, then the door rammed again and again."""
    rams = ((1, 0), (-1, 0), (1, 0), (-1, 0), (1, 0.3), (1, -0.3))
    lazy(sim, PIN_SOUTH, 1, [(300, accel, steer) for accel, steer in rams])


def drive_north_pin(sim):
    """The north pin pulled, then the door pushed and held at full throttle."""
    lazy(sim, PIN_NORTH, -1, [(1500, 1, 0)])


if __name__ == "__main__":
    for flag, lazy_way in (("--one-pin", drive_one_pin), ("--north-pin", drive_north_pin)):
        if flag in sys.argv:
            sys.argv.remove(flag)
            drive = lazy_way
    sys.exit(driver_main.main(LEVEL, drive))
