#!/usr/bin/env python3
"""Drives the lockdown job with player input and prints the recorded script.

Usage: lockdown_driver.py SIM [DELAY] [--one-pin]
SIM is the built quorvel-sim; DELAY (ticks, default 0) holds every input back,
for the replays that check a win does not hang on one lucky tick. --one-pin
plays the lazy way instead (one pin pulled, the door rammed), which must not win.

The driver is closed-loop at a coarse grain: the simulation is deterministic,
so to decide the input at tick t it replays the script so far up to t, reads
the grapple's traced position and chooses slew, extension and bend from it.
"""
import os
import math
import subprocess
import sys

ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
SIM = ARGS[0] if ARGS else "build/bin/quorvel-sim"
DELAY = int(ARGS[1]) if len(ARGS) > 1 else 0
LEVEL = 2
# One file per process: delayed runs side by side must not replay each other's script.
SCRIPT = "/tmp/lockdown_driver_script.%d.txt" % os.getpid()
CRANE_BASE = (-0.86, 0.0)  # the slew axis with the truck against the gate wall
PIN_SOUTH, PIN_NORTH = (0.45, -0.70), (0.45, 0.70)
GRIP_Z = 0.5  # grapple height that puts the fingers under a pin's handle


def lever(t, nr, s):
    return "%d leverSet leverNr=%d setting=%.2f" % (t, nr, s)


def simulate(lines, ticks):
    shifted = ["%d %s" % (int(l.split(" ", 1)[0]) + DELAY, l.split(" ", 1)[1]) for l in lines]
    with open(SCRIPT, "w") as f:
        f.write("\n".join(sorted(shifted, key=lambda l: int(l.split()[0]))) + "\n")
    args = [SIM, "--level", str(LEVEL), "--ticks", str(ticks + DELAY), "--script", SCRIPT,
            "--trace", "crane", "--trace-every", str(ticks + DELAY - 1)]
    out = subprocess.run(args, capture_output=True, text=True)
    return out.stdout + out.stderr


def grapple_at(lines, t):
    past = [l for l in lines if int(l.split()[0]) < t]
    for line in reversed(simulate(past, t + 1).splitlines()):
        f = line.split()
        if line.startswith("trace") and f[2] == "crane":
            return tuple(map(float, f[12:15]))
    raise RuntimeError("no crane trace")


def clamp(v):
    return max(-1.0, min(1.0, v))


def approach(lines, t, target, z, steps):
    """Every 10 ticks: slew and extension toward the target, bend down to z."""
    tx, ty = target
    bx, by = CRANE_BASE
    for _ in range(steps):
        gx, gy, gz = grapple_at(lines, t)
        heading = math.atan2(-(gy - by), gx - bx)
        wanted = math.atan2(-(ty - by), tx - bx)
        reach = math.hypot(gx - bx, gy - by)
        needed = math.hypot(tx - bx, ty - by)
        lines += [lever(t, 0, clamp(3 * (wanted - heading))), lever(t, 3, clamp(4 * (needed - reach))),
                  lever(t, 2, -0.5 * clamp(4 * (gz - z)))]
        t += 10
    return t


def grip_and_lift(lines, t, lift_ticks):
    lines += [lever(t, 0, 0), lever(t, 3, 0), lever(t, 2, 0), lever(t, 4, -1), lever(t + 60, 4, 0),
              lever(t + 70, 1, 1), lever(t + 70 + lift_ticks, 1, 0)]
    return t + 80 + lift_ticks


def swing_and_drop(lines, t, slew, ticks):
    lines += [lever(t, 0, slew), lever(t + ticks, 0, 0), lever(t + ticks + 10, 4, 1),
              lever(t + ticks + 50, 4, 0)]
    return t + ticks + 70


def pull_south_pin():
    """Up to the gate wall, the arm raised over it; the south pin pulled and dropped inside."""
    lines = ["0 accelcontrol setting=0.5", "140 accelcontrol setting=0", lever(150, 1, 1),
             lever(210, 1, 0), lever(220, 0, 1), lever(247, 0, 0), lever(250, 3, 1), lever(288, 3, 0),
             lever(430, 4, 1), lever(485, 4, 0)]
    t = approach(lines, 510, PIN_SOUTH, GRIP_Z, 16)
    t = grip_and_lift(lines, t, 150)
    return lines, swing_and_drop(lines, t, 1, 63)


def drive():
    lines, t = pull_south_pin()
    # Arm back down over the north pin, claw closed and opened half way.
    lines += [lever(t, 1, -1), lever(t + 85, 1, 0), lever(t, 0, -1), lever(t + 105, 0, 0)]
    t += 115
    lines += [lever(t, 4, -1), lever(t + 60, 4, 0), lever(t + 70, 4, 1), lever(t + 125, 4, 0)]
    t = approach(lines, t + 70, PIN_NORTH, GRIP_Z, 18)
    t = grip_and_lift(lines, t, 150)
    t = swing_and_drop(lines, t, -1, 60)
    lines += [lever(t, 4, 1), lever(t + 60, 4, 0)]
    t += 80
    # Fold the arm over the nose and push the door out.
    lines += [lever(t, 0, 1), lever(t + 84, 0, 0), lever(t, 1, -1), lever(t + 60, 1, 0)]
    lines.append("%d accelcontrol setting=1.00" % (t + 100))
    return sorted(lines, key=lambda l: int(l.split()[0])), t + 100


def drive_one_pin():
    """The lazy way: one pin pulled, then the door rammed again and again."""
    lines, t = pull_south_pin()
    lines += [lever(t, 4, 1), lever(t + 60, 4, 0)]
    t += 80
    lines += [lever(t, 0, -1), lever(t + 84, 0, 0), lever(t, 1, -1), lever(t + 60, 1, 0)]
    t += 100
    for i, (accel, steer) in enumerate(((1, 0), (-1, 0), (1, 0), (-1, 0), (1, 0.3), (1, -0.3))):
        lines += ["%d accelcontrol setting=%.2f" % (t + 300 * i, accel),
                  "%d steer setting=%.2f" % (t + 300 * i, steer)]
    return sorted(lines, key=lambda l: int(l.split()[0])), t + 1800


if __name__ == "__main__":
    script, last = drive_one_pin() if "--one-pin" in sys.argv else drive()
    print("# ticks %d" % (last + 300))
    print("\n".join(script))
