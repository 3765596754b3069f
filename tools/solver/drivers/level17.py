"""Level 17, the chemical store: the eight canisters stand mixed on their
pallets along dock B (south); the four bases go across to the seats
opposite them on dock A (north). For each base the fork lift lines up on
its seat with the forks low, runs them along the notches under the pallet
until the carriage meets the dock's face, lifts, backs out, swings round
in the aisle (a reversing quarter turn, then a forward one onto the other
seat's line), drives in until the pallet is over its seat and lowers it
onto the deck. Between bases it swings round empty the same way.

usage: python3 tools/solver/drivers/level17.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 17
# The store as built (world/levels/level17_chemistry.h).
SEAT_X0, SEAT_PITCH = -3.2, 1.2
DECK_Y0 = 4.0  # the docks' faces at |y|
SEAT_Y = DECK_Y0 + 0.33  # a seated pallet's middle
FLOOR_Z, SEAT_Z = 0.84, 1.0
BASE_SEATS = (1, 2, 4, 7)  # where the bases stand on dock B

NORTH, SOUTH = math.pi / 2, -math.pi / 2
FRONT_AXLE = 0.65  # ahead of the fork lift's body centre
TINE_BELOW_CARRIAGE = 0.26
TINE_TIPS = 0.55  # ahead of the carriage
BACK_PLATE = 0.02  # its face ahead of the carriage
# Forks' heights (the tines' middle): low runs them along the notches
# under a seated pallet, anywhere from the floor to the deck; carrying
# holds the pallet's underside 6 cm over the deck.
LOW = FLOOR_Z + 0.08
CARRY = SEAT_Z + 0.0125 + 0.06
# The tines fit the notches within 5 cm either side; aim well inside.
LINE_UP = 0.03
CREEP = 0.12  # throttle in the last stretch to the face
ROLL_ON = 0.09  # how far the fork lift rolls on from CREEP once let go
CRUISE = 0.25


def seat_x(k):
    return SEAT_X0 + SEAT_PITCH * k


def carriage(sim):
    return sim.pose("carriage")


def tine_z(sim):
    return carriage(sim).pos[2] - TINE_BELOW_CARRIAGE


def forks_to(sim, z, tolerance=0.02, max_ticks=900):
    """The tines' middle to within tolerance of height z. The lift answers
    its lever late, so each run stops a centimetre short, lets go and looks
    where the forks came to rest."""
    elevate = P.FORKLIFT_LEVERS["elevate"]
    ticks = 0
    while ticks < max_ticks:
        error = z - tine_z(sim)
        if abs(error) < tolerance:
            return True
        setting = math.copysign(1.0 if abs(error) > 0.05 else 0.4, error)
        while ticks < max_ticks and (z - tine_z(sim)) * math.copysign(1, error) > 0.01:
            P.lever(sim, elevate, setting)  # again each time: a lever set before
            if sim.step(2):  # the fork lift is switched on goes unheard
                return False
            ticks += 2
        sim.post("leverUp leverNr=%d" % elevate)
        if sim.step(20):
            return False
        ticks += 20
    return False


def pedals(sim, throttle, steer):
    sim.post("accelcontrol setting=%f" % throttle)
    sim.post("steer setting=%f" % P.clamp(steer))


def stop(sim):
    return P.come_to_rest(sim, "forkLift")


def front_axle(p):
    return (p.pos[0] + FRONT_AXLE * p.x_axis[0], p.pos[1] + FRONT_AXLE * p.x_axis[1])


def steer_onto_line(p, x_line, heading, lookahead):
    """Steering for a pursuit of the point lookahead along the line x =
    x_line (run in the direction heading) from the front axle, the fork
    lift's fixed axle."""
    fx, fy = front_axle(p)
    aim = (x_line, fy + lookahead * math.sin(heading))
    error = P.wrap(math.atan2(aim[1] - fy, aim[0] - fx) - p.heading)
    return -2.5 * error


def run_line(sim, x_line, heading, until, throttle=CRUISE, lookahead=0.8, max_ticks=2000,
             every=2):
    """Forward along the line until until(sim) holds; False when the level
    ended or it never came."""
    for _ in range(0, max_ticks, every):
        if until(sim):
            return True
        p = sim.pose("forkLift")
        pedals(sim, throttle, steer_onto_line(p, x_line, heading, lookahead))
        if sim.step(every):
            return False
    return False


def reverse_until(sim, until, steer=0.0, throttle=-CRUISE, max_ticks=1500, every=2):
    for _ in range(0, max_ticks, every):
        if until(sim):
            return True
        pedals(sim, throttle, steer)
        if sim.step(every):
            return False
    return False


def reverse_straight(sim, heading, until):
    """Backs out keeping the heading (reversing, a right setting turns the
    nose left)."""
    for _ in range(750):
        if until(sim):
            return True
        error = P.wrap(heading - sim.pose("forkLift").heading)
        pedals(sim, -CRUISE, 2.0 * error)
        if sim.step(2):
            return False
    return False


def swing_round(sim, x_target):
    """From backing out of one dock to heading across the aisle toward
    x_target: a reversing quarter turn that ends facing east or west."""
    p = sim.pose("forkLift")
    east = x_target >= p.pos[0] - 0.3
    facing = 0.0 if east else math.pi
    # Reversing, the nose follows the steering's opposite.
    turn_left = P.wrap(facing - p.heading) > 0
    steer = 1.0 if turn_left else -1.0
    ok = reverse_until(sim, lambda s: abs(P.wrap(facing - s.pose("forkLift").heading)) < 0.15,
                       steer=steer)
    return ok and stop(sim)


def lateral_error(sim, x_line):
    return carriage(sim).pos[0] - x_line


def line_up(sim, x_line, heading, face_y):
    """Drives onto the seat's line until the tine tips stand 0.3 m short of
    the face, squared to it; backs off and tries again while the forks are
    off the line by more than LINE_UP."""
    sign = math.copysign(1, math.sin(heading))

    def short_of_face(s):
        return sign * (face_y - carriage(s).pos[1]) < TINE_TIPS + 0.3

    for _ in range(4):
        if not run_line(sim, x_line, heading, short_of_face):
            return False
        p = sim.pose("forkLift")
        if abs(lateral_error(sim, x_line)) < LINE_UP and abs(P.wrap(p.heading - heading)) < 0.05:
            return True
        stop(sim)
        back_to = carriage(sim).pos[1] - sign * 1.2
        if not reverse_straight(sim, heading, lambda s: sign * (carriage(s).pos[1] - back_to) < 0):
            return False
        stop(sim)
    return False


def creep(sim, x_line, heading, until):
    return run_line(sim, x_line, heading, until, throttle=CREEP, lookahead=0.6)


def dock_heading(side):
    return NORTH if side > 0 else SOUTH


def pick_up(sim, k, side):
    """The pallet on seat k of the dock on side (+1 north, -1 south) onto
    the forks."""
    x, heading, face = seat_x(k), dock_heading(side), side * DECK_Y0
    if not (forks_to(sim, LOW) and line_up(sim, x, heading, face)):
        return False
    at_face = DECK_Y0 - BACK_PLATE - 0.01
    stalled = [0]

    def in_far(s):
        c = carriage(s)
        stalled[0] = stalled[0] + 1 if c.speed < 0.01 else 0
        return side * c.pos[1] >= at_face or stalled[0] > 20

    if not (creep(sim, x, heading, in_far) and stop(sim) and forks_to(sim, CARRY)):
        return False
    return back_out(sim, side)


def back_out(sim, side):
    """Straight back until the tine tips are well clear of the face."""
    heading = dock_heading(side)
    out = DECK_Y0 - 1.2  # the tips 0.65 short of it
    return reverse_straight(sim, heading, lambda s: side * carriage(s).pos[1] < out) and stop(sim)


def set_down(sim, k, side, index):
    """The pallet on the forks (pallet number index) onto seat k of the
    dock on side."""
    x, heading = seat_x(k), dock_heading(side)
    if not line_up(sim, x, heading, side * DECK_Y0):
        return False
    # In until the pallet is over its seat, the carriage kept off the deck:
    # let down there, the back plate would sit on it. The fork lift rolls a
    # few centimetres once the pedal is let go.
    short_of_face = DECK_Y0 - BACK_PLATE - ROLL_ON

    def over_seat(s):
        return (side * s.pose("paller", index).pos[1] >= SEAT_Y
                or side * carriage(s).pos[1] >= short_of_face)

    if not (creep(sim, x, heading, over_seat) and stop(sim)):
        return False
    clear = DECK_Y0 - BACK_PLATE - 0.03
    if side * carriage(sim).pos[1] > clear:
        if not (reverse_until(sim, lambda s: side * carriage(s).pos[1] < clear, throttle=-CREEP)
                and stop(sim)):
            return False
    if not forks_to(sim, LOW):
        return False
    sim.step(30)
    return back_out(sim, side)


def drive(sim):
    for n, k in enumerate(BASE_SEATS):
        if n > 0 and not swing_round(sim, seat_x(k)):
            return
        if not (pick_up(sim, k, -1) and swing_round(sim, seat_x(k)) and set_down(sim, k, 1, k)):
            return
    sim.step(60)  # the goal is read once the last pallet rests


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
