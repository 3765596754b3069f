"""Level 22, the super pac: hang the seven letter boards on
the viaduct's ledge, each between its two pegs. The truck climbs the ramp
onto the terrace and drives north along its painted line beside the
viaduct. Each board waits due west of its place, facing west; the truck
stops with its centre (the slew axis) level with the place, lowers the
just-open grapple over the board's top bar and closes it right through,
so that the fingers hook under the bar, lifts it once to where its feet
clear the truck and the ledge, swings it round through the north so it
faces east (the grapple turns with the slew), and places the board
itself, hung off the hub, over its place and down between the pegs. The
boards go up from the south end, so the swing never passes over one
already hung.

Letting go: one finger stays caught under the bar, and the fingers' pads
grip whatever they press on. So the free claw is opened gently, the hub
eased up until the board stirs (the finger has met the bar), let down a
few millimetres so that finger floats between the bar and the panel's
top, and drawn slowly back toward the truck at that height until the
finger is out; a board the finger still takes along is set back and the
finger floated at another height. Between boards the crane goes back
round through the north, high, clear of the boards already hung. The
open grapple comes down round a bar on the crane's joints from a still
hub, so its prongs do not shove the board; a claw that closes on the bar
instead of under it lets the board down, opens slowly and tries again.
Each board comes down a little north of its place, clear of its hung
neighbour, and the pegs move it over.

usage: python3 tools/solver/drivers/level22.py [--delay D] [--record FILE]"""

import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import driver_main  # noqa: E402
import primitives as P  # noqa: E402

LEVEL = 22
DEBUG = os.environ.get("LEVEL22_VERBOSE")  # each stage of a hang reported on stderr
LETTERS = "QUORVEL"  # west to east along the ledge reads from y = 1.5 down
TRUCK_LINE_X = 0.8
HUNG_X, HUNG_Z = 1.8, 4.75
# The slot along the places that holds a seated board's feet.
RAIL_HEIGHT = 0.08
# South round the terrace's end, a wide turn onto the ramp's foot, up it and
# onto the painted line.
ROUTE_UP = [(-10, 0), (-9, -22), (-7, -29), (-3.5, -30.5), (-0.8, -28.5), (-0.3, -24),
            (0.5, -12), (0.8, -8.0), (0.8, -5.0)]
# The grapple comes down just open over a board's top bar, its hub this far
# above the board's centre, and closes right through, so that the fingers
# hook under the bar; hanging on them, the board's centre is HOLD below the
# hub.
OPEN = 0.3
GRIP = 0.57
CLOSE_TICKS = 60
DESCENT_SPEED = 0.5  # lever limit letting the open grapple down round a bar
# Brought down on the joints the hub hangs this much higher than chased down
# by its own position; aimed this far lower the fingers reach under the bar.
HUB_HANG_LOW = 0.025
# A finger that lands on the bar instead of beside it: the hub backs up,
# squared over the board on the carry's finer aim, and goes down again.
HOOK_TRIES = 3
HOOKED = -0.4  # both claws closed at least this far round the bar
RETRY_RISE = 0.25  # the hub straight up off a bar it closed on
RETRY_SET_DOWN = 0.03  # first let down, so the pinched board stands again
SWING_CLEAR = 0.3
HOLD = 0.49
# Where the hub carries a board round, this far out from the slew axis:
# clear of the cab and of the waiting rows.
CARRY_OUT = 0.8
CARRY_Z = 6.0
ROUND_END_OUT = 0.65
# Over the ledge the board comes in with its feet this far above it; once
# it stands, the hub goes on down by SLACK so the fingers leave the bar.
FEET_CLEAR = 0.2
SLACK = 0.04
SEAT_TRIES = 3
# Standing further than this along the ledge off its place, a board leans on
# a peg, half in the next place, and is let down again.
SEAT_Y_TOLERANCE = 0.02
REGRIP_TRIES = 3
SEAT_X_TOLERANCE = 0.04
# Letting go: the free claw is opened gently this far; the hub rises
# RISE_RATE a tick (at most RELEASE_RISE_MAX) until the board has moved
# BAR_MET, is let down by one of RELEASE_DROPS and held there RISE_TICKS,
# then drawn DRAW_OUT back toward the truck at DRAW_SPEED of the extend
# lever; a board moved DRAGGED on the way counts as taken along.
FREE_CLAW_OPEN = 0.9
RELEASE_SPEED = 0.25
RISE_RATE = 0.0003
RELEASE_RISE_MAX = 0.03
BAR_MET = 0.0015
RELEASE_DROPS = (0.006, 0.01, 0.003, 0.014, 0.0)
DRAGGED = 0.025
# A board drawn this far west off its place by the finger is not tried again.
DRAGGED_OFF = 0.1
RISE_GAIN = 80.0
RISE_TICKS = 80
DRAW_OUT = 0.16
DRAW_SPEED = 0.03
FULL_OPEN_TICKS = 150
CARRY_SPEED = 0.3  # lever settings with a board on the fingers
LOWER_SPEED = 0.3
SETTLE_TICKS = 60


def place_of(letter):
    return 1.5 - 0.5 * LETTERS.index(letter)


def stance_for(letter):
    """Where the truck's centre, about which the crane slews, stops: level
    with the place, the board waiting due west of it."""
    return TRUCK_LINE_X, place_of(letter)


def slew_axis(sim):
    """The crane slews about the truck body's centre (the kit's grapple_to
    takes the axis further ahead, which only slows its convergence here)."""
    return sim.pose("truck").pos[:2]


def round_axis(sim, bearing, out, z):
    """The world point out from the slew axis on the bearing, at height z."""
    ax, ay = slew_axis(sim)
    return ax + out * math.cos(bearing), ay + out * math.sin(bearing), z


def raise_boom(sim, ticks=120):
    P.lever(sim, P.TRUCK_LEVERS["elevate"], 1.0)
    sim.step(ticks)
    sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS["elevate"])


def onto_terrace(sim):
    raise_boom(sim)
    return P.follow_path(sim, "truck", ROUTE_UP, throttle=0.5)


def carry_levers(sim, target):
    """One correction of the crane toward a world point for the hub with a
    board hanging from it: the slew and the extension held to a third of
    their travel and the boom let down gently, or the board swings off the
    fingers."""
    ax, ay = slew_axis(sim)
    hub = sim.pose("grapple").pos
    bearing = P.wrap(math.atan2(target[1] - ay, target[0] - ax) - math.atan2(hub[1] - ay, hub[0] - ax))
    reach = math.hypot(target[0] - ax, target[1] - ay) - math.hypot(hub[0] - ax, hub[1] - ay)
    P.lever(sim, P.TRUCK_LEVERS["rotate"], P.clamp(-P.axis_setting(bearing, 3.0, 0.02, 0.2), -CARRY_SPEED, CARRY_SPEED))
    P.lever(sim, P.TRUCK_LEVERS["extend"], P.clamp(P.axis_setting(reach, 4.0, 0.02, 0.2), -CARRY_SPEED, CARRY_SPEED))
    P.lever(sim, P.TRUCK_LEVERS["elevate"], max(-LOWER_SPEED, P.axis_setting(target[2] - hub[2], 4.0, 0.03, 0.5)))
    return math.dist(hub, target)


def carry_to(sim, target, tolerance=0.05, max_ticks=2400, every=3):
    """The hub to a world point with a board on it; lets go of the levers and
    waits for the swing to die down there."""
    ok = False
    for _ in range(0, max_ticks, every):
        if carry_levers(sim, target) < tolerance:
            ok = True
            break
        if sim.step(every):
            break
    for name in ("rotate", "extend", "elevate"):
        sim.post("leverUp leverNr=%d" % P.TRUCK_LEVERS[name])
    return ok and not sim.step(SETTLE_TICKS)


def hook(sim, letter):
    """Hooks the grapple's fingers under the board's top bar; False when the
    board did not come up with the hub."""
    centre = sim.pose(letter).pos
    hub = sim.pose("grapple").pos
    above = (centre[0], centre[1], centre[2] + GRIP + 0.35)
    # Swung over high: on the way round the hub sags, and a row's board
    # close under the swing gets a finger.
    high = (centre[0], centre[1], above[2] + SWING_CLEAR)
    if not (P.grapple_to(sim, (hub[0], hub[1], max(hub[2], high[2]))) and P.open_grapple(sim, OPEN)
            and P.grapple_to(sim, high) and P.grapple_to(sim, above)):
        return False
    for _ in range(HOOK_TRIES):
        if lower_round_bar(sim, centre):
            report(sim, letter, "round the bar")
            if not P.work_grapple(sim, -1.0, CLOSE_TICKS):
                return False
            report(sim, letter, "closed")
            if max(sim.joint("crane", "prong0"), sim.joint("crane", "prong2")) < HOOKED:
                break
            # A claw closed on the bar's top or a knob: it pinches the bar and
            # has lifted the board a little. Snapped open, the claws fling it
            # off the terrace; opened slowly back to just open, it sits down
            # on its legs again, and the hub is taken straight up clear of
            # the bar before it is squared over the board once more.
            hub = sim.pose("grapple").pos
            carry_to(sim, (hub[0], hub[1], hub[2] - RETRY_SET_DOWN), tolerance=0.01, max_ticks=300)
            report(sim, letter, "set down")
            if sim.ended or not (set_open(sim, OPEN, speed=RELEASE_SPEED) and P.hold_still(sim)):
                return False
            report(sim, letter, "reopened")
            hub = sim.pose("grapple").pos
            if not (P.crane_joints_to(sim, (hub[0], hub[1], hub[2] + RETRY_RISE), limit=DESCENT_SPEED)
                    and P.hold_still(sim)):
                return False
        if sim.ended:
            return False
        centre = sim.pose(letter).pos
        # The carry's finer aim; the hub swinging on may keep it a little
        # short, which the approach round the bar takes up.
        carry_to(sim, (centre[0], centre[1], centre[2] + GRIP + 0.35), tolerance=0.02)
        if sim.ended:
            return False
        report(sim, letter, "back over")
    else:
        return False
    if not P.raise_hub_to(sim, centre[2] + GRIP + 0.3):
        return False
    return sim.pose(letter).pos[2] > centre[2] + 0.15


def lower_round_bar(sim, centre):
    """The just-open grapple let down from over the board round its top bar.
    Chased by where the hub hangs, the descent swings it, and a prong that
    lands on the bar's knob shoves the board off its feet; worked on the
    crane's joints from a still hub, it comes straight down."""
    return P.hold_still(sim) and P.hub_over(sim, (centre[0], centre[1], centre[2] + GRIP - HUB_HANG_LOW),
                                             limit=DESCENT_SPEED, within=0.015, tries=4)


def board_to(sim, letter, target, rounds=3, tolerance=0.05):
    """Carries the hub so that the board, hanging from it, comes to the world
    point: the board does not hang centred under the hub but off one claw,
    so each round aims the hub by where the board hung the round before."""
    for _ in range(rounds):
        board, hub = sim.pose(letter).pos, sim.pose("grapple").pos
        aim = [target[i] + hub[i] - board[i] for i in range(3)]
        if not carry_to(sim, aim, tolerance):
            return False
    return True


def hang(sim, letter):
    x, y = stance_for(letter)
    if not P.follow_path(sim, "truck", [sim.pose("truck").pos[:2], (x, y)], throttle=0.3):
        return False
    # Back round to the waiting row through the north, high: the shortest
    # slew from the ledge passes over the boards already hung to the south.
    if sim.pose("grapple").pos[0] > x + CARRY_OUT / 2:
        for k in (0, 1, 2, 3):
            if not carry_to(sim, round_axis(sim, math.pi * k / 4, CARRY_OUT, CARRY_Z), tolerance=0.1):
                return False
    if not hook(sim, letter):
        return False
    place = place_of(letter)
    # Raised once, to where the feet clear the terrace, the truck and the
    # ledge, and swung round at that height: let down on the way, the board
    # swings off the fingers.
    over = HUNG_Z + HOLD + FEET_CLEAR
    carry = [round_axis(sim, math.pi * k / 4, CARRY_OUT, over) for k in (4, 3, 2, 1)]
    # The round ends short of the ledge, so that the board, swinging and
    # turned a little on its one claw, comes round clear of those hung.
    carry.append(round_axis(sim, 0.0, ROUND_END_OUT, over))
    for step in carry:
        if not carry_to(sim, step):
            return False
    if not P.hold_still(sim):
        return False
    # Out over the terrace's edge and on over the place with the feet clear
    # of the ledge, placing the board itself (it hangs off the hub), then
    # straight down onto the ledge with the hub keeping that offset.
    over = HUNG_Z + FEET_CLEAR
    # The neighbour to the south already hangs, a panel's edge two
    # centimetres off, its feet held in the ledge's slot so that a board let
    # down past it swinging cannot tip it; the pegs' and the slot's slopes
    # move the board onto its place as its feet touch.
    place = place_of(letter)
    if not (board_to(sim, letter, (HUNG_X - 0.3, place, over)) and P.hold_still(sim)):
        return False
    # A finger that will not come out however it is floated: the free claw
    # closes round the bar again, and the board is lifted, set down afresh
    # and let go once more.
    for _ in range(REGRIP_TRIES):
        if not seat(sim, letter, place, over):
            return False
        released = let_go(sim, letter)
        if released:
            break
        if released is None or not P.work_grapple(sim, -1.0, CLOSE_TICKS):
            return False
        report(sim, letter, "gripped again")
    else:
        return False
    report(sim, letter, "drawn")
    hub = sim.pose("grapple").pos
    if not P.raise_hub_to(sim, hub[2] + 0.3):
        return False
    sim.step(SETTLE_TICKS)
    report(sim, letter, "lifted")
    # Both claws against their open stops first: the one that was caught
    # still stands closed, and closing them together from there leaves both
    # just open for the next bar.
    return (carry_to(sim, (HUNG_X - 0.4, place, CARRY_Z)) and P.work_grapple(sim, 1.0, FULL_OPEN_TICKS)
            and set_open(sim, OPEN))


def seat(sim, letter, place, over):
    """Lets the board, hanging from the hub, down between its pegs, square
    on its mark. False when it will not stand there."""
    # A board that lands on a peg instead of between two is lifted clear of
    # them, squared over its place again and let down once more.
    for _ in range(SEAT_TRIES):
        if not (board_to(sim, letter, (HUNG_X, place, over), rounds=4, tolerance=0.02)
                and board_to(sim, letter, (HUNG_X, place, HUNG_Z + RAIL_HEIGHT + 0.02), rounds=4,
                             tolerance=0.02)):
            return False
        report(sim, letter, "over")
        board, hub = sim.pose(letter).pos, sim.pose("grapple").pos
        offset = [hub[i] - board[i] for i in range(3)]
        # The hub goes on down until the fingers sit clear below the bar or
        # rest on the panel; either way the board must stand in the slot.
        carry_to(sim, (HUNG_X + offset[0], place + offset[1], HUNG_Z - SLACK + offset[2]), tolerance=0.02,
                 max_ticks=300)
        if sim.ended:
            return False
        # Seated off its mark, away from the parapet, the board has the
        # caught finger too deep under its bar to be drawn out cleanly.
        report(sim, letter, "down")
        board = sim.pose(letter).pos
        if (board[2] < HUNG_Z + 0.02 and abs(board[0] - HUNG_X) < SEAT_X_TOLERANCE
                and abs(board[1] - place) < SEAT_Y_TOLERANCE):
            break
    else:
        return False
    return True


def let_go(sim, letter):
    """Frees the seated board from the grapple: True once the caught finger
    is out, False when it took the board along every time (the board is
    set back where it stood), None when the level ended."""
    report(sim, letter, "seated")
    # Opened gently the free claw swings clear while the other's finger stays
    # under the bar; the hub is eased up until that finger floats between
    # the bar and the panel's top, touching neither, and then drawn slowly
    # back toward the truck at that height, so the finger slides out without
    # dragging the board (the fingers' pads grip whatever they press on, and
    # a quick draw swings the grapple and presses the finger up).
    if not set_open(sim, FREE_CLAW_OPEN, speed=RELEASE_SPEED):
        return None
    report(sim, letter, "opened")
    seat = sim.pose("grapple").pos
    for drop in RELEASE_DROPS:
        if draw_out(sim, letter, drop):
            break
        report(sim, letter, "dragged")
        # The finger took the board along: back to where the hub let go,
        # which sets the board down again, and float the finger lower.
        carry_to(sim, seat, tolerance=0.03, max_ticks=600)
        if sim.ended:
            return None
        if sim.pose(letter).pos[0] < HUNG_X - DRAGGED_OFF:
            return False
    else:
        return False
    return True


def draw_out(sim, letter, drop, max_ticks=1500):
    """Floats the caught finger and draws the hub DRAW_OUT back toward the
    truck. The hub is eased up until the finger meets the bar (the board
    starts to move), then let down RELEASE_DROP from there, so the finger
    hangs clear of both bar and panel however it was caught."""
    hub = sim.pose("grapple").pos
    board = sim.pose(letter).pos
    elevate, extend = P.TRUCK_LEVERS["elevate"], P.TRUCK_LEVERS["extend"]
    hold_at = None
    drawing_from = None
    for k in range(max_ticks):
        now = sim.pose("grapple").pos
        if hold_at is None:
            target = hub[2] + min(RISE_RATE * k, RELEASE_RISE_MAX)
            if math.dist(sim.pose(letter).pos, board) > BAR_MET or RISE_RATE * k > RELEASE_RISE_MAX:
                hold_at = now[2] - drop
                board = sim.pose(letter).pos
                drawing_from = k + RISE_TICKS
        if hold_at is not None:
            target = hold_at
            if math.hypot(now[0] - hub[0], now[1] - hub[1]) > DRAW_OUT:
                break
            if k >= drawing_from and math.dist(sim.pose(letter).pos, board) > DRAGGED:
                break
        error = target - now[2]
        P.lever(sim, elevate, P.clamp(RISE_GAIN * error) if abs(error) > 0.001 else 0.0)
        P.lever(sim, extend, -DRAW_SPEED if drawing_from is not None and k >= drawing_from else 0.0)
        if sim.step(1):
            return False
    for lever in (elevate, extend):
        sim.post("leverUp leverNr=%d" % lever)
    return math.hypot(now[0] - hub[0], now[1] - hub[1]) > DRAW_OUT and math.dist(sim.pose(letter).pos, board) < DRAGGED


def set_open(sim, angle, tolerance=0.05, speed=1.0, max_ticks=600, every=2):
    """Opens or closes the grapple until its first prong stands at angle."""
    for _ in range(0, max_ticks, every):
        error = angle - sim.joint("crane", "prong0")
        if abs(error) < tolerance:
            break
        P.lever(sim, P.GRAPPLE_LEVER, math.copysign(speed, error))
        if sim.step(every):
            return False
    sim.post("leverUp leverNr=%d" % P.GRAPPLE_LEVER)
    return True


def report(sim, letter, what):
    if DEBUG:
        b = sim.pose(letter)
        g = sim.pose("grapple")
        print("  %s %d board" % (what, sim.tick), [round(v, 3) for v in b.pos],
              "yaw %.1f hz %.3f" % (math.degrees(math.atan2(b.x_axis[1], b.x_axis[0])), b.z_axis[2]),
              "hub", [round(v, 3) for v in g.pos], "gyaw %.1f" % math.degrees(math.atan2(g.x_axis[1], g.x_axis[0])),
              "prongs %.2f %.2f" % (sim.joint("crane", "prong0"), sim.joint("crane", "prong2")),
              file=sys.stderr)


def drive(sim):
    if not onto_terrace(sim):
        return
    for letter in reversed(LETTERS):
        hung = hang(sim, letter)
        if sim.ended:
            return
        if not hung:
            print("stopped at", letter, file=sys.stderr)
            return
    sim.step(60)


if __name__ == "__main__":
    driver_main.main(LEVEL, drive)
