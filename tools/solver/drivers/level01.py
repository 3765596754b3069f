"""Level 1, the court: lift the ball off its stand and drop it through the
hoop. The truck pulls up beside the stand, lowers the opened prongs round
the ball in settled steps and closes them under its middle, lifts it clear,
drives up to the hoop with the ball held high, brings it to hang over the
rim and lets go.

usage: python3 tools/solver/drivers/level01.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402
from level03 import reach_margin  # noqa: E402

LEVEL = 1
DEBUG = os.environ.get("LEVEL01_DEBUG")
BALL = "soccerball"
# The stand on the truck's left, its foot well clear of the truck's side:
# over the ball, 0.49 m of reach to spare (reach_margin, from the stance as
# reached, about (-1.8, -0.53)).
PICK_STANCE = (-1.7, -0.45)
HOOP_X, HOOP_Y, RIM_Z = 2.35, 0.0, 1.48
# West of the hoop and a little south, clear of its pole and backboard:
# with the hub over the hoop at DROP_HUB, 0.22 m of reach to spare from the
# stance as reached, about (1.21, -0.30).
HOOP_STANCE = (1.35, -0.3)
# The prongs opened wide pass round the ball; with the hub this far above
# its centre they close on it below its middle, and lifted with the lever
# still closing the fingers come in under it.
BALL_OPEN_TICKS = 90
BALL_HUB_ABOVE = 0.13
BALL_CLOSE_TICKS = 120
LIFT_STEPS = (0.05, 0.1, 0.2, 0.3)
BALL_HELD_WITHIN = 0.35
# Down onto the ball in steps on gentle levers, settling after each.
BALL_APPROACH = 0.5
LOWER_STEPS = (0.4, 0.3)
LOWER_LEVER = 0.4
FINAL_LEVER = 0.25
CENTRED = 0.015
CENTRE_TRIES = 3
BALL_MOVED = 0.03
PICK_TRIES = 3
# Carried high enough that the ball hanging under the hub clears the rim.
CARRY_HUB = 2.0
DROP_HUB = 1.85
DROP_WITHIN = 0.035  # the ball hanging this near the hoop's axis drops through
DROP_TRIES = 4


def log(sim, *words):
    if DEBUG:
        print(sim.tick, *words, [round(v, 3) for v in ball(sim)], file=sys.stderr)


def ball(sim):
    return sim.pose(BALL).pos


def holding(sim):
    return math.dist(ball(sim), sim.pose("grapple").pos) < BALL_HELD_WITHIN


def travel(sim, xy, z):
    """Up from where the hub is, across at height z to over xy."""
    return (P.raise_hub_to(sim, z) and P.hub_settle(sim)
            and P.crane_joints_to(sim, (xy[0], xy[1], z)))


def pick(sim):
    """Over the ball with the prongs wide open, down round it and closed,
    and lifted on the closing lever until the fingers are under it; tried
    again from above when it stayed behind."""
    for _ in range(PICK_TRIES):
        c = ball(sim)
        if not (P.work_grapple(sim, 1.0, BALL_OPEN_TICKS) and travel(sim, c, c[2] + BALL_APPROACH)):
            return False
        P.hub_over(sim, (c[0], c[1], c[2] + BALL_APPROACH))
        for above in LOWER_STEPS:
            P.hub_over(sim, (c[0], c[1], c[2] + above), LOWER_LEVER)
        for _ in range(CENTRE_TRIES):
            b, hub = ball(sim), P.hub_rest_point(sim, 30)
            if math.hypot(hub[0] - b[0], hub[1] - b[1]) < CENTRED:
                break
            P.hub_over(sim, (b[0], b[1], c[2] + LOWER_STEPS[-1]), LOWER_LEVER, within=CENTRED)
        if sim.ended:
            return False
        b = ball(sim)
        log(sim, "margin", reach_margin(sim, (b[0], b[1], b[2] + BALL_HUB_ABOVE)))
        P.hub_over(sim, (b[0], b[1], c[2] + BALL_HUB_ABOVE), FINAL_LEVER, tries=1)
        moved = math.hypot(ball(sim)[0] - b[0], ball(sim)[1] - b[1])
        log(sim, "lowered", sim.pose("grapple").pos, "moved", moved)
        if moved < BALL_MOVED:
            if not P.close_and_lift(sim, c[0], c[1], c[2] + BALL_HUB_ABOVE, BALL_CLOSE_TICKS, LIFT_STEPS,
                                    LOWER_LEVER):
                return False
            log(sim, "lifted", sim.grasped())
            if holding(sim) and ball(sim)[2] > c[2] + LIFT_STEPS[-1] - 0.1:
                return P.raise_hub_to(sim, CARRY_HUB)
        if sim.ended:
            return False
        P.work_grapple(sim, 1.0, BALL_OPEN_TICKS)
    return False


def stow(sim):
    """The held ball swung in over the truck's front, high."""
    t = sim.pose("truck")
    ahead = (t.pos[0] + 1.1 * t.x_axis[0], t.pos[1] + 1.1 * t.x_axis[1], CARRY_HUB)
    return P.crane_joints_to(sim, ahead, 0.6) and P.hub_settle(sim)


def drop(sim):
    """Brings the held ball to hang over the hoop's axis and lets go."""
    if not (P.crane_joints_to(sim, (HOOP_X, HOOP_Y, CARRY_HUB), 0.6) and P.hub_settle(sim)):
        return False
    log(sim, "drop margin", reach_margin(sim, (HOOP_X, HOOP_Y, DROP_HUB)), sim.pose("truck").pos)
    aim = [HOOP_X, HOOP_Y, DROP_HUB]
    for _ in range(DROP_TRIES):
        if not (P.crane_joints_to(sim, aim, 0.6) and P.hub_settle(sim)):
            return False
        P.hub_rest_point(sim, 30)
        held = ball(sim)
        log(sim, "over the hoop", held, holding(sim))
        if not holding(sim) or math.hypot(held[0] - HOOP_X, held[1] - HOOP_Y) < DROP_WITHIN:
            break
        aim = [aim[0] + HOOP_X - held[0], aim[1] + HOOP_Y - held[1], DROP_HUB]
    if not holding(sim):
        return False
    return P.work_grapple(sim, 1.0, 40)


def drive(sim):
    if not P.drive_to(sim, "truck", PICK_STANCE, tolerance=0.15, throttle=0.4):
        return
    log(sim, "pick stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if not pick(sim):
        log(sim, "no ball")
        return
    if not stow(sim):
        return
    if not P.drive_to(sim, "truck", HOOP_STANCE, tolerance=0.15, throttle=0.3):
        return
    log(sim, "hoop stance", sim.pose("truck").pos, sim.pose("truck").heading)
    if drop(sim):
        sim.step(180)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
