"""Level 19, the hockey riot: bring both police cars back into the station's
yard with the fork lift. A police car rolls only along its length, so each
one is pushed end on along its own line. The east car's line already runs
through the gate: the fork lift lines up behind its nose and pushes it
backwards deep into the yard. The west car points past the yard: the fork
lift slips its tines under the car's tail, lifts it off its rear wheels and
drives on turning right, which swings the car round on its front wheels
until it points north; set down, it is pushed straight in from its tail.

usage: python3 tools/solver/drivers/level19.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 19
WEST_CAR, EAST_CAR = 0, 1
CAR_HALF_LENGTH = 1.2
FRONT_AXLE_AHEAD = 0.65  # the fork lift's fixed front axle, ahead of its body's centre
LIFT_LEVER = P.FORKLIFT_LEVERS["elevate"]

# Fork heights (the lift slider's reading): tines under a car's tail between
# its wheels, tines against a car's end for a push, and a tail lifted off
# its wheels.
FORKS_UNDER = -0.42
FORKS_PUSH = -0.2
FORKS_LIFTING = -0.15

# How squarely the fork lift must stand behind a car's end: the tines pass
# between the wheels only within a hand's width of the middle, a push keeps
# correcting as it goes.
TINES_WITHIN = 0.05
PUSH_WITHIN = 0.15
# Run-up behind a car's end before the last creep: the east car's is short,
# the arena stands behind it.
EAST_RUN_UP = 4.0
WEST_RUN_UP = 6.0
SWUNG = 1.5  # the west car's heading once turned: its line runs up the yard
SWING_STEER = 0.5
EAST_CAR_IN = 12.0  # y where the east car is let roll on (it coasts a metre and a half)
WEST_CAR_IN = 10.0


def car(sim, index):
    """Where the car stands and which way its nose points."""
    p = sim.pose("policeCar", index)
    return p.pos, p.heading


def pushed_end(sim, index, backwards):
    """The end of the car the fork lift pushes and the way the car will roll."""
    pos, heading = car(sim, index)
    way = heading + math.pi if backwards else heading
    return (pos[0] - CAR_HALF_LENGTH * math.cos(way), pos[1] - CAR_HALF_LENGTH * math.sin(way)), way


def off_line(sim, end, way):
    """How far the fork lift's front axle is along the car's line (negative
    short of its end), how far left of it, and its heading error."""
    f = sim.pose("forkLift")
    ax = f.pos[0] + FRONT_AXLE_AHEAD * math.cos(f.heading) - end[0]
    ay = f.pos[1] + FRONT_AXLE_AHEAD * math.sin(f.heading) - end[1]
    c, s = math.cos(way), math.sin(way)
    return ax * c + ay * s, -ax * s + ay * c, P.wrap(f.heading - way)


def steer_along(sim, way, left, speed):
    """One correction back onto a line: heading for it the more, the farther off."""
    heading = sim.pose("forkLift").heading
    aim = way - math.atan(left)
    sim.post("steer setting=%f" % P.clamp(-2.0 * P.wrap(aim - heading)))
    sim.post("accelcontrol setting=%f" % speed)


def come_round(sim, index, backwards, run_up):
    """Drives round to the car's line, run_up metres short of its pushed end."""
    end, way = pushed_end(sim, index, backwards)
    c, s = math.cos(way), math.sin(way)
    here = sim.pose("forkLift").pos
    far = (end[0] - (run_up + 3) * c, end[1] - (run_up + 3) * s)
    near = (end[0] - run_up * c, end[1] - run_up * s)
    return P.follow_path(sim, "forkLift", [(here[0], here[1]), far, near], lookahead=1.0, throttle=0.4)


def creep_up(sim, index, backwards, stop_short, speed=0.2, max_ticks=3000):
    """Follows the car's line toward its end until the front axle is
    stop_short from it; returns how far left of the line it stopped and its
    heading error (None when the level ended)."""
    end, way = pushed_end(sim, index, backwards)
    for _ in range(0, max_ticks, 2):
        along, left, _ = off_line(sim, end, way)
        if along > -stop_short:
            break
        steer_along(sim, way, left, speed if along < -stop_short - 1 else 0.6 * speed)
        if sim.step(2):
            return None
    P.come_to_rest(sim, "forkLift")
    return off_line(sim, end, way)[1:]


def line_up(sim, index, backwards, run_up, within, tries=4):
    """On the car's line and square to its end, 0.9 m out, within metres of
    it and square to it within four times that in radians; backs off and comes
    again when not."""
    come_round(sim, index, backwards, run_up)
    for _ in range(tries):
        off = creep_up(sim, index, backwards, 0.9)
        if off is None:
            return False
        if abs(off[0]) < within and abs(off[1]) < 4 * within:
            return True
        back_off(sim, 2.5)
    return True


def back_off(sim, distance, speed=0.25, max_ticks=1200):
    """Reverses straight back distance metres: with the tines resting free
    under a car or against its end they let go of it."""
    start = sim.pose("forkLift").pos
    for _ in range(0, max_ticks, 3):
        if math.dist(sim.pose("forkLift").pos[:2], start[:2]) > distance:
            break
        sim.post("steer setting=0")
        sim.post("accelcontrol setting=%f" % -speed)
        if sim.step(3):
            return False
    return P.come_to_rest(sim, "forkLift")


def forks_to(sim, height, max_ticks=600):
    """The lift to height, loaded or not, then the lever let go."""
    for _ in range(0, max_ticks, 2):
        error = height - sim.joint("forkLift", "lift")
        if abs(error) < 0.004:
            break
        P.lever(sim, LIFT_LEVER, P.clamp(8 * error) if abs(error) > 0.02 else math.copysign(0.2, error))
        if sim.step(2):
            return False
    sim.post("leverUp leverNr=%d" % LIFT_LEVER)
    return not sim.step(30)


def push_in(sim, index, backwards, until_y, speed=0.3, max_ticks=6000):
    """Pushes the car along its own line, keeping the forks on the middle of
    its end, until its centre is north of until_y."""
    for _ in range(0, max_ticks, 3):
        pos, _ = car(sim, index)
        if pos[1] > until_y:
            break
        end, way = pushed_end(sim, index, backwards)
        steer_along(sim, way, off_line(sim, end, way)[1], speed)
        if sim.step(3):
            return True
    return P.come_to_rest(sim, "forkLift")


def swing_round(sim, index, heading, steer=SWING_STEER, speed=0.2, max_ticks=2000):
    """With the car's tail up on the tines, drives on with the wheel turned:
    the car pivots on its front wheels until it points along heading."""
    turn = math.copysign(1, P.wrap(heading - car(sim, index)[1]))
    for _ in range(0, max_ticks, 2):
        if turn * P.wrap(heading - car(sim, index)[1]) <= 0:
            break
        sim.post("steer setting=%f" % steer)
        sim.post("accelcontrol setting=%f" % speed)
        if sim.step(2):
            return False
    return P.come_to_rest(sim, "forkLift")


def east_car(sim):
    forks_to(sim, FORKS_PUSH)
    line_up(sim, EAST_CAR, True, EAST_RUN_UP, PUSH_WITHIN)
    push_in(sim, EAST_CAR, True, EAST_CAR_IN)
    back_off(sim, 2.0)


def west_car(sim):
    forks_to(sim, FORKS_UNDER)
    line_up(sim, WEST_CAR, False, WEST_RUN_UP, TINES_WITHIN)
    creep_up(sim, WEST_CAR, False, 0.2, speed=0.15)
    forks_to(sim, FORKS_LIFTING)
    swing_round(sim, WEST_CAR, SWUNG)
    forks_to(sim, FORKS_UNDER)
    back_off(sim, 2.5)  # clear of the car's side before coming round behind it
    forks_to(sim, FORKS_PUSH)
    line_up(sim, WEST_CAR, False, WEST_RUN_UP, PUSH_WITHIN)
    push_in(sim, WEST_CAR, False, WEST_CAR_IN)
    if not sim.ended:
        back_off(sim, 2.0)


def drive(sim):
    east_car(sim)
    if not sim.ended:
        west_car(sim)
    if not sim.ended:
        sim.step(120)


if __name__ == "__main__":
    sys.exit(driver_main.main(LEVEL, drive))
