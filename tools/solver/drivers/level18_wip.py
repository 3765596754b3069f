"""Level 18, the daredevil (unfinished): carries the first ramp top from its
row onto the first step's mark with the fork lift, then backs into the
shed. The bases and the two upper steps are not carried yet.

usage: python3 tools/solver/drivers/level18_wip.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import driver_main  # noqa: E402
import level17 as F  # noqa: E402  the fork lift's line-following kit
import primitives as P  # noqa: E402

LEVEL = 18
NORTH = math.pi / 2
TOPS_X0, TOPS_Y = -14.0, -4.6
STEP_X = (-3.15, -1.9, -0.65)
PART_HALF = 0.425  # a ramp part's depth across the run-up, halved
UNDER_TOP, CARRY_TOP = 0.05, 0.33  # tine heights: under a top's plate, carrying it


def pick_top(sim, k):
    x = TOPS_X0 + 1.5 * k
    here = sim.pose("forkLift").pos
    P.follow_path(sim, "forkLift", [(here[0], here[1]), (x - 4, -11.0), (x, -11.0), (x, -10.0)],
                  lookahead=1.0, throttle=0.4)
    F.forks_to(sim, UNDER_TOP)
    face = TOPS_Y - PART_HALF
    F.run_line(sim, x, NORTH, lambda s: F.carriage(s).pos[1] > face - 1.0)
    F.run_line(sim, x, NORTH, lambda s: F.carriage(s).pos[1] > face - 0.03, throttle=0.15)
    F.stop(sim)
    F.forks_to(sim, CARRY_TOP)
    F.reverse_straight(sim, NORTH, lambda s: F.carriage(s).pos[1] < face - 4.5)
    F.stop(sim)


def set_top(sim, step):
    x = STEP_X[step]
    here = sim.pose("forkLift").pos
    P.follow_path(sim, "forkLift", [(here[0], here[1]), (here[0] + 3, here[1]), (x - 4, -6.5), (x, -6.5), (x, -5.5)],
                  lookahead=1.0, throttle=0.4)
    F.run_line(sim, x, NORTH, lambda s: s.pose("ramptop", 0).pos[1] > -0.12, throttle=0.15)
    F.stop(sim)
    F.forks_to(sim, UNDER_TOP)
    sim.step(30)
    F.reverse_straight(sim, NORTH, lambda s: F.carriage(s).pos[1] < -2.0)
    F.stop(sim)


def into_shed(sim):
    here = sim.pose("forkLift").pos
    P.follow_path(sim, "forkLift", [(here[0], here[1]), (-6.5, -2.0), (-6.5, 3.8), (-12, 3.8), (-22, 3.8)],
                  lookahead=1.0, throttle=0.5)
    F.reverse_straight(sim, 0.0, lambda s: s.pose("forkLift").pos[0] < -35.0)
    F.stop(sim)
    sim.step(900)


def drive(sim):
    pick_top(sim, 0)
    set_top(sim, 0)
    into_shed(sim)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
